// The clock's settings, held by the main window and stored under its registry key: everything
// stored there, the clock face's kind and look and the window's bounds included. Field names are
// the registry value names. The window gives its components these values when it applies them.
#pragma once

#include <cstdint>
#include <string>

#include <windows.h>

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

// The main window's size at design time (borderless: window = client area).
constexpr int kDesignWidth = 330;
constexpr int kDesignHeight = 91;

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
  // The clock face: 1 digital, 2 analog, 3 both; the analog circle's width.
  uint8_t ClockType = 1;
  int HandWidth = 1;
  // The clock text's font and the face's background.
  ui::Color ClockFontColor = 0;
  std::string ClockFontName = "MS UI Gothic";
  int ClockFontSize = 9;
  uint8_t ClockFontStyle = 0;
  // Not stored: the character set of a font chosen in the settings lasts until the clock ends.
  BYTE ClockFontCharset = SHIFTJIS_CHARSET;
  ui::Color BackColor = ui::systemColor(COLOR_BTNFACE);
  // The window's bounds, taken from the window as the settings are saved.
  int ClockHeight = kDesignHeight;
  int ClockLeft = 0;
  int ClockTop = 0;
  int ClockWidth = kDesignWidth;
};

// The clock text's font as the settings give it, and the settings taking a chosen one.
inline ui::Font clockFont(const TClockSettings& s) {
  ui::Font font(s.ClockFontName, s.ClockFontSize);
  font.setStyle(s.ClockFontStyle);
  font.setColor(s.ClockFontColor);
  font.setCharset(s.ClockFontCharset);
  return font;
}

inline void setClockFont(TClockSettings& s, const ui::Font& font) {
  s.ClockFontName = font.name();
  s.ClockFontSize = font.size();
  s.ClockFontStyle = font.style();
  s.ClockFontColor = font.color();
  s.ClockFontCharset = font.charset();
}

}  // namespace tockle
