// Alarm items: the due test, the half-day span rule and their sections of a real alarm file.
#include "clock/alarm/alarm_item.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <thread>

#include "base/files.h"
#include "base/handles.h"
#include "base/text.h"
#include "clock/alarm/alarm_file.h"
#include "support/temp_folder.h"
#include "unit/clock/alarm/alarm_test_util.h"

namespace {

using alarm_test::at;
using alarm_test::tod;
using tockle::TKzAlarmTockle;

// An enabled item on every weekday that last rang long ago.
TKzAlarmTockle windowItem(base::DateTime start, base::DateTime end) {
  TKzAlarmTockle item;
  item.Enabled = true;
  item.WeekDay.fill(true);
  item.StartTime = start;
  item.EndTime = end;
  item.Previous = at(2026, 1, 1);
  return item;
}

// 2026-12-09 is a Wednesday, 2026-12-10 a Thursday.
TEST(AlarmRingTime, WindowAcrossMidnightIsDueOnBothSides) {
  TKzAlarmTockle item = windowItem(tod(23, 50), tod(0, 10));
  EXPECT_TRUE(item.IsRingTime(at(2026, 12, 9, 23, 55)));
  EXPECT_TRUE(item.IsRingTime(at(2026, 12, 10, 0, 5)));
  EXPECT_TRUE(item.IsRingTime(at(2026, 12, 9, 23, 50)));   // start inclusive
  EXPECT_FALSE(item.IsRingTime(at(2026, 12, 10, 0, 10)));  // end exclusive
  EXPECT_FALSE(item.IsRingTime(at(2026, 12, 9, 12, 0)));
  // At 00:05 the weekday is the new day's: Thursday off, Wednesday on.
  item.WeekDay[4] = false;
  EXPECT_TRUE(item.IsRingTime(at(2026, 12, 9, 23, 55)));
  EXPECT_FALSE(item.IsRingTime(at(2026, 12, 10, 0, 5)));
}

TEST(AlarmRingTime, StartEqualToEndIsNeverDue) {
  TKzAlarmTockle item = windowItem(tod(9, 0), tod(9, 0));
  for (int m = 0; m < 24 * 60; m += 7) EXPECT_FALSE(item.IsRingTime(at(2026, 12, 9) + tod(0, m))) << m;
}

TEST(AlarmRingTime, DisabledOrWrongWeekdayIsNotDue) {
  TKzAlarmTockle item = windowItem(tod(9, 0), tod(9, 7));
  EXPECT_TRUE(item.IsRingTime(at(2026, 12, 9, 9, 3)));
  item.WeekDay[3] = false;  // Wednesday
  EXPECT_FALSE(item.IsRingTime(at(2026, 12, 9, 9, 3)));
  item.WeekDay[3] = true;
  item.Enabled = false;
  EXPECT_FALSE(item.IsRingTime(at(2026, 12, 9, 9, 3)));
}

TEST(AlarmRingTime, RingsAtMostOncePerHalfDay) {
  TKzAlarmTockle item = windowItem(tod(8, 0), tod(19, 59));
  item.Previous = at(2026, 12, 9, 9, 0);
  EXPECT_FALSE(item.IsRingTime(at(2026, 12, 9, 9, 1)));
  EXPECT_FALSE(item.IsRingTime(at(2026, 12, 9, 19, 58)));
  // Rung yesterday at 20:00: due again from 08:00.
  item.Previous = at(2026, 12, 8, 20, 0);
  EXPECT_FALSE(item.IsRingTime(at(2026, 12, 9, 7, 59, 59)));
  EXPECT_TRUE(item.IsRingTime(at(2026, 12, 9, 8, 0)));
}

TEST(AlarmRingTime, EveryHourRingsAtTheStartMinuteOnItsWeekdaysWithItsGap) {
  TKzAlarmTockle item = windowItem(tod(9, 15), tod(9, 15));  // the window does not count
  item.RingEveryHour = true;
  EXPECT_TRUE(item.IsRingTime(at(2026, 12, 9, 14, 15, 30)));
  EXPECT_FALSE(item.IsRingTime(at(2026, 12, 9, 14, 16)));
  item.Previous = at(2026, 12, 9, 14, 15, 0);
  // 57 min 36 s must pass: 15:15 is after the gap, 14:15:59 not.
  EXPECT_FALSE(item.IsRingTime(at(2026, 12, 9, 14, 15, 59)));
  EXPECT_TRUE(item.IsRingTime(at(2026, 12, 9, 15, 15)));
  item.Previous = at(2026, 12, 9, 14, 17, 30);
  EXPECT_FALSE(item.IsRingTime(at(2026, 12, 9, 15, 15, 5)));  // 57 min 35 s later
  EXPECT_TRUE(item.IsRingTime(at(2026, 12, 9, 15, 15, 6)));   // 57 min 36 s later
  // Only on its ticked days: with Wednesday off, not before Thursday's first hour.
  item.WeekDay[3] = false;
  EXPECT_FALSE(item.IsRingTime(at(2026, 12, 9, 23, 15)));
  EXPECT_TRUE(item.IsRingTime(at(2026, 12, 10, 0, 15)));
  item.Enabled = false;
  EXPECT_FALSE(item.IsRingTime(at(2026, 12, 9, 16, 15)));
}

class AlarmFileItem : public testing::Test {
 protected:
  std::string path() const { return folder.file("_alarm3"); }
  TKzAlarmTockle saved(base::DateTime start, base::DateTime end, int index = 0) {
    TKzAlarmTockle item = windowItem(start, end);
    item.FileName = path();
    item.Index = index;
    EXPECT_TRUE(item.SaveData());
    return item;
  }
  TKzAlarmTockle loaded(int index = 0) {
    TKzAlarmTockle item(path());
    item.Index = index;
    EXPECT_TRUE(item.LoadData());
    return item;
  }
  test::TempFolder folder;
  alarm_test::ErrorBoxes boxes;
};

TEST_F(AlarmFileItem, SpanRuleAcceptsHalfADayAndCutsLonger) {
  EXPECT_NEAR(saved(tod(9, 0), tod(20, 59)).EndTime, tod(20, 59), 1e-9);  // 11:59
  EXPECT_NEAR(saved(tod(9, 0), tod(21, 0)).EndTime, tod(21, 0), 1e-9);    // 12:00 passes
  EXPECT_TRUE(boxes.captions.empty());
  TKzAlarmTockle item = saved(tod(9, 0), tod(21, 1));  // 12:01
  ASSERT_EQ(boxes.captions.size(), 1u);
  EXPECT_EQ(boxes.captions[0], "RuntimeInternalError @ TKzBasicAlarmItem.SaveData");
  EXPECT_EQ(base::find(boxes.texts[0], "設定時刻が仕様外のため"_sj), 0u);
  EXPECT_NEAR(item.EndTime, tod(9, 7, 12), 1e-9);
  EXPECT_NEAR(loaded().EndTime, tod(9, 7, 12), 1e-9);
  EXPECT_EQ(boxes.captions.size(), 1u);
  // Past midnight alike.
  EXPECT_NEAR(saved(tod(22, 0), tod(9, 59)).EndTime, tod(9, 59), 1e-9);
  EXPECT_EQ(boxes.captions.size(), 1u);
  EXPECT_NEAR(saved(tod(22, 0), tod(10, 1)).EndTime, tod(22, 7, 12), 1e-9);
  EXPECT_EQ(boxes.captions.size(), 2u);
  // A window 23:58 - 12:00 is cut to 00:05:12, past midnight.
  EXPECT_NEAR(saved(tod(23, 58), tod(12, 0)).EndTime, tod(0, 5, 12), 1e-9);
}

TEST_F(AlarmFileItem, SpanRuleAlsoRunsWhenAHandEditedFileIsLoaded) {
  tockle::AlarmFile f(path());
  f.write("0", "StartTime", "6:00:00");
  f.write("0", "EndTime", "18:30:00");
  TKzAlarmTockle item = loaded();
  ASSERT_EQ(boxes.captions.size(), 1u);
  EXPECT_NEAR(item.EndTime, tod(6, 7, 12), 1e-9);
}

TEST_F(AlarmFileItem, FreshSectionHasTheKeysInOrder) {
  TKzAlarmTockle item = windowItem(tod(9, 0), tod(9, 7));
  item.FileName = path();
  item.Index = 0;
  item.MessageString = "起きる時間です"_sj;
  item.RingSound = true;
  item.WeekDay[0] = false;
  item.Previous = at(2026, 12, 9, 9, 0, 5);
  ASSERT_TRUE(item.SaveData());
  std::vector<std::string> expected = {"RingSound",   "ShowMessage",   "LoopSound", "MessageString", "SoundPath",
                                       "ExecuteApps", "RingEveryHour", "ReCall",    "Enabled",       "StartTime",
                                       "EndTime",     "Previous",      "WeekDay1",  "WeekDay2",      "WeekDay3",
                                       "WeekDay4",    "WeekDay5",      "WeekDay6",  "WeekDay7"};
  EXPECT_EQ(alarm_test::keysOf(path(), "0"), expected);
  auto l = alarm_test::lines(path());
  ASSERT_FALSE(l.empty());
  EXPECT_EQ(l[0], "[0]");
  // Booleans as 1 and 0, times as the locale's texts, the message in CP932 bytes.
  EXPECT_NE(std::find(l.begin(), l.end(), "RingSound=1"), l.end());
  EXPECT_NE(std::find(l.begin(), l.end(), "WeekDay1=0"), l.end());
  EXPECT_NE(std::find(l.begin(), l.end(), "WeekDay2=1"), l.end());
  EXPECT_NE(std::find(l.begin(), l.end(), "StartTime=" + base::timeToStr(tod(9, 0))), l.end());
  EXPECT_NE(std::find(l.begin(), l.end(), "Previous=" + base::dateTimeToStr(at(2026, 12, 9, 9, 0, 5))), l.end());
  EXPECT_NE(std::find(l.begin(), l.end(), "MessageString=" + "起きる時間です"_sj), l.end());

  TKzAlarmTockle back = loaded();
  EXPECT_TRUE(back.Enabled);
  EXPECT_TRUE(back.RingSound);
  EXPECT_FALSE(back.ShowMessage);
  EXPECT_EQ(back.MessageString, "起きる時間です"_sj);
  EXPECT_NEAR(back.StartTime, tod(9, 0), 1e-9);
  EXPECT_NEAR(back.EndTime, tod(9, 7), 1e-9);
  EXPECT_NEAR(back.Previous, at(2026, 12, 9, 9, 0, 5), 1e-7);
  EXPECT_FALSE(back.WeekDay[0]);
  EXPECT_TRUE(back.WeekDay[6]);
}

TEST_F(AlarmFileItem, BooleanFormsAndMissingKeysGiveTheDefaults) {
  tockle::AlarmFile f(path());
  f.write("3", "RingSound", "2");
  f.write("3", "ShowMessage", "yes");
  f.write("3", "LoopSound", "0x10");
  f.write("3", "ReCall", "0");
  f.write("3", "WeekDay1", "yes");  // default True stays
  f.write("3", "WeekDay2", "0");
  f.write("3", "WeekDay3", "-1");
  TKzAlarmTockle item = loaded(3);
  EXPECT_TRUE(item.RingSound);
  EXPECT_FALSE(item.ShowMessage);
  EXPECT_TRUE(item.LoopSound);
  EXPECT_FALSE(item.ReCall);
  EXPECT_TRUE(item.WeekDay[0]);
  EXPECT_FALSE(item.WeekDay[1]);
  EXPECT_TRUE(item.WeekDay[2]);
  EXPECT_TRUE(item.WeekDay[3]);
  EXPECT_FALSE(item.Enabled);
}

TEST_F(AlarmFileItem, MissingSectionGivesTheDefaultsAndMissingFileFails) {
  TKzAlarmTockle none(path());
  none.Index = 0;
  none.MessageString = "kept";
  EXPECT_FALSE(none.LoadData());  // no file: nothing changes
  EXPECT_EQ(none.MessageString, "kept");

  tockle::AlarmFile(path()).write("Initial", "Count", "0");
  base::DateTime before = base::now();
  TKzAlarmTockle item = loaded(5);
  base::DateTime after = base::now();
  EXPECT_FALSE(item.Enabled);
  EXPECT_FALSE(item.RingSound || item.ShowMessage || item.LoopSound || item.RingEveryHour || item.ReCall);
  EXPECT_TRUE(item.MessageString.empty() && item.SoundPath.empty() && item.ExecuteApps.empty());
  for (bool d : item.WeekDay) EXPECT_TRUE(d);
  double nowTod = before - std::floor(before);
  if (std::floor(before) == std::floor(after)) {
    EXPECT_GE(item.StartTime, nowTod - 1e-6);
    EXPECT_NEAR(item.EndTime - item.StartTime, 0.005, 2e-5);
  }
  EXPECT_NEAR(item.Previous, before - 1, 2e-5);
  EXPECT_TRUE(boxes.captions.empty());
}

TEST_F(AlarmFileItem, LongMessageIsCutTo2047BytesOnADoubleByteBoundary) {
  std::string message = "x" + std::string();
  for (int i = 0; i < 1100; ++i) message += "あ"_sj;  // 2,201 bytes
  tockle::AlarmFile(path()).write("0", "MessageString", message);
  TKzAlarmTockle item = loaded();
  EXPECT_EQ(item.MessageString.size(), 2047u);  // "x" + 1,023 characters
  EXPECT_EQ(item.MessageString, base::cut(message, 2047));
}

TEST_F(AlarmFileItem, LineBreaksInTextsBecomeBlanksAndAddNoKeys) {
  TKzAlarmTockle item = windowItem(tod(9, 0), tod(9, 7));
  item.FileName = path();
  item.MessageString = "one\r\ntwo\rthree\nEnabled=1\r\n[1]\r\nfour";
  item.ExecuteApps = "a.exe\r\nb.exe";
  ASSERT_TRUE(item.SaveData());
  EXPECT_EQ(item.MessageString, "one two three Enabled=1 [1] four");
  EXPECT_EQ(alarm_test::keysOf(path(), "0").size(), 19u);
  EXPECT_TRUE(alarm_test::keysOf(path(), "1").empty());
  EXPECT_EQ(loaded().MessageString, "one two three Enabled=1 [1] four");
  EXPECT_EQ(loaded().ExecuteApps, "a.exe b.exe");
}

TEST_F(AlarmFileItem, TextsComeBackExactlyWithBlanksAndQuotesAtTheirEnds) {
  const struct {
    std::string value, stored;  // what the line holds after "="
  } cases[] = {
      {"  \"quoted\"  ", "\"  \"quoted\"  \""},
      {"\"quoted\"", "\"\"quoted\"\""},
      {"'single'", "\"'single'\""},
      {" 前に空白"_sj, "\" 前に空白\""_sj},
      {"C:\\a b\\bell.wav ", "\"C:\\a b\\bell.wav \""},
      {"\"a.exe\" /x;b.exe", "\"a.exe\" /x;b.exe"},  // one quote at the start only: as it is
      {"\"", "\""},
      {"   ", "\"   \""},
      {"plain text", "plain text"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    TKzAlarmTockle item = windowItem(tod(9, 0), tod(9, 7));
    item.FileName = path();
    item.MessageString = item.SoundPath = item.ExecuteApps = c.value;
    ASSERT_TRUE(item.SaveData());
    auto l = alarm_test::lines(path());
    EXPECT_NE(std::find(l.begin(), l.end(), "SoundPath=" + c.stored), l.end());
    TKzAlarmTockle back = loaded();
    EXPECT_EQ(back.MessageString, c.value);
    EXPECT_EQ(back.SoundPath, c.value);
    EXPECT_EQ(back.ExecuteApps, c.value);
    // The system's own profile read gives it back as well.
    EXPECT_EQ(tockle::AlarmFile(path()).read("0", "ExecuteApps"), c.value);
  }
}

TEST_F(AlarmFileItem, UnreadableWindowTimesKeepTheirTextsAndNeverRing) {
  tockle::AlarmFile f(path());
  f.write("0", "Enabled", "1");
  f.write("0", "StartTime", "午前 9時00分"_sj);
  f.write("0", "EndTime", "9:07:00");
  TKzAlarmTockle item = loaded();
  EXPECT_EQ(item.Kept.StartTime, "午前 9時00分"_sj);
  EXPECT_TRUE(item.Kept.EndTime.empty());
  for (int m = 0; m < 24 * 60; m += 5) EXPECT_FALSE(item.IsRingTime(at(2026, 12, 9) + tod(0, m)));
  item.Enabled = false;
  ASSERT_TRUE(item.SaveData());
  auto l = alarm_test::lines(path());
  EXPECT_NE(std::find(l.begin(), l.end(), "StartTime=" + "午前 9時00分"_sj), l.end());
  EXPECT_NE(std::find(l.begin(), l.end(), "Enabled=0"), l.end());
  EXPECT_TRUE(boxes.captions.empty());
  // The plain 24-hour and date forms read back whatever the locale says.
  f.write("1", "StartTime", "21:05:00");
  f.write("1", "Previous", "2026/12/9 21:05:00");
  TKzAlarmTockle plain = loaded(1);
  EXPECT_FALSE(plain.Kept.any());
  EXPECT_NEAR(plain.StartTime, tod(21, 5), 1e-9);
  EXPECT_NEAR(plain.Previous, at(2026, 12, 9, 21, 5), 1e-7);
  // An unreadable last-rung time takes the default: the item rings at its next window.
  f.write("1", "Enabled", "1");
  f.write("1", "Previous", "yesterday");
  base::DateTime before = base::now();
  EXPECT_NEAR(loaded(1).Previous, before - 1, 2e-5);
  EXPECT_TRUE(loaded(1).IsRingTime(std::floor(before) + 1 + tod(21, 6)));
}

// Sets the user's short date format for the lifetime of the object.
class UserShortDate {
 public:
  explicit UserShortDate(const wchar_t* format) {
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, saved_, 80);
    EXPECT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, format));
  }
  ~UserShortDate() { SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, saved_); }

 private:
  wchar_t saved_[80] = {};
};

