#include "ui/tooltip.h"

#include <commctrl.h>

#include <string>

#include "base/text.h"
#include "ui/app.h"
#include "ui/common_controls.h"

namespace ui {

namespace {
TTTOOLINFOW toolFor(HWND control) {
  TTTOOLINFOW ti{};
  ti.cbSize = TTTOOLINFOW_V2_SIZE;
  ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  ti.hwnd = GetParent(control);
  ti.uId = reinterpret_cast<UINT_PTR>(control);
  return ti;
}
}  // namespace

Tooltip::~Tooltip() {
  if (owned_ && hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

void Tooltip::attach(HWND tooltip) {
  if (owned_ && hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  hwnd_ = tooltip;
  owned_ = false;
}

void Tooltip::add(HWND control, std::string_view text) {
  if (!control) return;
  HWND root = GetAncestor(control, GA_ROOT);
  // Ours went with the window that owned it (a dialog shown again is a new window).
  if (!hwnd_ || !IsWindow(hwnd_) || (owned_ && GetWindow(hwnd_, GW_OWNER) != root)) {
    // Owned by the control's top-level window, so it goes when that window goes.
    initCommonControls();
    hwnd_ = CreateWindowExW(topMost ? WS_EX_TOPMOST : 0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, root, nullptr,
                            Application::instance().hinstance(), nullptr);
    owned_ = true;
    if (!hwnd_) return;
    // A width given before the window existed (the control forgets one given before its first tool).
    SendMessageW(hwnd_, TTM_SETMAXTIPWIDTH, 0, maxWidth_);
  }
  std::wstring w = base::wide(text);
  TTTOOLINFOW ti = toolFor(control);
  // No text buffer for the query: the control would copy the old text into it, past its end when
  // the old text is the longer one.
  ti.lpszText = nullptr;
  if (SendMessageW(hwnd_, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&ti))) {
    ti.lpszText = w.data();
    SendMessageW(hwnd_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
  } else {
    ti = toolFor(control);
    ti.lpszText = w.data();
    SendMessageW(hwnd_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  }
}

void Tooltip::remove(HWND control) {
  if (!hwnd_) return;
  TTTOOLINFOW ti = toolFor(control);
  SendMessageW(hwnd_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void Tooltip::setMaxWidth(int pixels) {
  maxWidth_ = pixels;
  if (hwnd_) SendMessageW(hwnd_, TTM_SETMAXTIPWIDTH, 0, pixels);
}

void Tooltip::setActive(bool on) {
  if (hwnd_) SendMessageW(hwnd_, TTM_ACTIVATE, on ? TRUE : FALSE, 0);
}

std::string Tooltip::text(HWND control) const {
  if (!hwnd_) return {};
  wchar_t buf[1025] = {};  // 1024 characters and the terminator
  TTTOOLINFOW ti = toolFor(control);
  ti.lpszText = buf;
  // The text message has no buffer size: the tool's text is never longer than what add() stores,
  // and hints are short; 1024 characters is the documented limit of a tool's text.
  SendMessageW(hwnd_, TTM_GETTEXTW, 1025, reinterpret_cast<LPARAM>(&ti));
  return base::cp932(buf);
}

}  // namespace ui
