#include <gtest/gtest.h>

#include "base/datetime.h"
#include "base/text.h"
#include "support/test_key.h"

namespace {

using base::encodeDateTime;
using base::formatDateTime;

// Wednesday, 9 December 2026, 14:05:07.089.
const base::DateTime kAfternoon = encodeDateTime(2026, 12, 9, 14, 5, 7, 89);

// Settings of a made-up locale, so that what comes from the settings can be told from what the
// formatter does by itself.
base::FormatSettings madeUp() {
  base::FormatSettings fs;
  const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const char* days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  for (int i = 0; i < 12; ++i) {
    fs.shortMonthNames[i] = months[i];
    fs.longMonthNames[i] = std::string(months[i]) + "ember";
  }
  for (int i = 0; i < 7; ++i) {
    fs.shortDayNames[i] = days[i];
    fs.longDayNames[i] = std::string(days[i]) + "sday";
  }
  fs.shortDateFormat = "d.m.yyyy";
  fs.longDateFormat = "dddd d mmmm yyyy";
  fs.shortTimeFormat = "hh.nn";
  fs.longTimeFormat = "hh.nn.ss";
  fs.timeAmString = "vorm";
  fs.timePmString = "nachm";
  fs.dateSeparator = "-";
  fs.timeSeparator = ".";
  fs.eras = {{"Reiwa", 2019, 5, 1}, {"Heisei", 1989, 1, 8}};
  return fs;
}

TEST(DateTimeFormat, NumbersOfTheDateAndTime) {
  EXPECT_EQ(formatDateTime("yyyy/mm/dd hh:nn:ss", kAfternoon), "2026/12/09 14:05:07");
  EXPECT_EQ(formatDateTime("yy y yyy", kAfternoon), "26 26 2026");
  EXPECT_EQ(formatDateTime("m/d h:n:s", encodeDateTime(2026, 3, 4, 5, 6, 7)), "3/4 5:6:7");
  EXPECT_EQ(formatDateTime("z zz zzz", kAfternoon), "89 89 089");
  EXPECT_EQ(formatDateTime("YYYY-MM-DD HH:NN", kAfternoon), "2026-12-09 14:05");
}

TEST(DateTimeFormat, AnMAfterAnHourIsTheMinute) {
  EXPECT_EQ(formatDateTime("hh:mm", kAfternoon), "14:05");
  EXPECT_EQ(formatDateTime("h'時'm'分'"_sj, kAfternoon), "14時5分"_sj);
  EXPECT_EQ(formatDateTime("hh:mm:ss mm", kAfternoon), "14:05:07 12");
  EXPECT_EQ(formatDateTime("mm hh", kAfternoon), "12 14");
}

TEST(DateTimeFormat, DoubleByteCharactersAreCopiedWhole) {
  // The second bytes of 年 and 秒 are the letters N and b.
  ASSERT_EQ("年"_sj[1], 'N');
  ASSERT_EQ("秒"_sj[1], 'b');
  EXPECT_EQ(formatDateTime("yyyy年m月d日"_sj, kAfternoon), "2026年12月9日"_sj);
  EXPECT_EQ(formatDateTime("s秒"_sj, kAfternoon), "7秒"_sj);
  // A lead byte at the very end stands alone.
  EXPECT_EQ(formatDateTime("d\x94", kAfternoon), "9\x94");
}

TEST(DateTimeFormat, QuotedTextIsCopiedWithoutItsQuotes) {
  EXPECT_EQ(formatDateTime("'hh' \"mm\" hh", kAfternoon), "hh mm 14");
  EXPECT_EQ(formatDateTime("\"it's\" d", kAfternoon), "it's 9");
  EXPECT_EQ(formatDateTime("'表示' d"_sj, kAfternoon), "表示 9"_sj);
  // An open quote runs to the end.
  EXPECT_EQ(formatDateTime("d 'yyyy", kAfternoon), "9 yyyy");
}

TEST(DateTimeFormat, OtherCharactersAreCopied) {
  EXPECT_EQ(formatDateTime("hh#rnn", kAfternoon), "14#r05");
  EXPECT_EQ(formatDateTime("[x] @ b", kAfternoon), "[x] @ b");
  EXPECT_EQ(formatDateTime("", kAfternoon), "");
}

TEST(DateTimeFormat, JapaneseNamesOfTheSystemLocale) {
  EXPECT_EQ(formatDateTime("mmm|mmmm", kAfternoon), "12月|12月"_sj);
  EXPECT_EQ(formatDateTime("ddd|dddd", kAfternoon), "水|水曜日"_sj);
  EXPECT_EQ(formatDateTime("ddd", encodeDateTime(2026, 12, 13)), "日"_sj);
  EXPECT_EQ(formatDateTime("ampm", kAfternoon), "午後"_sj);
  EXPECT_EQ(formatDateTime("ampm", encodeDateTime(2026, 12, 9, 11, 59)), "午前"_sj);
}

TEST(DateTimeFormat, ShortAndLongFormsOfTheSystemLocale) {
  // The rig's locale: short date yyyy/M/d, long date yyyy年M月d日dddd, H:mm:ss and H:mm.
  EXPECT_EQ(formatDateTime("ddddd", kAfternoon), "2026/12/9");
  EXPECT_EQ(formatDateTime("dddddd", kAfternoon), "2026年12月9日水曜日"_sj);
  EXPECT_EQ(formatDateTime("t|tt", kAfternoon), "14:05|14:05:07");
  EXPECT_EQ(formatDateTime("c", kAfternoon), "2026/12/9 14:05:07");
  EXPECT_EQ(formatDateTime("c", encodeDateTime(2026, 1, 2)), "2026/1/2 0:00:00");
}

TEST(DateTimeFormat, ErasOfTheSystemsJapaneseCalendar) {
  // The rig's system knows the era 令和 from 2019.
  EXPECT_EQ(formatDateTime("gge年"_sj, kAfternoon), "令和8年"_sj);
  EXPECT_EQ(formatDateTime("g ee e", kAfternoon), "令 08 8"_sj);
  EXPECT_EQ(formatDateTime("gg", encodeDateTime(2019, 5, 1)), "令和"_sj);
}

TEST(DateTimeFormat, ErasStartOnTheirFirstDay) {
  base::FormatSettings fs = madeUp();
  EXPECT_EQ(formatDateTime("gg e", encodeDateTime(2019, 4, 30), fs), "Heisei 31");
  EXPECT_EQ(formatDateTime("gg e", encodeDateTime(2019, 5, 1), fs), "Reiwa 1");
  EXPECT_EQ(formatDateTime("g ee", encodeDateTime(1989, 1, 8), fs), "H 01");
  // Before the first known era: no name, the plain year.
  EXPECT_EQ(formatDateTime("[gg] e", encodeDateTime(1989, 1, 7), fs), "[] 1989");
}

TEST(DateTimeFormat, ErasFromTheSystemsEraTable) {
  test::TestKey key("Eras");
  shared::TRegistry r;
  ASSERT_TRUE(r.OpenKey(key.path(), true));
  r.WriteString("1989 01 08", "平成_平_Heisei_H"_sj);
  r.WriteString("2019 05 01", "令和_令_Reiwa_R"_sj);
  r.WriteString("1926 12 25", "昭和_昭_Showa_S"_sj);
  r.WriteString("not a date", "x_x_x_x");
  r.WriteInteger("1868 01 01", 5);
  std::vector<base::Era> eras = base::erasFromRegistry(HKEY_CURRENT_USER, key.path());
  ASSERT_EQ(eras.size(), 3u);
  EXPECT_EQ(eras[0].name, "令和"_sj);
  EXPECT_EQ(eras[2].startYear, 1926);
  EXPECT_EQ(eras[2].startDay, 25);
  base::FormatSettings fs = madeUp();
  fs.eras = eras;
  EXPECT_EQ(formatDateTime("gge", encodeDateTime(2019, 4, 30), fs), "平成31"_sj);
  EXPECT_EQ(formatDateTime("gge", encodeDateTime(2019, 5, 1), fs), "令和1"_sj);
  EXPECT_EQ(formatDateTime("gge", encodeDateTime(1989, 1, 7), fs), "昭和64"_sj);
  EXPECT_TRUE(base::erasFromRegistry(HKEY_CURRENT_USER, key.path() + "\\Missing").empty());
}

TEST(DateTimeFormat, NamesFormsAndSeparatorsComeFromTheSettings) {
  base::FormatSettings fs = madeUp();
  EXPECT_EQ(formatDateTime("yyyy/mm/dd hh:nn", kAfternoon, fs), "2026-12-09 14.05");
  EXPECT_EQ(formatDateTime("ddd dddd mmm mmmm", kAfternoon, fs), "Wed Wedsday Dec December");
  EXPECT_EQ(formatDateTime("ddddd|dddddd", kAfternoon, fs), "9.12.2026|Wedsday 9 December 2026");
  EXPECT_EQ(formatDateTime("t|tt|c", kAfternoon, fs), "14.05|14.05.07|9.12.2026 14.05.07");
}

TEST(DateTimeFormat, FormsThatNameThemselvesDoNotRecurse) {
  base::FormatSettings fs = madeUp();
  fs.shortDateFormat = "ddddd d";
  EXPECT_EQ(formatDateTime("ddddd", kAfternoon, fs), " 9");
}

TEST(DateTimeFormat, TwelveHourClockWithAnAmPmForm) {
  base::DateTime midnight = encodeDateTime(2026, 12, 9, 0, 30);
  EXPECT_EQ(formatDateTime("h:nn am/pm", kAfternoon), "2:05 pm");
  EXPECT_EQ(formatDateTime("h:nn AM/PM", midnight), "12:30 AM");
  EXPECT_EQ(formatDateTime("hh:nn Am/pM", kAfternoon), "02:05 pM");
  EXPECT_EQ(formatDateTime("h a/p", kAfternoon), "2 p");
  EXPECT_EQ(formatDateTime("h A/P", midnight), "12 A");
  EXPECT_EQ(formatDateTime("hh ampm", kAfternoon), "02 午後"_sj);
  EXPECT_EQ(formatDateTime("h:nn ampm", encodeDateTime(2026, 12, 9, 12, 0), madeUp()), "12.00 nachm");
  // The form must come before the next hour, outside quotes.
  EXPECT_EQ(formatDateTime("h h am/pm", kAfternoon), "14 2 pm");
  EXPECT_EQ(formatDateTime("h 'am/pm'", kAfternoon), "14 am/pm");
  // A lone "a" is a letter like any other.
  EXPECT_EQ(formatDateTime("h a", kAfternoon), "14 a");
}

TEST(DateTimeFormat, LocalePatternsInTheLanguage) {
  EXPECT_EQ(base::fromLocalePattern(L"yyyy/M/d"), "yyyy/m/d");
  EXPECT_EQ(base::fromLocalePattern(L"H:mm:ss"), "h:nn:ss");
  EXPECT_EQ(base::fromLocalePattern(L"h:mm tt"), "h:nn ampm");
  EXPECT_EQ(base::fromLocalePattern(L"yyyy'\u5E74'M'\u6708'd'\u65E5'"), "yyyy\"年\"m\"月\"d\"日\""_sj);
  EXPECT_EQ(base::fromLocalePattern(L"gg y'\u5E74'"), "gg yy\"年\""_sj);
  EXPECT_EQ(base::fromLocalePattern(L"dddd, MMMM dd"), "dddd, mmmm dd");
  // Letters without a meaning stay literal.
  EXPECT_EQ(formatDateTime(base::fromLocalePattern(L"d 'de' MMMM x"), kAfternoon, madeUp()), "9 de December x");
}

}  // namespace
