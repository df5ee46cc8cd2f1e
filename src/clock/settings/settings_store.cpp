#include "clock/settings/settings_store.h"

namespace tockle {

namespace {

int32_t int32At(const uint8_t* p) {
  uint32_t v = static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
               static_cast<uint32_t>(p[3]) << 24;
  return static_cast<int32_t>(v);
}

void putInt32(uint8_t* p, int32_t value) {
  uint32_t v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

}  // namespace

ClockSettingTable clockSettingFields(TClockSettings& s) {
  return {
      {"DrawIcon", &s.DrawIcon},
      {"DrawIconSize", &s.DrawIconSize},
      {"DiableAccessKey", &s.DiableAccessKey},
      {"AlwaysOnTop", &s.AlwaysOnTop},
      {"InTray", &s.InTray},
      {"FixClock", &s.FixClock},
      {"SystemIcon", &s.SystemIcon},
      {"TimeRemain", &s.TimeRemain},
      {"MouseOperation0", &s.MouseOperation0},
      {"MouseOperation1", &s.MouseOperation1},
      {"MouseOperation2", &s.MouseOperation2},
      {"ClockType", &s.ClockType},
      {"DialUp", &s.DialUp},
      {"AutoResize", &s.AutoResize},
      {"ShowLikeFrame", &s.ShowLikeFrame},
      {"HandWidth", &s.HandWidth},
      {"AutoHeight", &s.AutoHeight},
      {"AutoWidth", &s.AutoWidth},
      {"FrameWidth", &s.FrameWidth},
      {"DisplayType", &s.DisplayType},
      {"NTPServer", &s.NTPServer},
      {"TimeOut", &s.TimeOut},
      {"IgnoreErrorRange", &s.IgnoreErrorRange},
      {"AnalogColor0", &s.AnalogColor[0]},
      {"AnalogColor1", &s.AnalogColor[1]},
      {"AnalogColor2", &s.AnalogColor[2]},
      {"AnalogColor3", &s.AnalogColor[3]},
      {"ClockFontColor", &s.ClockFontColor},
      {"ClockFontName", &s.ClockFontName},
      {"ClockFontSize", &s.ClockFontSize},
      {"ClockFontStyle", &s.ClockFontStyle},
      {"BackColor", &s.BackColor},
      {"ClockHeight", &s.ClockHeight},
      {"ClockLeft", &s.ClockLeft},
      {"ClockTop", &s.ClockTop},
      {"ClockWidth", &s.ClockWidth},
      {"ClockTransparent", &s.ClockTransparent},
      {"AutooffTransparent", &s.AutooffTransparent},
      {"MouseHoldInvisible", &s.MouseHoldInvisible},
      {"MouseHoldInvisibleRestore", &s.MouseHoldInvisibleRestore},
      {"ClipHistory", &s.ClipHistory},
      {"HistoryHint", &s.HistoryHint},
      {"HotKey", &s.HotKey},
      {"ForceIfHung", &s.ForceIfHung},
  };
}

void ReadClockSettings(shared::TKzRegEx& r, TClockSettings& s) {
  const int iconSize = s.DrawIconSize;
  shared::readSettings(r, clockSettingFields(s));
  // A size the launcher page does not offer reads as a value of another type does.
  if (s.DrawIconSize < 0 || s.DrawIconSize > kMaxDrawIconSize) s.DrawIconSize = iconSize;
  // Kept from older versions, which stored it; this one only reads it.
  shared::readSetting(r, "NoPoweroff", s.NoPoweroff);
}

void WriteClockSettings(shared::TRegistry& r, const TClockSettings& s) {
  TClockSettings stored = s;  // the table binds fields it could change; writing only reads them
  shared::writeSettings(r, clockSettingFields(stored));
}

void readSetting(shared::TKzRegEx& r, std::string_view name, TClipHistory& h) {
  uint8_t buf[kClipHistorySize] = {};
  if (shared::readBinarySetting(r, name, buf, kClipHistorySize) != kClipHistorySize) {
    h = TClipHistory{};
    return;
  }
  h.LetterFrom = int32At(buf);
  h.LetterTo = int32At(buf + 4);
  h.LineFrom = int32At(buf + 8);
  h.LineTo = int32At(buf + 12);
  h.MaxCount = int32At(buf + 16);
  h.DayLimit = int32At(buf + 20);
  h.UnuseHis = buf[24];
  h.ClearWhenExit = buf[25];
}

void writeSetting(shared::TRegistry& r, std::string_view name, const TClipHistory& h) {
  uint8_t buf[kClipHistorySize] = {};
  putInt32(buf, h.LetterFrom);
  putInt32(buf + 4, h.LetterTo);
  putInt32(buf + 8, h.LineFrom);
  putInt32(buf + 12, h.LineTo);
  putInt32(buf + 16, h.MaxCount);
  putInt32(buf + 20, h.DayLimit);
  buf[24] = h.UnuseHis;
  buf[25] = h.ClearWhenExit;
  r.WriteBinaryData(name, buf, kClipHistorySize);
}

}  // namespace tockle
