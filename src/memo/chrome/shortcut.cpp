#include "memo/chrome/shortcut.h"

namespace memo {

std::string shortCutText(ShortCut s) {
  if (s == 0) return {};
  std::string text;
  if (s & kShift) text += "Shift+";
  if (s & kCtrl) text += "Ctrl+";
  if (s & kAlt) text += "Alt+";
  WORD vk = s & 0xFF;
  if (vk >= VK_F1 && vk <= VK_F24) return text + "F" + std::to_string(vk - VK_F1 + 1);
  if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return text + static_cast<char>(vk);
  switch (vk) {
    case VK_TAB:
      return text + "Tab";
    case VK_DELETE:
      return text + "Del";
    case VK_INSERT:
      return text + "Ins";
    case VK_RETURN:
      return text + "Enter";
    case VK_ESCAPE:
      return text + "Esc";
    case VK_BACK:
      return text + "BkSp";
  }
  return text + "#" + std::to_string(vk);
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

}  // namespace memo
