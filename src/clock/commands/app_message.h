// The mouse buttons on the clock and on the tray icon as commands. The decision is a pure
// function of the message, its wParam (compared exactly) and FixClock; the main window carries
// it out.
#pragma once

#include <windows.h>

#include "clock/tray/tray_icon.h"

namespace tockle {

// The command the tray icon's right button always runs: the system menu.
inline constexpr int kSystemMenuCommand = 100;
// The command Shift or Ctrl with the right button runs: the settings dialog on all pages.
inline constexpr int kSettingsCommand = 8;
// Moving the window by its caption, as if the caption were dragged.
inline constexpr WPARAM kSysCommandDragMove = 0xF012;

struct MouseOperations {
  int left = 99;    // MouseOperation0
  int middle = 1;   // MouseOperation1, also Shift + left
  int right = 100;  // MouseOperation2
};

enum class MouseActionKind {
  None,           // not a button the clock answers
  Command,        // run `command`
  Drag,           // move the window, run nothing
  DragOrCommand,  // move the window; run `command` when the cursor ended where it started
};

struct MouseAction {
  MouseActionKind kind = MouseActionKind::None;
  int command = 0;
  bool handled = false;  // the message is not dispatched further
};

MouseAction clockMouseAction(UINT message, WPARAM wParam, bool fixClock, const MouseOperations& ops);

int trayCommand(TrayButton button, const MouseOperations& ops);

}  // namespace tockle
