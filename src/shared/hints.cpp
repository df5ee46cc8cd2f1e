#include "shared/hints.h"

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "base/text.h"

namespace shared {

void addControlHint(HWND tooltip, HWND owner, HWND control, std::string_view text) {
  if (!tooltip || !control) return;
  std::wstring w = base::wide(text);
  TTTOOLINFOW ti{};
  ti.cbSize = TTTOOLINFOW_V2_SIZE;
  ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  ti.hwnd = owner;
  ti.uId = reinterpret_cast<UINT_PTR>(control);
  ti.lpszText = w.data();
  SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

}  // namespace shared
