#include <gtest/gtest.h>

#include <cmath>

#include "base/datetime.h"
#include "base/text.h"

namespace {

using base::DateTime;
using base::encodeDateTime;

TEST(DateTimeParse, ReadsBackWhatTheProgramsStore) {
  for (DateTime t :
       {encodeDateTime(2026, 12, 9, 14, 5, 7), encodeDateTime(2000, 1, 1), encodeDateTime(1999, 2, 28, 23, 59, 59)}) {
    DateTime d = -1, tm = -1, dt = -1;
    ASSERT_TRUE(base::tryStrToDate(base::dateToStr(t), d)) << base::dateToStr(t);
    EXPECT_DOUBLE_EQ(d, std::floor(t));
    ASSERT_TRUE(base::tryStrToTime(base::timeToStr(t), tm)) << base::timeToStr(t);
    EXPECT_NEAR(tm, t - std::floor(t), 1e-9);
    ASSERT_TRUE(base::tryStrToDateTime(base::dateTimeToStr(t), dt)) << base::dateTimeToStr(t);
    EXPECT_NEAR(dt, t, 1e-9);
  }
}

TEST(DateTimeParse, TheStoredFormsAreTheLocales) {
  DateTime t = encodeDateTime(2026, 1, 2, 3, 4, 5);
  EXPECT_EQ(base::dateToStr(t), "2026/1/2");
  EXPECT_EQ(base::timeToStr(t), "3:04:05");
  EXPECT_EQ(base::dateTimeToStr(t), "2026/1/2 3:04:05");
}

TEST(DateTimeParse, ReadsThePlainFormsAndLeadingZeros) {
  DateTime d = 0;
  ASSERT_TRUE(base::tryStrToDate("2026/01/02", d));
  EXPECT_DOUBLE_EQ(d, encodeDateTime(2026, 1, 2));
  ASSERT_TRUE(base::tryStrToDate("  2026/1/2 ", d));
  EXPECT_DOUBLE_EQ(d, encodeDateTime(2026, 1, 2));
  DateTime t = 0;
  ASSERT_TRUE(base::tryStrToTime("09:05:00", t));
  EXPECT_NEAR(t, (9 * 60 + 5) / 1440.0, 1e-9);
  ASSERT_TRUE(base::tryStrToTime("9:05", t));
  EXPECT_NEAR(t, (9 * 60 + 5) / 1440.0, 1e-9);
  ASSERT_TRUE(base::tryStrToDateTime("2026/01/02 23:59:59", d));
  EXPECT_NEAR(d, encodeDateTime(2026, 1, 2, 23, 59, 59), 1e-9);
  ASSERT_TRUE(base::tryStrToDateTime("2026/1/2", d));
  EXPECT_DOUBLE_EQ(d, encodeDateTime(2026, 1, 2));
}

TEST(DateTimeParse, RefusesWhatIsNoDateOrTime) {
  DateTime v = 42;
  EXPECT_FALSE(base::tryStrToDate("2026/2/30", v));
  EXPECT_FALSE(base::tryStrToDate("2026/13/1", v));
  EXPECT_FALSE(base::tryStrToDate("2026/12/9x", v));
  EXPECT_FALSE(base::tryStrToDate("2026-12-09", v));
  EXPECT_FALSE(base::tryStrToDate("", v));
  EXPECT_FALSE(base::tryStrToTime("24:00:00", v));
  EXPECT_FALSE(base::tryStrToTime("12:60", v));
  EXPECT_FALSE(base::tryStrToTime("12", v));
  EXPECT_FALSE(base::tryStrToTime("abc", v));
  EXPECT_FALSE(base::tryStrToDateTime("2026/1/2 25:00", v));
  EXPECT_FALSE(base::tryStrToDateTime("2026/1/2 x", v));
  EXPECT_EQ(v, 42);
}

TEST(DateTimeParse, ReadsTheFormsOfAnotherLocale) {
  base::FormatSettings fs;
  const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  for (int i = 0; i < 12; ++i) fs.shortMonthNames[i] = fs.longMonthNames[i] = months[i];
  fs.shortDateFormat = base::fromLocalePattern(L"d MMM yyyy");
  fs.longTimeFormat = base::fromLocalePattern(L"h:mm:ss tt");
  fs.timeAmString = "AM";
  fs.timePmString = "PM";
  fs.dateSeparator = "/";
  fs.timeSeparator = ":";
  DateTime t = encodeDateTime(2026, 12, 9, 14, 5, 7);
  std::string text = base::formatDateTime(fs.shortDateFormat + " " + fs.longTimeFormat, t, fs);
  EXPECT_EQ(text, "9 Dec 2026 2:05:07 PM");
  DateTime back = 0;
  ASSERT_TRUE(base::tryStrToDateTime(text, back, fs));
  EXPECT_NEAR(back, t, 1e-9);
  ASSERT_TRUE(base::tryStrToTime("12:00:00 am", back, fs));
  EXPECT_NEAR(back, 0.0, 1e-12);
  EXPECT_FALSE(base::tryStrToTime("13:00:00 PM", back, fs));
  // The plain forms are read whatever the locale.
  ASSERT_TRUE(base::tryStrToDateTime("2026/12/9 14:05:07", back, fs));
  EXPECT_NEAR(back, t, 1e-9);
}

TEST(DateTimeParse, ReadsJapaneseLiteralsOfALongForm) {
  base::FormatSettings fs = base::localeFormatSettings();
  fs.shortDateFormat = fs.longDateFormat;  // yyyy年M月d日dddd
  DateTime t = encodeDateTime(2026, 12, 9);
  DateTime back = 0;
  ASSERT_TRUE(base::tryStrToDate(base::formatDateTime("ddddd", t, fs), back, fs));
  EXPECT_DOUBLE_EQ(back, t);
}

}  // namespace

namespace {

// Sets the user's short date form for the test's span.
class ShortDateForm {
 public:
  explicit ShortDateForm(const wchar_t* form) {
    wchar_t old[80] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, old, 80);
    old_ = old;
    ok_ = SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, form) != 0;
  }
  ~ShortDateForm() { SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, old_.c_str()); }
  bool ok() const { return ok_; }

 private:
  std::wstring old_;
  bool ok_;
};

TEST(DateTimeParse, FollowsAChangeOfTheRegionalSettingsAtOnce) {
  DateTime t = encodeDateTime(2026, 1, 2, 3, 4, 5);
  {
    ShortDateForm form(L"dd.MM.yyyy");
    ASSERT_TRUE(form.ok());
    EXPECT_EQ(base::dateTimeToStr(t), "02.01.2026 3:04:05");
    DateTime back = 0;
    ASSERT_TRUE(base::tryStrToDateTime("02.01.2026 3:04:05", back));
    EXPECT_NEAR(back, t, 1e-9);
    // The plain form is still read.
    ASSERT_TRUE(base::tryStrToDate("2026/1/2", back));
  }
  EXPECT_EQ(base::dateToStr(t), "2026/1/2");
}

}  // namespace
