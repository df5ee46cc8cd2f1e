#include "memo/chrome/menu_bar.h"

#include <windows.h>

#include <commctrl.h>

#include <cwctype>

#include "base/text.h"
#include "ui/app.h"
#include "ui/common_controls.h"

namespace memo {

namespace {
TMenuBar* trackingBar = nullptr;
HHOOK filterHook = nullptr;

std::wstring menuCaption(HMENU menu, int index) {
  wchar_t buf[256] = {};
  int n = GetMenuStringW(menu, static_cast<UINT>(index), buf, 256, MF_BYPOSITION);
  return std::wstring(buf, static_cast<size_t>(n > 0 ? n : 0));
}

// The letter after the first single '&' of a caption, upper-cased; 0 when there is none.
wchar_t mnemonicOf(const std::wstring& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {
      ++i;
      continue;
    }
    return static_cast<wchar_t>(std::towupper(caption[i + 1]));
  }
  return 0;
}
}  // namespace

bool TMenuBar::create(HWND parent, HWND notify) {
  notify_ = notify;
  ui::initCommonControls();
  hwnd_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                          WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TRANSPARENT |
                              CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN,
                          0, 0, 0, 0, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return false;
  SendMessageW(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(hwnd_, TB_SETPARENT, reinterpret_cast<WPARAM>(notify), 0);
  SendMessageW(hwnd_, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
  SendMessageW(hwnd_, TB_SETBUTTONSIZE, 0, MAKELPARAM(63, 20));
  return true;
}

int TMenuBar::ButtonCount() const { return hwnd_ ? static_cast<int>(SendMessageW(hwnd_, TB_BUTTONCOUNT, 0, 0)) : 0; }

std::string TMenuBar::ButtonCaption(int index) const {
  TBBUTTON b{};
  if (!SendMessageW(hwnd_, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&b))) return {};
  wchar_t buf[256] = {};
  LRESULT n = SendMessageW(hwnd_, TB_GETBUTTONTEXTW, static_cast<WPARAM>(b.idCommand), reinterpret_cast<LPARAM>(buf));
  return n > 0 ? base::cp932(std::wstring_view(buf, static_cast<size_t>(n))) : std::string();
}

void TMenuBar::freeButtons() {
  for (int i = ButtonCount() - 1; i >= 0; --i) SendMessageW(hwnd_, TB_DELETEBUTTON, static_cast<WPARAM>(i), 0);
}

void TMenuBar::SetMenu(HMENU menu) {
  if (menu == menu_) return;
  if (menu_) freeButtons();
  menu_ = menu;
  if (!menu_) return;
  int items = GetMenuItemCount(menu_);
  for (int i = ButtonCount(); i < items; ++i) {
    std::wstring caption = menuCaption(menu_, i);
    TBBUTTON b{};
    b.iBitmap = I_IMAGENONE;
    b.idCommand = kFirstButtonId + i;
    b.fsState = TBSTATE_ENABLED;
    b.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_GROUP | BTNS_SHOWTEXT;
    b.iString = reinterpret_cast<INT_PTR>(caption.c_str());
    SendMessageW(hwnd_, TB_INSERTBUTTONW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&b));
  }
  // Bind every button to its item once more: the captions follow the menu.
  for (int i = 0; i < items; ++i) {
    std::wstring caption = menuCaption(menu_, i);
    TBBUTTONINFOW info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_TEXT;
    info.pszText = caption.data();
    SendMessageW(hwnd_, TB_SETBUTTONINFOW, static_cast<WPARAM>(kFirstButtonId + i), reinterpret_cast<LPARAM>(&info));
  }
  SendMessageW(hwnd_, TB_AUTOSIZE, 0, 0);
}

SIZE TMenuBar::idealSize() const {
  SIZE size{0, 20};
  int n = ButtonCount();
  if (n > 0) {
    RECT r{};
    SendMessageW(hwnd_, TB_GETITEMRECT, static_cast<WPARAM>(n - 1), reinterpret_cast<LPARAM>(&r));
    size.cx = r.right;
    size.cy = std::max<LONG>(20, r.bottom - r.top);
  }
  return size;
}

