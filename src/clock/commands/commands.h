// The clock's command numbers: one numbering shared by the system menu (item Tags), the hot keys
// (their ids), the mouse buttons and the tray icon. The clock window runs them.
#pragma once

#include <windows.h>

#include <string>

namespace tockle {

enum Command {
  cmdMemo = 1,
  cmdNewAlarm = 2,
  cmdAlarms = 3,
  cmdHistory = 4,
  cmdAlwaysOnTop = 5,
  cmdSynchronize = 6,
  cmdShowHide = 7,
  cmdSettings = 8,
  cmdShutdown = 10,
  cmdReboot = 11,
  cmdSuspend = 12,
  cmdScreenSaver = 13,
  cmdSizeWindow = 15,
  cmdFitWindow = 16,
  cmdHibernate = 17,
  cmdHelp = 20,
  cmdAbout = 21,
  cmdExit = 22,
  cmdLauncherMenu = 99,
  cmdSystemMenu = 100,
};

// How the settings dialog opens (ConfigMode).
enum ConfigModes : uint8_t { cfgAllPages = 0, cfgAlarmPage = 1, cfgLauncherPage = 2, cfgNewAlarm = 3 };

// Sizing the window from its top-left corner with the mouse.
inline constexpr WPARAM kSysCommandSizeTopLeft = 0xF004;

// Whether a command opens a modal window, a menu or ends the program (or acts on the system).
// While a modal window of the clock is open such a command is refused:
// hot keys, the tray icon and the memo's alarm request still arrive then.
bool waitsForModalWindow(int command);

// Titles that keep the clock's windows single.
std::string settingsDialogTitle();
std::string historyWindowTitle();

// A top-level window with exactly this title (CP932), found like FindWindowA does.
HWND findWindowTitled(const std::string& title);

}  // namespace tockle
