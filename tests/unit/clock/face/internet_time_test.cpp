#include "clock/face/internet_time.h"

#include <gtest/gtest.h>

#include <cstdlib>

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

TEST(InternetTime, ReadsTheZonesStandardBiasAlsoInSummerTime) {
  // The main run is in Japan; another runs in Sydney with summer time in force (bias -660), where
  // the beats still count from the zone's standard bias.
  const char* expected = std::getenv("TOCKLE_TEST_STANDARD_BIAS");
  EXPECT_EQ(TKzInternetTime().Bias, expected ? std::atoi(expected) : -540);
}

}  // namespace
