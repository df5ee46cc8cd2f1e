// Message boxes with CP932 text, and the application's standard error box.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

namespace ui {

// MessageBoxW with converted text; flags as for MessageBox (MB_YESNO | MB_ICONQUESTION, ...).
int messageBox(HWND owner, std::string_view text, std::string_view caption, UINT flags);

// The application's standard error box: the text under the application's title with the stop
// icon, and the program goes on (on the user-interface thread; a worker thread's error goes to
// the debugger output only). One box at a time: errors raised while it is shown (timers and
// paints keep running under it) only go to the debugger output, and the same text is not shown
// again for half a minute, so an error that repeats on every tick gives no storm of boxes.
void showError(std::string_view text);

// What showError shows its box with; tests replace it.
extern std::function<void(std::string_view text, std::string_view caption)> errorBox;

}  // namespace ui
