// The clock's general settings, held by the main window and stored under its registry key.
// Field names are the registry value names. Values held by components (the clock kind and
// circle width in the clock face, the font and background colour in the hidden label) are
// not repeated here.
#pragma once

#include <cstdint>
#include <string>

#include "ui/graphics.h"

namespace tockle {

// Clipboard history policy, stored as one 28-byte binary value.
struct TClipHistory {
  int32_t LetterFrom = 0;
  int32_t LetterTo = 0;
  int32_t LineFrom = 0;
  int32_t LineTo = 0;
  int32_t MaxCount = 30;
  int32_t DayLimit = 15;
  uint8_t UnuseHis = 0;       // 1: do not record the clipboard
  uint8_t ClearWhenExit = 0;  // 1: delete the history file at exit
};

// The launcher icon sizes the settings page offers, in pixels; a stored size outside them reads as
// the default.
constexpr int kMaxDrawIconSize = 50;

struct TClockSettings {
  bool DrawIcon = true;
  int DrawIconSize = 16;
  bool DiableAccessKey = false;
  bool AlwaysOnTop = true;
  bool InTray = true;
  bool FixClock = false;
  int TimeRemain = 0;
  int MouseOperation0 = 99;
  int MouseOperation1 = 1;
  int MouseOperation2 = 100;
  bool DialUp = false;
  bool ShowLikeFrame = false;
  bool SystemIcon = true;
  bool AutoResize = true;
  int AutoHeight = 10;
  int AutoWidth = 20;
  int FrameWidth = 1;
  std::string DisplayType = "yyyy/mm/dd hh:nn";
  std::string NTPServer = "ntp.nict.jp";
  ui::Color AnalogColor[4] = {0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000};
  int TimeOut = 750;
  int IgnoreErrorRange = 200;
  int ClockTransparent = 0;
  bool AutooffTransparent = false;
  int MouseHoldInvisible = 0;
  int MouseHoldInvisibleRestore = 0;
  TClipHistory ClipHistory;
  bool HistoryHint = true;
  bool HotKey = true;
  bool ForceIfHung = false;
  bool NoPoweroff = false;
};

// The main window's size at design time (borderless: window = client area).
constexpr int kDesignWidth = 330;
constexpr int kDesignHeight = 91;

}  // namespace tockle