TEST_F(AlarmFileItem, LastRungTimeReadsBackUnderEveryShortDateFormat) {
  // The locale's form is kept where it reads back; at midnight the time is left out.
  EXPECT_EQ(tockle::TKzBasicAlarmItem::previousText(at(2026, 12, 9)), base::dateToStr(at(2026, 12, 9)));
  for (const wchar_t* format : {L"ggyy/MM/dd", L"gg y'年'M'月'd'日'", L"yy/M/d"}) {
    UserShortDate user(format);
    // An era year, a two-digit year of another century, midnight.
    for (base::DateTime t : {at(2026, 12, 9, 9, 0, 5), at(1999, 3, 4, 23, 59, 59), at(2019, 5, 1)}) {
      TKzAlarmTockle item = windowItem(tod(9, 0), tod(9, 7));
      item.FileName = path();
      item.Previous = t;
      ASSERT_TRUE(item.SaveData());
      EXPECT_NEAR(loaded().Previous, t, 1e-8) << tockle::TKzBasicAlarmItem::previousText(t);
    }
  }
}

TEST_F(AlarmFileItem, AssignCopiesEveryField) {
  TKzAlarmTockle a = windowItem(tod(1, 2, 3), tod(4, 5, 6));
  a.Index = 7;
  a.FileName = "x";
  a.LoopSound = a.RingSound = a.ShowMessage = a.ReCall = a.RingEveryHour = true;
  a.MessageString = "m";
  a.SoundPath = "s";
  a.ExecuteApps = "e";
  a.WeekDay[2] = false;
  TKzAlarmTockle b;
  b.Assign(a);
  EXPECT_EQ(b.Index, 7);
  EXPECT_EQ(b.FileName, "x");
  EXPECT_TRUE(b.LoopSound && b.RingSound && b.ShowMessage && b.ReCall && b.RingEveryHour && b.Enabled);
  EXPECT_EQ(b.MessageString + b.SoundPath + b.ExecuteApps, "mse");
  EXPECT_EQ(b.WeekDay, a.WeekDay);
  EXPECT_EQ(b.StartTime, a.StartTime);
  EXPECT_EQ(b.EndTime, a.EndTime);
  EXPECT_EQ(b.Previous, a.Previous);
}

}  // namespace

