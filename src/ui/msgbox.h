// Message boxes with CP932 text.
#pragma once

#include <windows.h>

#include <string_view>

namespace ui {

// MessageBoxW with converted text; flags as for MessageBox (MB_YESNO | MB_ICONQUESTION, ...).
int messageBox(HWND owner, std::string_view text, std::string_view caption, UINT flags);

}  // namespace ui
