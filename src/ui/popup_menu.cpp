#include "ui/popup_menu.h"

#include "base/text.h"

namespace ui {

base::Menu popupMenu(const std::vector<std::pair<UINT, std::string>>& entries) {
  base::Menu menu(CreatePopupMenu());
  for (const auto& [id, caption] : entries)
    AppendMenuW(menu.get(), id ? MF_STRING : MF_SEPARATOR, id, id ? base::wide(caption).c_str() : nullptr);
  return menu;
}

UINT trackPopupMenu(HWND owner, HMENU menu, POINT at) {
  UINT id = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, owner,
                           nullptr);
  // Lets the menu end properly when the user clicked elsewhere.
  PostMessageW(owner, WM_NULL, 0, 0);
  return id;
}

POINT contextMenuPoint(HWND control, POINT at) {
  if (at.x != -1 || at.y != -1) return at;
  RECT r{};
  GetWindowRect(control, &r);
  return {r.left, r.top};
}

}  // namespace ui
