// Shortcut codes of the memo window's menus and actions: the virtual-key code in the low byte,
// 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt; 0 for none.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace memo {

using ShortCut = uint16_t;
constexpr ShortCut kShift = 0x2000, kCtrl = 0x4000, kAlt = 0x8000;
constexpr ShortCut shortCut(WORD vk, ShortCut modifiers = 0) { return static_cast<ShortCut>((vk & 0xFF) | modifiers); }

// The text a menu shows after a tab ("Ctrl+Z", "Shift+Ctrl+Tab", "F5").
std::string shortCutText(ShortCut s);
// The shortcut of a key pressed now (modifier state from GetKeyState); 0 for a lone modifier.
ShortCut shortCutOfKey(WORD vk);

}  // namespace memo
