// The application's WinHelp file, opened the same way by every window of both programs.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

// The help file the program set (Application::helpFile), else its own path with ".hlp".
std::string helpFilePath();

// What a missing help file does: WinHelp itself tells the user, or nothing opens.
enum class MissingHelp { WinHelpSays, OpenNothing };

// WinHelp with a command (HELP_FINDER, HELP_CONTEXT, HELP_CONTEXTPOPUP, HELP_KEY, ...) on the
// application's help file. False when nothing was asked of WinHelp or it refused.
bool openHelp(HWND owner, UINT command, ULONG_PTR data, MissingHelp missing = MissingHelp::WinHelpSays);

}  // namespace ui
