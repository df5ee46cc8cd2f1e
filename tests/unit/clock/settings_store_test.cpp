#include "clock/settings_store.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "base/text.h"
#include "support/test_key.h"

namespace {

using tockle::ReadClockSettings;
using tockle::TClockSettings;
using tockle::TComponentSettings;
using tockle::WriteClockSettings;

// Every value of a key: name -> type and bytes.
using Dump = std::map<std::wstring, std::pair<DWORD, std::vector<BYTE>>>;

Dump dump(HKEY key) {
  Dump d;
  for (DWORD i = 0;; ++i) {
    wchar_t name[256];
    DWORD nameLen = 256, type = 0, size = 4096;
    std::vector<BYTE> data(size);
    if (RegEnumValueW(key, i, name, &nameLen, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) break;
    data.resize(size);
    d[name] = {type, data};
  }
  return d;
}

// Settings that differ from the defaults in every value.
void changeAll(TClockSettings& s, TComponentSettings& c) {
  s.DrawIcon = false;
  s.DrawIconSize = 32;
  s.DiableAccessKey = true;
  s.AlwaysOnTop = false;
  s.InTray = false;
  s.FixClock = true;
  s.TimeRemain = -1;
  s.MouseOperation0 = 8;
  s.MouseOperation1 = 22;
  s.MouseOperation2 = 5;
  s.DialUp = true;
  s.ShowLikeFrame = true;
  s.SystemIcon = false;
  s.AutoResize = false;
  s.AutoHeight = 3;
  s.AutoWidth = 4;
  s.FrameWidth = 0;
  s.DisplayType = "gge年m月d日 #i #b"_sj;
  s.NTPServer = "127.0.0.1";
  s.AnalogColor[0] = 1;
  s.AnalogColor[1] = 2;
  s.AnalogColor[2] = 3;
  s.AnalogColor[3] = ui::systemColor(COLOR_WINDOW);
  s.TimeOut = 1000;
  s.IgnoreErrorRange = 10;
  s.ClockTransparent = 50;
  s.AutooffTransparent = true;
  s.MouseHoldInvisible = 700;
  s.MouseHoldInvisibleRestore = 3000;
  s.ClipHistory = {1, 2, 3, 4, 50, 60, 1, 1};
  s.HistoryHint = false;
  s.HotKey = false;
  s.ForceIfHung = true;
  c.ClockType = 3;
  c.HandWidth = 0;
  c.ClockFontColor = 0x123456;
  c.ClockFontName = "ＭＳ ゴシック"_sj;
  c.ClockFontSize = 14;
  c.ClockFontStyle = 5;
  c.BackColor = 0xABCDEF;
  c.ClockHeight = 40;
  c.ClockLeft = -10;
  c.ClockTop = 20;
  c.ClockWidth = 120;
}

class SettingsStore : public testing::Test {
 protected:
  test::TestKey key{"Store"};
  test::TestKey other{"Store2"};
  shared::TKzRegEx reg;
  void SetUp() override { ASSERT_TRUE(reg.OpenKey(key.path(), true)); }

  // What a read of the key gives, written to another key and dumped.
  Dump readBack() {
    TClockSettings s;
    TComponentSettings c;
    ReadClockSettings(reg, s, c);
    shared::TRegistry out;
    out.OpenKey(other.path(), true);
    for (const auto& [name, value] : dump(out.CurrentKey())) out.DeleteValue(base::cp932(name));
    WriteClockSettings(out, s, c);
    return dump(out.CurrentKey());
  }
  Dump written(const TClockSettings& s, const TComponentSettings& c) {
    shared::TRegistry out;
    out.OpenKey(other.path(), true);
    for (const auto& [name, value] : dump(out.CurrentKey())) out.DeleteValue(base::cp932(name));
    WriteClockSettings(out, s, c);
    return dump(out.CurrentKey());
  }
};

TEST_F(SettingsStore, AnEmptyKeyGivesEveryDefault) {
  EXPECT_EQ(readBack(), written(TClockSettings{}, TComponentSettings{}));
}

TEST_F(SettingsStore, WritesEveryValueWithItsType) {
  WriteClockSettings(reg, TClockSettings{}, TComponentSettings{});
  Dump d = dump(reg.CurrentKey());
  const std::map<std::wstring, DWORD> types = {{L"DrawIcon", REG_DWORD},
                                               {L"DrawIconSize", REG_DWORD},
                                               {L"DiableAccessKey", REG_DWORD},
                                               {L"AlwaysOnTop", REG_DWORD},
                                               {L"InTray", REG_DWORD},
                                               {L"FixClock", REG_DWORD},
                                               {L"TimeRemain", REG_DWORD},
                                               {L"MouseOperation0", REG_DWORD},
                                               {L"MouseOperation1", REG_DWORD},
                                               {L"MouseOperation2", REG_DWORD},
                                               {L"ClockType", REG_BINARY},
                                               {L"DialUp", REG_DWORD},
                                               {L"ShowLikeFrame", REG_DWORD},
                                               {L"SystemIcon", REG_DWORD},
                                               {L"AutoResize", REG_DWORD},
                                               {L"AutoHeight", REG_DWORD},
                                               {L"AutoWidth", REG_DWORD},
                                               {L"FrameWidth", REG_DWORD},
                                               {L"HandWidth", REG_DWORD},
                                               {L"DisplayType", REG_SZ},
                                               {L"NTPServer", REG_SZ},
                                               {L"AnalogColor0", REG_DWORD},
                                               {L"AnalogColor1", REG_DWORD},
                                               {L"AnalogColor2", REG_DWORD},
                                               {L"AnalogColor3", REG_DWORD},
                                               {L"ClockFontColor", REG_DWORD},
                                               {L"ClockFontName", REG_SZ},
                                               {L"ClockFontSize", REG_DWORD},
                                               {L"ClockFontStyle", REG_BINARY},
                                               {L"BackColor", REG_DWORD},
                                               {L"ClockHeight", REG_DWORD},
                                               {L"ClockLeft", REG_DWORD},
                                               {L"ClockTop", REG_DWORD},
                                               {L"ClockWidth", REG_DWORD},
                                               {L"TimeOut", REG_DWORD},
                                               {L"IgnoreErrorRange", REG_DWORD},
                                               {L"ClockTransparent", REG_DWORD},
                                               {L"AutooffTransparent", REG_DWORD},
                                               {L"MouseHoldInvisible", REG_DWORD},
                                               {L"MouseHoldInvisibleRestore", REG_DWORD},
                                               {L"ClipHistory", REG_BINARY},
                                               {L"HistoryHint", REG_DWORD},
                                               {L"HotKey", REG_DWORD},
                                               {L"ForceIfHung", REG_DWORD}};
  ASSERT_EQ(d.size(), types.size());
  for (const auto& [name, type] : types) {
    ASSERT_EQ(d.count(name), 1u) << base::toUtf8(base::cp932(name));
    EXPECT_EQ(d[name].first, type) << base::toUtf8(base::cp932(name));
  }
  EXPECT_EQ(d[L"ClockType"].second, std::vector<BYTE>{1});
  EXPECT_EQ(d[L"ClipHistory"].second.size(), 28u);
  EXPECT_EQ(d[L"BackColor"].second, (std::vector<BYTE>{0x0F, 0, 0, 0xFF}));
  EXPECT_EQ(d.count(L"NoPoweroff"), 0u);
}

TEST_F(SettingsStore, StoredValuesReadBackAsStored) {
  TClockSettings s;
  TComponentSettings c;
  changeAll(s, c);
  WriteClockSettings(reg, s, c);
  TClockSettings s2;
  TComponentSettings c2;
  ReadClockSettings(reg, s2, c2);
  EXPECT_EQ(s2.DisplayType, s.DisplayType);
  EXPECT_EQ(c2.ClockFontName, c.ClockFontName);
  EXPECT_EQ(s2.AnalogColor[3], ui::systemColor(COLOR_WINDOW));
  EXPECT_EQ(s2.ClipHistory.DayLimit, 60);
  EXPECT_EQ(s2.ClipHistory.ClearWhenExit, 1);
  EXPECT_EQ(c2.ClockLeft, -10);
  EXPECT_EQ(readBack(), written(s, c));
}

TEST_F(SettingsStore, AValueOfTheWrongTypeSpoilsOnlyItself) {
  TClockSettings s;
  TComponentSettings c;
  changeAll(s, c);
  const Dump changed = written(s, c);
  const Dump defaults = written(TClockSettings{}, TComponentSettings{});
  for (const auto& [name, value] : changed) {
    SCOPED_TRACE(base::toUtf8(base::cp932(name)));
    WriteClockSettings(reg, s, c);
    // A string where a number or a byte block belongs, a number where a string belongs.
    if (value.first == REG_SZ)
      reg.WriteInteger(base::cp932(name), 7);
    else
      reg.WriteString(base::cp932(name), "7");
    Dump expected = changed;
    expected[name] = defaults.at(name);
    EXPECT_EQ(readBack(), expected);
  }
}

TEST_F(SettingsStore, OneByteValuesOfAnotherSizeKeepTheirDefault) {
  const BYTE two[2] = {2, 2};
  reg.WriteBinaryData("ClockType", two, 2);
  reg.WriteBinaryData("ClockFontStyle", two, 0);
  TClockSettings s;
  TComponentSettings c;
  ReadClockSettings(reg, s, c);
  EXPECT_EQ(c.ClockType, 1);
  EXPECT_EQ(c.ClockFontStyle, 0);
}

TEST_F(SettingsStore, TheClipboardRecordIsLittleEndianAndWholeOrDefault) {
  BYTE rec[28] = {};
  rec[0] = 0x01, rec[1] = 0x02;                                // LetterFrom 0x0201
  rec[4] = 0xFF, rec[5] = 0xFF, rec[6] = 0xFF, rec[7] = 0xFF;  // LetterTo -1
  rec[16] = 99;                                                // MaxCount
  rec[20] = 7;                                                 // DayLimit
  rec[24] = 1;                                                 // UnuseHis
  rec[26] = 0xAA, rec[27] = 0xBB;                              // padding
  reg.WriteBinaryData("ClipHistory", rec, 28);
  TClockSettings s;
  s.ClipHistory.LineTo = 5;
  TComponentSettings c;
  ReadClockSettings(reg, s, c);
  EXPECT_EQ(s.ClipHistory.LetterFrom, 0x0201);
  EXPECT_EQ(s.ClipHistory.LetterTo, -1);
  EXPECT_EQ(s.ClipHistory.LineTo, 0);
  EXPECT_EQ(s.ClipHistory.MaxCount, 99);
  EXPECT_EQ(s.ClipHistory.DayLimit, 7);
  EXPECT_EQ(s.ClipHistory.UnuseHis, 1);
  EXPECT_EQ(s.ClipHistory.ClearWhenExit, 0);

  for (int size : {0, 27, 29}) {
    SCOPED_TRACE(size);
    BYTE other[29];
    std::fill(std::begin(other), std::end(other), BYTE{3});
    reg.WriteBinaryData("ClipHistory", other, size);
    TClockSettings t;
    t.ClipHistory = {9, 9, 9, 9, 9, 9, 1, 1};
    ReadClockSettings(reg, t, c);
    EXPECT_EQ(t.ClipHistory.MaxCount, 30);
    EXPECT_EQ(t.ClipHistory.DayLimit, 15);
    EXPECT_EQ(t.ClipHistory.LetterFrom, 0);
    EXPECT_EQ(t.ClipHistory.UnuseHis, 0);
    EXPECT_EQ(t.ClipHistory.ClearWhenExit, 0);
  }
}

TEST_F(SettingsStore, NoPoweroffIsReadButNeverWritten) {
  reg.WriteBool("NoPoweroff", true);
  TClockSettings s;
  TComponentSettings c;
  ReadClockSettings(reg, s, c);
  EXPECT_TRUE(s.NoPoweroff);
  reg.DeleteValue("NoPoweroff");
  WriteClockSettings(reg, s, c);
  EXPECT_FALSE(reg.ValueExists("NoPoweroff"));
}

}  // namespace
