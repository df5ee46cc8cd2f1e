// Starting a program list: entries joined by ";", each handed to the shell, except the special
// names, which run the clock's own operations.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace tockle {

// The special names, in the order of their numbers (0 to 3 the power operations' kinds,
// 4 the time synchronisation). Compared exactly, letter case included.
inline constexpr const char* kSpecialNames[] = {"#ExitWindows", "#RestartWindows", "#SuspendWindows",
                                                "#HibernateWindows", "#NTPSynchronize"};
inline constexpr int kSpecialNTPSynchronize = 4;

// The special name's number, or -1 for any other entry.
int specialNameIndex(std::string_view entry);

// The working folder of an entry: everything before its last "\" (a drive root keeps its "\");
// "" when the entry has no folder part.
std::string entryFolder(std::string_view entry);

// One step of a run: a special operation, or a shell start.
struct AppStart {
  int special = -1;  // the special name's number, or -1 for a shell start
  std::string file;
  std::string params;
  std::string folder;
};

// The steps of a run, in order: parameters and folder go to the first entry only; the first
// empty entry ends the run.
std::vector<AppStart> planAppStarts(std::string_view list, std::string_view params, std::string_view folder);

// The shell's "open" of file, shown normally: 0 when it started, else the shell's error number
// (2 file not found, 3 path not found, 5 access denied, 31 no program for it, ...).
int shellOpen(HWND owner, const std::string& file, const std::string& params, const std::string& folder);
// Why a start failed, for the user, from the shell's error number.
std::string shellErrorText(int error);

}  // namespace tockle
