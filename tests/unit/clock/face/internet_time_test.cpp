#include "clock/face/internet_time.h"

#include <gtest/gtest.h>

#include "base/time_zone.h"

namespace {

using base::encodeDateTime;
using tockle::TKzInternetTime;

TEST(InternetTime, CountsBeatsFromMidnightAtUtcPlusOne) {
  // UTC+9, local midnight: UTC+1 is 16:00.
  EXPECT_EQ(TKzInternetTime(-540).FormatBeats(encodeDateTime(2026, 12, 9)), "@666");
  // UTC, local 23:00: UTC+1 is midnight.
  EXPECT_EQ(TKzInternetTime(0).FormatBeats(encodeDateTime(2026, 12, 9, 23)), "@000");
  EXPECT_EQ(TKzInternetTime(0).FormatBeats(encodeDateTime(2026, 12, 9, 11)), "@500");
  EXPECT_EQ(TKzInternetTime(0).FormatBeats(encodeDateTime(2026, 12, 9, 22, 59, 59, 999)), "@999");
  // West of UTC the day wraps the other way.
  EXPECT_EQ(TKzInternetTime(300).FormatBeats(encodeDateTime(2026, 12, 9, 18)), "@000");
}

TEST(InternetTime, TruncatesAtBeatBoundaries) {
  // Beat 1 begins 86.4 s after midnight at UTC+1, which is 08:01:26.400 at UTC+9.
  TKzInternetTime tokyo(-540);
  EXPECT_EQ(tokyo.FormatBeats(encodeDateTime(2026, 12, 9, 8, 1, 26, 399)), "@000");
  EXPECT_EQ(tokyo.FormatBeats(encodeDateTime(2026, 12, 9, 8, 1, 26, 400)), "@001");
  EXPECT_EQ(tokyo.FormatBeats(encodeDateTime(2026, 12, 9, 8, 1, 26, 401)), "@001");
  EXPECT_EQ(tokyo.FormatBeats(encodeDateTime(2026, 12, 9, 8, 1, 25, 400)), "@000");
  // Beat 500 at local 11:00 in UTC: a second and a millisecond before it show beat 499.
  TKzInternetTime utc(0);
  EXPECT_EQ(utc.FormatBeats(encodeDateTime(2026, 12, 9, 10, 59, 59)), "@499");
  EXPECT_EQ(utc.FormatBeats(encodeDateTime(2026, 12, 9, 10, 59, 59, 999)), "@499");
  EXPECT_EQ(utc.FormatBeats(encodeDateTime(2026, 12, 9, 11)), "@500");
  EXPECT_EQ(utc.FormatBeats(encodeDateTime(2026, 12, 9, 11, 0, 0, 1)), "@500");
}

// A zone as the system describes it: its standard bias and, with summer time, when it begins and
// ends (month, n-th Sunday with 5 the last, hour).
TIME_ZONE_INFORMATION zone(LONG bias, SYSTEMTIME summer = {}, SYSTEMTIME winter = {}) {
  TIME_ZONE_INFORMATION tz{};
  tz.Bias = bias;
  tz.DaylightDate = summer;
  tz.StandardDate = winter;
  tz.DaylightBias = summer.wMonth ? -60 : 0;
  return tz;
}

TEST(InternetTime, CountsFromTheRealUtcWithTheBiasInForce) {
  const auto sydney = zone(-600, {0, 10, 0, 1, 2}, {0, 4, 0, 1, 3}),
             london = zone(0, {0, 3, 0, 5, 1}, {0, 10, 0, 5, 2});
  const struct {
    const char* name;
    TIME_ZONE_INFORMATION zone;
    base::DateTime utc;
    int bias;  // in force at that moment
    const char* beats;
  } cases[] = {
      // Summer time in force: 02:46:05 UTC is beat 157, whatever the local clock says.
      {"Sydney summer", sydney, encodeDateTime(2026, 12, 10, 2, 46, 5), -660, "@157"},
      {"Sydney winter", sydney, encodeDateTime(2026, 7, 10, 2, 46, 5), -600, "@157"},
      {"London summer", london, encodeDateTime(2026, 6, 21, 11), -60, "@500"},
      {"London winter", london, encodeDateTime(2026, 12, 21, 11), 0, "@500"},
      // Summer time begins at 16:00 UTC on 3 October 2026 in Sydney and ends at 16:00 UTC on
      // 4 April, where the local hour from 02:00 comes twice.
      {"Sydney before spring", sydney, encodeDateTime(2026, 10, 3, 15, 59), -600, "@707"},
      {"Sydney spring", sydney, encodeDateTime(2026, 10, 3, 16), -660, "@708"},
      {"Sydney first 02:30", sydney, encodeDateTime(2026, 4, 4, 15, 30), -660, "@687"},
      {"Sydney second 02:30", sydney, encodeDateTime(2026, 4, 4, 16, 30), -600, "@729"},
      // No summer time: what the clock always showed.
      {"Tokyo winter", zone(-540), encodeDateTime(2026, 12, 9, 15), -540, "@666"},
      {"Tokyo summer", zone(-540), encodeDateTime(2026, 7, 9, 15), -540, "@666"},
      {"Phoenix summer", zone(420), encodeDateTime(2026, 7, 9, 12), 420, "@541"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const int bias = base::biasAt(c.zone, c.utc);
    EXPECT_EQ(bias, c.bias);
    EXPECT_EQ(TKzInternetTime(bias).FormatBeats(c.utc - c.bias / 1440.0), c.beats);
  }
}

TEST(InternetTime, ReadsTheBiasInForceNow) {
  // The main run is in Japan; another runs in Sydney, where summer time is in force half the year.
  SYSTEMTIME utc, local;
  GetSystemTime(&utc);
  GetLocalTime(&local);
  const double offsetMinutes = (base::fromSystemTime(utc) - base::fromSystemTime(local)) * 1440.0;
  EXPECT_NEAR(TKzInternetTime().Bias, offsetMinutes, 0.5);
}

}  // namespace
