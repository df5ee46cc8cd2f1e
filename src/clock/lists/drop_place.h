// The clock's reorderable lists (launcher, alarms, clipboard history) ask the same question when a
// row is dropped on the last row.
#pragma once

#include <windows.h>

namespace tockle {

// True: the dropped row goes after the last row (to the end); false: before it.
bool askDropAfterLast(HWND owner);

}  // namespace tockle
