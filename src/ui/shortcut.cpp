#include "ui/shortcut.h"

#include "base/text.h"

namespace ui {

namespace {

// Keys whose scan code needs the extended bit for their own name (not the number pad's).
bool extendedKey(UINT vk) {
  switch (vk) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_INSERT:
    case VK_DELETE:
    case VK_DIVIDE:
    case VK_NUMLOCK:
    case VK_SNAPSHOT:
      return true;
    default:
      return false;
  }
}

std::string keyboardName(UINT vk) {
  LONG scan = static_cast<LONG>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
  if (extendedKey(vk)) scan |= 1 << 24;
  wchar_t name[64] = {};
  if (scan != 0 && GetKeyNameTextW(scan, name, 64) > 0) return base::cp932(name);
  // A key without a name of its own is shown by its number.
  return "#" + std::to_string(vk);
}

std::string menuName(UINT vk) {
  if (vk >= VK_F1 && vk <= VK_F24) return "F" + std::to_string(vk - VK_F1 + 1);
  if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return std::string(1, static_cast<char>(vk));
  switch (vk) {
    case VK_TAB:
      return "Tab";
    case VK_DELETE:
      return "Del";
    case VK_INSERT:
      return "Ins";
    case VK_RETURN:
      return "Enter";
    case VK_ESCAPE:
      return "Esc";
    case VK_BACK:
      return "BkSp";
  }
  return "#" + std::to_string(vk);
}

}  // namespace

int shortCutOf(HotKey key) {
  if (key.key == 0) return 0;
  int code = key.key;
  if (key.modifiers & HOTKEYF_SHIFT) code |= kShift;
  if (key.modifiers & HOTKEYF_CONTROL) code |= kCtrl;
  if (key.modifiers & HOTKEYF_ALT) code |= kAlt;
  return code;
}

HotKey hotKeyOf(int shortcut) {
  HotKey key{static_cast<BYTE>(shortcut & 0xFF), 0};
  if (key.key == 0) return {};
  if (shortcut & kShift) key.modifiers |= HOTKEYF_SHIFT;
  if (shortcut & kCtrl) key.modifiers |= HOTKEYF_CONTROL;
  if (shortcut & kAlt) key.modifiers |= HOTKEYF_ALT;
  if (extendedKey(key.key)) key.modifiers |= HOTKEYF_EXT;
  return key;
}

ShortCut shortCutOfKey(WORD vk) {
  if (vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU || vk == VK_LSHIFT || vk == VK_RSHIFT || vk == VK_LCONTROL ||
      vk == VK_RCONTROL || vk == VK_LMENU || vk == VK_RMENU)
    return 0;
  ShortCut s = shortCut(vk);
  if (GetKeyState(VK_SHIFT) < 0) s |= kShift;
  if (GetKeyState(VK_CONTROL) < 0) s |= kCtrl;
  if (GetKeyState(VK_MENU) < 0) s |= kAlt;
  return s;
}

std::string shortCutText(int shortcut, KeyNames names) {
  UINT vk = static_cast<UINT>(shortcut & 0xFF);
  if (vk == 0) return {};
  std::string text;
  if (shortcut & kShift) text += "Shift+";
  if (shortcut & kCtrl) text += "Ctrl+";
  if (shortcut & kAlt) text += "Alt+";
  return text + (names == KeyNames::Menu ? menuName(vk) : keyboardName(vk));
}

bool shortCutAllowed(int shortcut) {
  int vk = shortcut & 0xFF;
  if (vk == 0) return true;
  if (shortcut & (kShift | kCtrl | kAlt)) return true;
  return vk >= VK_F1 && vk <= VK_F24;
}

}  // namespace ui