namespace {

TEST(AlarmFileWrite, RefusedWriteRaisesAnErrorNamingTheFile) {
  test::TempFolder folder;
  std::string path = folder.file("missing\\_alarm3");
  TKzAlarmTockle item = windowItem(tod(9, 0), tod(9, 7));
  item.FileName = path;
  try {
    item.SaveData();
    FAIL() << "no error";
  } catch (const tockle::EAlarmWriteError& e) {
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
  }
}

// A reader holding the file for a moment (as another program's profile call does) delays the
// replacement; it does not fail it.
TEST(AlarmFileWrite, AReaderHoldingTheFileForAMomentOnlyDelaysTheWrite) {
  test::TempFolder folder;
  tockle::AlarmFile f(folder.file("_alarm3"));
  f.write("Initial", "Count", "0");
  HANDLE reader = CreateFileW(base::wide(f.path()).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  std::thread release([reader] {
    Sleep(100);
    CloseHandle(reader);
  });
  f.write("Initial", "Count", "1");
  release.join();
  EXPECT_EQ(f.read("Initial", "Count"), "1");
}

TEST(AlarmFileWrite, AFileThatCannotBeReadIsNeverReplacedByAnEdit) {
  test::TempFolder folder;
  tockle::AlarmFile f(folder.file("_alarm3"));
  f.write("0", "MessageString", "kept");
  std::string before = base::readFile(f.path()).value();
  {
    base::FileHandle locked(
        CreateFileW(base::wide(f.path()).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(locked);
    EXPECT_THROW(f.write("Initial", "Count", "1"), tockle::EAlarmWriteError);
  }
  EXPECT_EQ(base::readFile(f.path()).value(), before);
}

}  // namespace

namespace {

// A section read whole gives every value as the profile function reads that key alone.
TEST(AlarmFileSection, WholeSectionReadsLikeSingleKeys) {
  test::TempFolder folder;
  std::string path = folder.file("_alarm3");
  std::string longText(3000, 'x');
  ASSERT_TRUE(base::writeFileAtomic(path,
                                    "[0]\r\n  MessageString =  \"quoted\"  \r\nmessagestring=second\r\n"
                                    "SoundPath='single'\r\nExecuteApps=\"open\r\nRingSound=\r\n"
                                    "LoopSound=" +
                                        longText + "\r\n[1]\r\nEnabled=1\r\n"));
  tockle::AlarmFile f(path);
  auto pairs = f.readSection("0");
  for (const char* key :
       {"MessageString", "MESSAGESTRING", "SoundPath", "ExecuteApps", "RingSound", "LoopSound", "Enabled", "Missing"}) {
    bool foundOne = false, foundWhole = false;
    std::string one = f.read("0", key, &foundOne);
    EXPECT_EQ(tockle::AlarmFile::valueOf(pairs, key, &foundWhole), one) << key;
    EXPECT_EQ(foundWhole, foundOne) << key;
  }
  EXPECT_EQ(tockle::AlarmFile::valueOf(pairs, "LoopSound").size(), 2047u);
}

}  // namespace

namespace {

// The section of one whole alarm, as the clock writes it.
std::string wholeAlarm(int n, const std::string& message = "m") {
  std::string s = "[" + std::to_string(n) +
                  "]\r\nRingSound=0\r\nShowMessage=1\r\nLoopSound=0\r\nMessageString=" + message +
                  "\r\nSoundPath=\r\nExecuteApps=\r\nRingEveryHour=0\r\nReCall=0\r\nEnabled=1\r\n" +
                  "StartTime=9:00:00\r\nEndTime=9:07:12\r\nPrevious=2026/12/1 9:00:00\r\n";
  for (int d = 1; d <= 7; ++d) s += "WeekDay" + std::to_string(d) + "=1\r\n";
  return s;
}

struct DamageCase {
  const char* name;
  std::string text;
  bool stray;
  std::vector<int> broken;
};

class AlarmFileDamage : public testing::TestWithParam<DamageCase> {};

TEST_P(AlarmFileDamage, TellsStrayTextAndTheAlarmsThatCannotBeReadWhole) {
  tockle::AlarmFileDamage d = tockle::checkAlarmText(GetParam().text);
  EXPECT_EQ(d.strayText, GetParam().stray);
  EXPECT_EQ(d.brokenAlarms, GetParam().broken);
}

const std::string kTwo = "[Initial]\r\nCount=2\r\n" + wholeAlarm(0) + wholeAlarm(1);

INSTANTIATE_TEST_SUITE_P(
    Texts, AlarmFileDamage,
    testing::Values(
        DamageCase{"whole", kTwo, false, {}},
        DamageCase{"leftOverSectionAndComment", kTwo + "; note\r\n" + wholeAlarm(2), false, {}},
        DamageCase{"cutInTheMiddleOfALine", kTwo.substr(0, kTwo.size() - 40), true, {1}},
        DamageCase{"cutAfterAWholeLine", kTwo.substr(0, kTwo.find("[1]")), false, {1}},
        DamageCase{"randomTail", kTwo + "\x8f\x03q=\xff[zz\r\n\x01\x02", true, {}},
        DamageCase{"nulByte", kTwo + std::string("\0x", 2), true, {}},
        DamageCase{"unknownSection", kTwo + "[junk]\r\n", true, {}},
        DamageCase{"countPastTheSections", "[Initial]\r\nCount=4\r\n" + wholeAlarm(0) + wholeAlarm(2), false, {1, 3}}),
    [](const testing::TestParamInfo<DamageCase>& info) { return std::string(info.param.name); });

TEST(AlarmFileWrite, ADamagedFileIsKeptBesideItOnceAndRewrittenWithItsAlarmsOnly) {
  test::TempFolder folder;
  tockle::AlarmFile f(folder.file("_alarm3"));
  // A junk tail after the alarms, with lines that read as keys of the last alarm.
  std::string junk = "\r\nZq=\x01\x02\r\n[bad\r\n" + std::string(200000, 'j') + "\r\nx=y\r\n";
  ASSERT_TRUE(base::writeFileAtomic(f.path(), kTwo + junk));
  f.write("1", "Enabled", "0");
  EXPECT_EQ(base::readFile(f.path() + ".damaged"), kTwo + junk);
  std::string after = base::readFile(f.path()).value();
  EXPECT_EQ(after, kTwo.substr(0, kTwo.find("Enabled=1", kTwo.find("[1]"))) + "Enabled=0" +
                       kTwo.substr(kTwo.find("Enabled=1", kTwo.find("[1]")) + 9));
  // Whole again: a later save keeps no further copy.
  f.write("1", "Enabled", "1");
  EXPECT_FALSE(base::fileExists(f.path() + ".damaged2"));
  // Damaged once more, in a later run: the first copy stays, the new one is numbered.
  ASSERT_TRUE(base::writeFileAtomic(f.path(), kTwo + "junk\r\n"));
  f.write("1", "Enabled", "1");
  EXPECT_EQ(base::readFile(f.path() + ".damaged"), kTwo + junk);
  EXPECT_EQ(base::readFile(f.path() + ".damaged2"), kTwo + "junk\r\n");
}

}  // namespace
