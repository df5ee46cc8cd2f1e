#include "clock/settings/settings_store.h"

#include "shared/settings_read.h"

#include <type_traits>

namespace tockle {

namespace {

using shared::TKzRegEx;

using shared::readSetting;

template <typename T>
void read(TKzRegEx& r, const char* name, T& field) {
  readSetting(r, name, field);
}

void read(TKzRegEx& r, const char* name, ui::Color& field) {
  int v = static_cast<int>(field);
  readSetting(r, name, v);
  field = static_cast<ui::Color>(v);
}

int32_t int32At(const uint8_t* p) {
  uint32_t v = static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
               static_cast<uint32_t>(p[3]) << 24;
  return static_cast<int32_t>(v);
}

void putInt32(uint8_t* p, int32_t value) {
  uint32_t v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

void read(TKzRegEx& r, const char* name, TClipHistory& field) {
  uint8_t buf[kClipHistorySize] = {};
  if (shared::readBinarySetting(r, name, buf, kClipHistorySize) != kClipHistorySize) {
    field = TClipHistory{};
    return;
  }
  field.LetterFrom = int32At(buf);
  field.LetterTo = int32At(buf + 4);
  field.LineFrom = int32At(buf + 8);
  field.LineTo = int32At(buf + 12);
  field.MaxCount = int32At(buf + 16);
  field.DayLimit = int32At(buf + 20);
  field.UnuseHis = buf[24];
  field.ClearWhenExit = buf[25];
}

void writeClipHistory(shared::TRegistry& r, const TClipHistory& h) {
  uint8_t buf[kClipHistorySize] = {};
  putInt32(buf, h.LetterFrom);
  putInt32(buf + 4, h.LetterTo);
  putInt32(buf + 8, h.LineFrom);
  putInt32(buf + 12, h.LineTo);
  putInt32(buf + 16, h.MaxCount);
  putInt32(buf + 20, h.DayLimit);
  buf[24] = h.UnuseHis;
  buf[25] = h.ClearWhenExit;
  r.WriteBinaryData("ClipHistory", buf, kClipHistorySize);
}

void writeColor(shared::TRegistry& r, const char* name, ui::Color c) { r.WriteInteger(name, static_cast<int>(c)); }

}  // namespace

void ReadClockSettings(TKzRegEx& r, TClockSettings& s) {
  read(r, "DrawIcon", s.DrawIcon);
  int iconSize = s.DrawIconSize;
  read(r, "DrawIconSize", iconSize);
  if (iconSize >= 0 && iconSize <= kMaxDrawIconSize) s.DrawIconSize = iconSize;
  read(r, "DiableAccessKey", s.DiableAccessKey);
  read(r, "AlwaysOnTop", s.AlwaysOnTop);
  read(r, "InTray", s.InTray);
  read(r, "FixClock", s.FixClock);
  read(r, "TimeRemain", s.TimeRemain);
  read(r, "MouseOperation0", s.MouseOperation0);
  read(r, "MouseOperation1", s.MouseOperation1);
  read(r, "MouseOperation2", s.MouseOperation2);
  read(r, "ClockType", s.ClockType);
  read(r, "DialUp", s.DialUp);
  read(r, "ShowLikeFrame", s.ShowLikeFrame);
  read(r, "SystemIcon", s.SystemIcon);
  read(r, "AutoResize", s.AutoResize);
  read(r, "AutoHeight", s.AutoHeight);
  read(r, "AutoWidth", s.AutoWidth);
  read(r, "FrameWidth", s.FrameWidth);
  read(r, "HandWidth", s.HandWidth);
  read(r, "DisplayType", s.DisplayType);
  read(r, "NTPServer", s.NTPServer);
  read(r, "AnalogColor0", s.AnalogColor[0]);
  read(r, "AnalogColor1", s.AnalogColor[1]);
  read(r, "AnalogColor2", s.AnalogColor[2]);
  read(r, "AnalogColor3", s.AnalogColor[3]);
  read(r, "ClockFontColor", s.ClockFontColor);
  read(r, "ClockFontName", s.ClockFontName);
  read(r, "ClockFontSize", s.ClockFontSize);
  read(r, "ClockFontStyle", s.ClockFontStyle);
  read(r, "BackColor", s.BackColor);
  read(r, "ClockHeight", s.ClockHeight);
  read(r, "ClockLeft", s.ClockLeft);
  read(r, "ClockTop", s.ClockTop);
  read(r, "ClockWidth", s.ClockWidth);
  read(r, "TimeOut", s.TimeOut);
  read(r, "IgnoreErrorRange", s.IgnoreErrorRange);
  read(r, "ClockTransparent", s.ClockTransparent);
  read(r, "AutooffTransparent", s.AutooffTransparent);
  read(r, "MouseHoldInvisible", s.MouseHoldInvisible);
  read(r, "MouseHoldInvisibleRestore", s.MouseHoldInvisibleRestore);
  read(r, "ClipHistory", s.ClipHistory);
  read(r, "HistoryHint", s.HistoryHint);
  read(r, "HotKey", s.HotKey);
  read(r, "ForceIfHung", s.ForceIfHung);
  read(r, "NoPoweroff", s.NoPoweroff);
}

void WriteClockSettings(shared::TRegistry& r, const TClockSettings& s) {
  r.WriteBool("DrawIcon", s.DrawIcon);
  r.WriteInteger("DrawIconSize", s.DrawIconSize);
  r.WriteBool("DiableAccessKey", s.DiableAccessKey);
  r.WriteBool("AlwaysOnTop", s.AlwaysOnTop);
  r.WriteBool("InTray", s.InTray);
  r.WriteBool("FixClock", s.FixClock);
  r.WriteBool("SystemIcon", s.SystemIcon);
  r.WriteInteger("TimeRemain", s.TimeRemain);
  r.WriteInteger("MouseOperation0", s.MouseOperation0);
  r.WriteInteger("MouseOperation1", s.MouseOperation1);
  r.WriteInteger("MouseOperation2", s.MouseOperation2);
  r.WriteBinaryData("ClockType", &s.ClockType, 1);
  r.WriteBool("DialUp", s.DialUp);
  r.WriteBool("AutoResize", s.AutoResize);
  r.WriteBool("ShowLikeFrame", s.ShowLikeFrame);
  r.WriteInteger("HandWidth", s.HandWidth);
  r.WriteInteger("AutoHeight", s.AutoHeight);
  r.WriteInteger("AutoWidth", s.AutoWidth);
  r.WriteInteger("FrameWidth", s.FrameWidth);
  r.WriteString("DisplayType", s.DisplayType);
  r.WriteString("NTPServer", s.NTPServer);
  r.WriteInteger("TimeOut", s.TimeOut);
  r.WriteInteger("IgnoreErrorRange", s.IgnoreErrorRange);
  writeColor(r, "AnalogColor0", s.AnalogColor[0]);
  writeColor(r, "AnalogColor1", s.AnalogColor[1]);
  writeColor(r, "AnalogColor2", s.AnalogColor[2]);
  writeColor(r, "AnalogColor3", s.AnalogColor[3]);
  writeColor(r, "ClockFontColor", s.ClockFontColor);
  r.WriteString("ClockFontName", s.ClockFontName);
  r.WriteInteger("ClockFontSize", s.ClockFontSize);
  r.WriteBinaryData("ClockFontStyle", &s.ClockFontStyle, 1);
  writeColor(r, "BackColor", s.BackColor);
  r.WriteInteger("ClockHeight", s.ClockHeight);
  r.WriteInteger("ClockLeft", s.ClockLeft);
  r.WriteInteger("ClockTop", s.ClockTop);
  r.WriteInteger("ClockWidth", s.ClockWidth);
  r.WriteInteger("ClockTransparent", s.ClockTransparent);
  r.WriteBool("AutooffTransparent", s.AutooffTransparent);
  r.WriteInteger("MouseHoldInvisible", s.MouseHoldInvisible);
  r.WriteInteger("MouseHoldInvisibleRestore", s.MouseHoldInvisibleRestore);
  writeClipHistory(r, s.ClipHistory);
  r.WriteBool("HistoryHint", s.HistoryHint);
  r.WriteBool("HotKey", s.HotKey);
  r.WriteBool("ForceIfHung", s.ForceIfHung);
}

}  // namespace tockle
