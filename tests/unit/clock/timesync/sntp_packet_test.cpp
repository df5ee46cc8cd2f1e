// Time stamps and the offset arithmetic of SNTP.
#include <gtest/gtest.h>

#include "base/datetime.h"
#include "clock/timesync/sntp_packet.h"

namespace {

using namespace tockle::sntp;

base::DateTime utc(WORD y, WORD mo, WORD d, WORD h = 0, WORD mi = 0, WORD s = 0, WORD ms = 0) {
  SYSTEMTIME st{y, mo, 0, d, h, mi, s, ms};
  return base::fromSystemTime(st);
}

constexpr double kMs = 1.0 / 86400000.0;

TEST(SntpTimestamp, KnownInstants) {
  // 2000-01-01 00:00 UTC is 3155673600 seconds after 1900.
  EXPECT_EQ(fromUtc(utc(2000, 1, 1)), 3155673600ull << 32);
  EXPECT_NEAR(toUtc(3155673600ull << 32), utc(2000, 1, 1), kMs);
  // Half a second is half of the fraction.
  EXPECT_EQ(fromUtc(utc(2000, 1, 1, 0, 0, 0, 500)) & 0xFFFFFFFFull, 0x80000000ull);
}

TEST(SntpTimestamp, SecondsWithTheTopBitClearAreAfter2036) {
  // One second after the 2036 wrap, not 1900.
  base::DateTime t = toUtc(1ull << 32);
  EXPECT_NEAR(t, utc(2036, 2, 7, 6, 28, 17), kMs);
  // A 2040 time survives the round trip.
  base::DateTime later = utc(2040, 6, 1, 12, 0, 0, 250);
  EXPECT_NEAR(toUtc(fromUtc(later)), later, kMs);
  // The last second before the wrap stays in 2036.
  EXPECT_NEAR(toUtc(0xFFFFFFFFull << 32), utc(2036, 2, 7, 6, 28, 15), kMs);
}

TEST(SntpTimestamp, RoundTripKeepsMilliseconds) {
  base::DateTime t = utc(2026, 12, 9, 5, 30, 12, 987);
  EXPECT_NEAR(toUtc(fromUtc(t)), t, 0.01 * kMs);
}

TEST(SntpRequest, Layout) {
  auto m = makeRequest(0x0102030405060708ull);
  EXPECT_EQ(m[0], 0x1B);
  for (size_t i = 1; i < 40; ++i) EXPECT_EQ(m[i], 0);
  for (size_t i = 0; i < 8; ++i) EXPECT_EQ(m[40 + i], i + 1);
}

TEST(SntpExchange, OffsetAndDelay) {
  // Server 10 s ahead; 40 ms out, 60 ms back, 5 ms in the server.
  base::DateTime t1 = utc(2026, 1, 1, 12);
  base::DateTime t2 = t1 + (10000 + 40) * kMs;
  base::DateTime t3 = t2 + 5 * kMs;
  base::DateTime t4 = t1 + 105 * kMs;
  Exchange x = measure(t1, t2, t3, t4);
  EXPECT_NEAR(x.delay / kMs, 100.0, 0.01);
  EXPECT_NEAR(x.offset / kMs, 9990.0, 0.01);
}

TEST(SntpZoneBias, LocalAndUtcDifferByTheBias) {
  base::DateTime local = utc(2026, 12, 9, 14);
  EXPECT_NEAR(localToUtc(local, -540), utc(2026, 12, 9, 5), kMs);
  EXPECT_NEAR(utcToLocal(utc(2026, 12, 9, 5), -540), local, kMs);
}

}  // namespace
