// Keyboard input for tests: keys pressed in order and released in reverse, through SendInput
// (Wine raises hot keys for it).
#pragma once

#include <windows.h>

#include <vector>

namespace test {

void pressKeys(const std::vector<WORD>& keys);
// The keys of a 16-bit shortcut code: virtual key in the low byte, 0x2000 Shift, 0x4000 Ctrl,
// 0x8000 Alt.
void pressShortcut(int shortcut);
// A click of the left mouse button at a screen point, through SendInput; never taken as the
// second half of a double click with the one before.
void leftClick(int x, int y);

}  // namespace test
