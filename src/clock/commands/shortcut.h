// Shortcut codes as stored in "_hot3" (virtual key in the low byte, 0x2000 Shift, 0x4000 Ctrl,
// 0x8000 Alt, 0 = none): to and from the hot-key control, as text, and which may be registered.
#pragma once

#include <string>

#include "ui/hot_key_edit.h"

namespace tockle {

inline constexpr int kShortcutShift = 0x2000, kShortcutCtrl = 0x4000, kShortcutAlt = 0x8000;

int shortcutOf(ui::HotKey key);
ui::HotKey hotKeyOf(int shortcut);

// "Shift+", "Ctrl+", "Alt+" in this order for the modifiers present, then the key's name; "" for 0.
std::string shortcutText(int shortcut);

// A system-wide key without Shift, Ctrl or Alt would take that key from every program: only the
// function keys may stand alone. 0 (no key) is always allowed.
bool shortcutAllowed(int shortcut);

}  // namespace tockle
