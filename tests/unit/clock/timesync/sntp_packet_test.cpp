// Time stamps and the offset arithmetic of SNTP.
#include <gtest/gtest.h>

#include <array>
#include <string>

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

// Which replies are trusted, by their four times in seconds from T1 (0: the stamp is zero).
struct ReplyTimes {
  const char* name;
  double t2, t3, t4;
  bool accepted;
};

class SntpReplyTimes : public ::testing::TestWithParam<ReplyTimes> {};

TEST_P(SntpReplyTimes, AreTrustedOnlyInAnOrderARealExchangeHas) {
  const ReplyTimes& c = GetParam();
  const base::DateTime t1 = utc(2026, 12, 9, 12);
  auto at = [&](double seconds) { return seconds == 0 ? Timestamp{0} : fromUtc(t1 + seconds / 86400.0); };
  const Timestamp sent = fromUtc(t1);
  std::array<uint8_t, kMessageSize> m{};
  m[0] = 0x24;  // version 4, server
  m[1] = 2;
  auto put = [&m](size_t offset, Timestamp v) {
    for (int i = 7; i >= 0; --i, v >>= 8) m[offset + static_cast<size_t>(i)] = static_cast<uint8_t>(v & 0xFF);
  };
  put(24, sent);
  put(32, at(c.t2));
  put(40, at(c.t3));
  Reply r;
  EXPECT_EQ(acceptReply(m.data(), m.size(), sent, at(c.t4), r), c.accepted);
}

constexpr double kYear = 365.0 * 86400;

INSTANTIATE_TEST_SUITE_P(Cases, SntpReplyTimes,
                         ::testing::Values(ReplyTimes{"ServerAhead", 150.02, 150.021, 0.04, true},
                                           ReplyTimes{"ServerBehind", -150.0, -149.99, 0.03, true},
                                           ReplyTimes{"ServerSlowerThanOurCoarseClock", 0.010, 0.012, 0.001, true},
                                           ReplyTimes{"ZeroReceive", 0, 150.0, 0.04, false},
                                           ReplyTimes{"TransmitBeforeReceive", 150.0, 149.0, 0.04, false},
                                           ReplyTimes{"ReceiveAYearAhead", 150.0 + kYear, 150.0 + kYear, 0.04, true},
                                           ReplyTimes{"ReceiveAYearBeforeTransmit", 150.0 - kYear, 150.0, 0.04, false},
                                           // Ahead by the offset, yet received before it was sent: the sign disagrees.
                                           ReplyTimes{"AheadButReceivedBeforeSent", -5.0, 20.0, 0.04, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SntpZoneBias, LocalAndUtcDifferByTheBias) {
  base::DateTime local = utc(2026, 12, 9, 14);
  EXPECT_NEAR(localToUtc(local, -540), utc(2026, 12, 9, 5), kMs);
  EXPECT_NEAR(utcToLocal(utc(2026, 12, 9, 5), -540), local, kMs);
}

}  // namespace
