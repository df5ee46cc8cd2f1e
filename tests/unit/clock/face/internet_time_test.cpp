#include "clock/face/internet_time.h"

#include <gtest/gtest.h>

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

TEST(InternetTime, AppliesDaylightSavingWhileInForce) {
  TIME_ZONE_INFORMATION london{};
  london.Bias = 0;
  london.DaylightBias = -60;
  EXPECT_EQ(TKzInternetTime::BiasOf(london, TIME_ZONE_ID_DAYLIGHT), -60);
  EXPECT_EQ(TKzInternetTime::BiasOf(london, TIME_ZONE_ID_STANDARD), 0);
  EXPECT_EQ(TKzInternetTime::BiasOf(london, TIME_ZONE_ID_UNKNOWN), 0);
  // Noon of a London summer day is 11:00 UTC, noon at UTC+1: beat 500.
  TKzInternetTime summer(TKzInternetTime::BiasOf(london, TIME_ZONE_ID_DAYLIGHT));
  EXPECT_EQ(summer.FormatBeats(encodeDateTime(2026, 7, 1, 12)), "@500");
}

TEST(InternetTime, ReadsTheSystemsTimeZone) {
  // The test rig runs in Japan's time zone.
  EXPECT_EQ(TKzInternetTime().Bias, -540);
}

}  // namespace
