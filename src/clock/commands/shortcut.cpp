#include "clock/commands/shortcut.h"

#include <windows.h>

#include "base/text.h"

namespace tockle {

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

std::string keyName(UINT vk) {
  LONG scan = static_cast<LONG>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
  if (extendedKey(vk)) scan |= 1 << 24;
  wchar_t name[64] = {};
  if (scan != 0 && GetKeyNameTextW(scan, name, 64) > 0) return base::cp932(name);
  // A key without a name of its own is shown by its number.
  return "#" + std::to_string(vk);
}

}  // namespace

int shortcutOf(ui::HotKey key) {
  if (key.key == 0) return 0;
  int code = key.key;
  if (key.modifiers & HOTKEYF_SHIFT) code |= kShortcutShift;
  if (key.modifiers & HOTKEYF_CONTROL) code |= kShortcutCtrl;
  if (key.modifiers & HOTKEYF_ALT) code |= kShortcutAlt;
  return code;
}

ui::HotKey hotKeyOf(int shortcut) {
  ui::HotKey key{static_cast<BYTE>(shortcut & 0xFF), 0};
  if (key.key == 0) return {};
  if (shortcut & kShortcutShift) key.modifiers |= HOTKEYF_SHIFT;
  if (shortcut & kShortcutCtrl) key.modifiers |= HOTKEYF_CONTROL;
  if (shortcut & kShortcutAlt) key.modifiers |= HOTKEYF_ALT;
  if (extendedKey(key.key)) key.modifiers |= HOTKEYF_EXT;
  return key;
}

std::string shortcutText(int shortcut) {
  if ((shortcut & 0xFF) == 0) return {};
  std::string text;
  if (shortcut & kShortcutShift) text += "Shift+";
  if (shortcut & kShortcutCtrl) text += "Ctrl+";
  if (shortcut & kShortcutAlt) text += "Alt+";
  return text + keyName(static_cast<UINT>(shortcut & 0xFF));
}

bool shortcutAllowed(int shortcut) {
  int vk = shortcut & 0xFF;
  if (vk == 0) return true;
  if (shortcut & (kShortcutShift | kShortcutCtrl | kShortcutAlt)) return true;
  return vk >= VK_F1 && vk <= VK_F24;
}

}  // namespace tockle
