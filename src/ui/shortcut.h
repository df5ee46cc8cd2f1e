// Shortcut codes, as the clock stores them in "_hot3" and the memo's menus and actions carry
// them: the virtual key in the low byte, 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt; 0 = none. To and
// from the hot-key control and the keyboard, as text, and which may be registered system-wide.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "ui/hot_key_edit.h"

namespace ui {

using ShortCut = uint16_t;
inline constexpr ShortCut kShift = 0x2000, kCtrl = 0x4000, kAlt = 0x8000;
constexpr ShortCut shortCut(WORD vk, ShortCut modifiers = 0) { return static_cast<ShortCut>((vk & 0xFF) | modifiers); }

int shortCutOf(HotKey key);
HotKey hotKeyOf(int shortcut);
// The shortcut of a key pressed now (modifier state from GetKeyState); 0 for a lone modifier.
ShortCut shortCutOfKey(WORD vk);

// How the key itself is named in a shortcut's text.
enum class KeyNames {
  Keyboard,  // the keyboard layout's own names, as the hot-key control shows them
  Menu,      // the short names a menu shows after a tab ("Del", "Ins", "BkSp", "Enter")
};
// "Shift+", "Ctrl+", "Alt+" in this order for the modifiers present, then the key's name
// ("Shift+Ctrl+Tab", "F5"); "" when there is no key.
std::string shortCutText(int shortcut, KeyNames names);

// A system-wide key without Shift, Ctrl or Alt would take that key from every program: only the
// function keys may stand alone. 0 (no key) is always allowed.
bool shortCutAllowed(int shortcut);

}  // namespace ui
