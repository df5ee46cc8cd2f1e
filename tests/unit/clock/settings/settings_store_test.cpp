#include "clock/settings/settings_store.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "base/text.h"
#include "support/settings_keys.h"
#include "support/test_key.h"

namespace {

using tockle::ReadClockSettings;
using tockle::TClockSettings;
using tockle::WriteClockSettings;

using Dump = test::KeyDump;
Dump dump(HKEY key) { return test::dumpKey(key); }

// Settings that differ from the defaults in every value: each field of the table changed, some to
// values at the edges of their type.
TClockSettings changed() {
  TClockSettings s;
  test::changeEvery(tockle::clockSettingFields(s));
  s.DisplayType = "gge年m月d日 #i #b"_sj;
  s.AnalogColor[3] = ui::systemColor(COLOR_WINDOW);
  s.ClipHistory = {1, 2, 3, 4, 50, 60, 1, 1};
  s.ClockLeft = -10;
  return s;
}

class SettingsStore : public testing::Test {
 protected:
  test::TestKey key{"Store"};
  test::SettingsKeys<TClockSettings> keys{"StoreRead", ReadClockSettings, WriteClockSettings};
  shared::TKzRegEx reg;
  void SetUp() override { ASSERT_TRUE(reg.OpenKey(key.path(), true)); }
};

TEST_F(SettingsStore, AnEmptyKeyGivesEveryDefault) { EXPECT_EQ(keys.readBack({}), keys.written(TClockSettings{})); }

TEST_F(SettingsStore, WritesEveryValueWithItsType) {
  WriteClockSettings(reg, TClockSettings{});
  Dump d = dump(reg.CurrentKey());
  const std::map<std::string, DWORD> types = {{"DrawIcon", REG_DWORD},
                                              {"DrawIconSize", REG_DWORD},
                                              {"DiableAccessKey", REG_DWORD},
                                              {"AlwaysOnTop", REG_DWORD},
                                              {"InTray", REG_DWORD},
                                              {"FixClock", REG_DWORD},
                                              {"TimeRemain", REG_DWORD},
                                              {"MouseOperation0", REG_DWORD},
                                              {"MouseOperation1", REG_DWORD},
                                              {"MouseOperation2", REG_DWORD},
                                              {"ClockType", REG_BINARY},
                                              {"DialUp", REG_DWORD},
                                              {"ShowLikeFrame", REG_DWORD},
                                              {"SystemIcon", REG_DWORD},
                                              {"AutoResize", REG_DWORD},
                                              {"AutoHeight", REG_DWORD},
                                              {"AutoWidth", REG_DWORD},
                                              {"FrameWidth", REG_DWORD},
                                              {"HandWidth", REG_DWORD},
                                              {"DisplayType", REG_SZ},
                                              {"NTPServer", REG_SZ},
                                              {"AnalogColor0", REG_DWORD},
                                              {"AnalogColor1", REG_DWORD},
                                              {"AnalogColor2", REG_DWORD},
                                              {"AnalogColor3", REG_DWORD},
                                              {"ClockFontColor", REG_DWORD},
                                              {"ClockFontName", REG_SZ},
                                              {"ClockFontSize", REG_DWORD},
                                              {"ClockFontStyle", REG_BINARY},
                                              {"BackColor", REG_DWORD},
                                              {"ClockHeight", REG_DWORD},
                                              {"ClockLeft", REG_DWORD},
                                              {"ClockTop", REG_DWORD},
                                              {"ClockWidth", REG_DWORD},
                                              {"TimeOut", REG_DWORD},
                                              {"IgnoreErrorRange", REG_DWORD},
                                              {"ClockTransparent", REG_DWORD},
                                              {"AutooffTransparent", REG_DWORD},
                                              {"MouseHoldInvisible", REG_DWORD},
                                              {"MouseHoldInvisibleRestore", REG_DWORD},
                                              {"ClipHistory", REG_BINARY},
                                              {"HistoryHint", REG_DWORD},
                                              {"HotKey", REG_DWORD},
                                              {"ForceIfHung", REG_DWORD}};
  ASSERT_EQ(d.size(), types.size());
  for (const auto& [name, type] : types) {
    ASSERT_EQ(d.count(name), 1u) << name;
    EXPECT_EQ(d[name].first, type) << name;
  }
  EXPECT_EQ(d["ClockType"].second, std::vector<BYTE>{1});
  EXPECT_EQ(d["ClipHistory"].second.size(), 28u);
  EXPECT_EQ(d["BackColor"].second, (std::vector<BYTE>{0x0F, 0, 0, 0xFF}));
  EXPECT_EQ(d.count("NoPoweroff"), 0u);
}

TEST_F(SettingsStore, StoredValuesReadBackAsStored) {
  const TClockSettings s = changed();
  const Dump values = keys.written(s);
  const Dump defaults = keys.written(TClockSettings{});
  for (const auto& [name, value] : values) EXPECT_NE(value, defaults.at(name)) << name;
  WriteClockSettings(reg, s);
  TClockSettings s2;
  ReadClockSettings(reg, s2);
  EXPECT_EQ(s2.DisplayType, s.DisplayType);
  EXPECT_EQ(s2.ClockFontName, s.ClockFontName);
  EXPECT_EQ(s2.AnalogColor[3], ui::systemColor(COLOR_WINDOW));
  EXPECT_EQ(s2.ClipHistory.DayLimit, 60);
  EXPECT_EQ(s2.ClipHistory.ClearWhenExit, 1);
  EXPECT_EQ(s2.ClockLeft, -10);
  EXPECT_EQ(keys.readBack(values), values);
}

TEST_F(SettingsStore, AValueOfTheWrongTypeOrMissingSpoilsOnlyItself) { keys.expectEachValueFallsBackAlone(changed()); }

// An icon size the launcher page does not offer reads as a bad value does: the default.
TEST_F(SettingsStore, IconSizesOutsideThePageReadAsTheDefault) {
  const std::pair<int, int> cases[] = {{0, 0}, {24, 24}, {50, 50}, {51, 16}, {-1, 16}, {3000, 16}, {40000, 16}};
  for (auto [stored, read] : cases) {
    reg.WriteInteger("DrawIconSize", stored);
    TClockSettings s;
    ReadClockSettings(reg, s);
    EXPECT_EQ(s.DrawIconSize, read) << stored;
  }
}

TEST_F(SettingsStore, OneByteValuesOfAnotherSizeKeepTheirDefault) {
  const BYTE two[2] = {2, 2};
  reg.WriteBinaryData("ClockType", two, 2);
  reg.WriteBinaryData("ClockFontStyle", two, 0);
  TClockSettings s;
  ReadClockSettings(reg, s);
  EXPECT_EQ(s.ClockType, 1);
  EXPECT_EQ(s.ClockFontStyle, 0);
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
  ReadClockSettings(reg, s);
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
    ReadClockSettings(reg, t);
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
  ReadClockSettings(reg, s);
  EXPECT_TRUE(s.NoPoweroff);
  reg.DeleteValue("NoPoweroff");
  WriteClockSettings(reg, s);
  EXPECT_FALSE(reg.ValueExists("NoPoweroff"));
}

}  // namespace