bool TMenuBar::handleCommand(int id) {
  int index = id - kFirstButtonId;
  if (!menu_ || index < 0 || index >= ButtonCount()) return false;
  DropDown(index);
  return true;
}

bool TMenuBar::DropDownMnemonic(wchar_t letter) {
  if (!menu_) return false;
  letter = static_cast<wchar_t>(std::towupper(letter));
  for (int i = 0; i < ButtonCount(); ++i) {
    if (mnemonicOf(menuCaption(menu_, i)) == letter) {
      DropDown(i, true);
      return true;
    }
  }
  return false;
}

void TMenuBar::DropDown(int index, bool byKeyboard) {
  if (!menu_ || trackingBar) return;
  int n = ButtonCount();
  int next = index;
  while (next >= 0 && next < n) {
    int current = next;
    RECT r{};
    SendMessageW(hwnd_, TB_GETITEMRECT, static_cast<WPARAM>(current), reinterpret_cast<LPARAM>(&r));
    MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&r), 2);
    SendMessageW(hwnd_, TB_PRESSBUTTON, static_cast<WPARAM>(kFirstButtonId + current), TRUE);
    tracking_ = current;
    pendingNext_ = -1;
    pendingByKeyboard_ = false;
    GetCursorPos(&cursorAtStart_);
    trackingBar = this;
    filterHook = SetWindowsHookExW(WH_MSGFILTER, menuFilter, nullptr, GetCurrentThreadId());
    if (byKeyboard) PostMessageW(notify_, WM_KEYDOWN, VK_DOWN, 0);
    TPMPARAMS excluded{sizeof excluded, r};
    TrackPopupMenuEx(GetSubMenu(menu_, current), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_VERTICAL | TPM_LEFTBUTTON, r.left,
                     r.bottom, notify_, &excluded);
    if (filterHook) UnhookWindowsHookEx(filterHook);
    filterHook = nullptr;
    trackingBar = nullptr;
    tracking_ = -1;
    SendMessageW(hwnd_, TB_PRESSBUTTON, static_cast<WPARAM>(kFirstButtonId + current), FALSE);
    next = pendingNext_;
    byKeyboard = pendingByKeyboard_;
  }
}

LRESULT CALLBACK TMenuBar::menuFilter(int code, WPARAM wp, LPARAM lp) {
  bool handled = false;
  if (code == MSGF_MENU && trackingBar) {
    ui::guarded([&] { handled = trackingBar->filter(*reinterpret_cast<MSG*>(lp)); });
  }
  if (handled) return 1;
  return CallNextHookEx(filterHook, code, wp, lp);
}

bool TMenuBar::filter(MSG& msg) {
  int n = ButtonCount();
  if (n == 0) return false;
  if (msg.message == WM_KEYDOWN && (msg.wParam == VK_LEFT || msg.wParam == VK_RIGHT)) {
    // On an item that opens a submenu the keys keep their meaning inside the menu.
    HMENU popup = GetSubMenu(menu_, tracking_);
    for (int i = 0; i < GetMenuItemCount(popup); ++i)
      if ((GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) && GetSubMenu(popup, i)) return false;
    pendingNext_ = (tracking_ + (msg.wParam == VK_LEFT ? n - 1 : 1)) % n;
    pendingByKeyboard_ = true;
    EndMenu();
    return true;
  }
  if (msg.message == WM_MOUSEMOVE) {
    // Only a real move counts: a menu that opens under a resting cursor gets a move message too.
    POINT cursor;
    GetCursorPos(&cursor);
    if (cursor.x == cursorAtStart_.x && cursor.y == cursorAtStart_.y) return false;
    ScreenToClient(hwnd_, &cursor);
    int hit = static_cast<int>(SendMessageW(hwnd_, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&cursor)));
    if (hit >= 0 && hit < n && hit != tracking_) {
      pendingNext_ = hit;
      EndMenu();
      return true;
    }
  }
  return false;
}

}  // namespace memo
