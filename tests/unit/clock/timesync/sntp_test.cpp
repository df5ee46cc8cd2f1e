// The SNTP client against a time server on loopback: which replies move the clock, by how much,
// and what each attempt reports. The clock is never set: the setter only records.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "base/datetime.h"
#include "base/time_zone.h"
#include "clock/timesync/net_time.h"
#include "clock/timesync/sntp_packet.h"
#include "clock/timesync/time_sync.h"
#include "unit/clock/timesync/sntp_responder.h"

namespace {

using test::Datagram;
using test::ServerReply;
using test::SntpResponder;
using tockle::TKzNetTime2;

constexpr double kMsPerDay = 86400000.0;

struct Outcome {
  bool result = false;
  std::vector<std::string> texts;
  std::optional<SYSTEMTIME> set;
  base::DateTime expected = 0;  // what the setter should have received
  double elapsedMs = 0;
};

class SntpClient : public ::testing::Test {
 protected:
  // One SyncTime against a server that answers every request with `replies`.
  Outcome sync(std::vector<ServerReply> replies, int timeOut = 300, int range = 200, int expectedOffsetMs = 0) {
    SntpResponder server([replies](const Datagram& request) {
      std::vector<Datagram> out;
      for (const auto& r : replies) out.push_back(test::serverReply(request, r));
      return out;
    });
    return syncWith(server, "127.0.0.1", timeOut, range, expectedOffsetMs);
  }

  Outcome syncWith(SntpResponder& server, const std::string& host, int timeOut, int range, int expectedOffsetMs) {
    Outcome o;
    TKzNetTime2 client;
    client.Host = host;
    client.Port = server.port();
    client.ReceiveTimeout = timeOut;
    client.AllowableErrorRange = range;
    client.OnSNTPReceived = [&o](TKzNetTime2&, const std::string& msg) { o.texts.push_back(msg); };
    client.SetLocalTime = [&o, expectedOffsetMs](const SYSTEMTIME& st) {
      o.set = st;
      o.expected = base::now() + expectedOffsetMs / kMsPerDay;
      return true;
    };
    ULONGLONG start = GetTickCount64();
    o.result = client.SyncTime();
    o.elapsedMs = static_cast<double>(GetTickCount64() - start);
    requests_ = server.requests();
    return o;
  }

  static double setErrorMs(const Outcome& o) {
    return std::fabs(base::fromSystemTime(*o.set) - o.expected) * kMsPerDay;
  }

  int requests_ = 0;
};

TEST_F(SntpClient, SmallOffsetIsWithinTheAllowedRange) {
  Outcome o = sync({ServerReply{.offsetMs = 150}});
  EXPECT_FALSE(o.result);
  EXPECT_EQ(o.texts, std::vector<std::string>{"Allowable Error Range"});
  EXPECT_FALSE(o.set.has_value());
}

struct GoodReply {
  const char* name;
  ServerReply reply;
};

class SntpAccepted : public SntpClient, public ::testing::WithParamInterface<GoodReply> {};

TEST_P(SntpAccepted, SetsTheClockByTheServersOffset) {
  const ServerReply& reply = GetParam().reply;
  Outcome o = sync({reply}, 300, 200, reply.offsetMs);
  EXPECT_TRUE(o.result);
  EXPECT_EQ(o.texts, std::vector<std::string>{"Clock Synchronized"});
  ASSERT_TRUE(o.set.has_value());
  EXPECT_LE(setErrorMs(o), 500.0);  // the offset applied; not a timing figure
}

INSTANTIATE_TEST_SUITE_P(Replies, SntpAccepted,
                         ::testing::Values(GoodReply{"AheadByOneSecond", {.offsetMs = 1000}},
                                           GoodReply{"BehindByTenSeconds", {.offsetMs = -10000}},
                                           // Catches a time-zone bias applied in one direction only.
                                           GoodReply{"OffByAnHourAndAQuarter", {.offsetMs = -4500000}},
                                           // Authenticated replies carry a key id and digest after the 48 bytes.
                                           GoodReply{"Longer", {.offsetMs = 3000, .size = 68}},
                                           GoodReply{"BroadcastMode", {.offsetMs = 3000, .mode = 5}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SntpClient, AFailedSetIsAPrivilegeError) {
  SntpResponder server(
      [](const Datagram& r) { return std::vector<Datagram>{test::serverReply(r, {.offsetMs = 5000})}; });
  TKzNetTime2 client;
  client.Host = "127.0.0.1";
  client.Port = server.port();
  std::vector<std::string> texts;
  client.OnSNTPReceived = [&texts](TKzNetTime2&, const std::string& msg) { texts.push_back(msg); };
  client.SetLocalTime = [](const SYSTEMTIME&) { return false; };
  EXPECT_FALSE(client.SyncTime());
  EXPECT_EQ(texts, std::vector<std::string>{"Failed: Privilege-related Error"});
}

struct BadReply {
  const char* name;
  ServerReply reply;
};

class SntpRejected : public SntpClient, public ::testing::WithParamInterface<BadReply> {};

TEST_P(SntpRejected, NeverMovesTheClockAndTimesOut) {
  const int timeOut = 300;
  Outcome o = sync({GetParam().reply}, timeOut);
  EXPECT_EQ(requests_, 1);
  EXPECT_FALSE(o.result);
  EXPECT_FALSE(o.set.has_value());
  EXPECT_EQ(o.texts, std::vector<std::string>{"Failed: Time Out"});
  EXPECT_GE(o.elapsedMs, timeOut - 20);
}

INSTANTIATE_TEST_SUITE_P(Replies, SntpRejected,
                         ::testing::Values(BadReply{"Stratum0", {.offsetMs = 5000, .stratum = 0}},
                                           BadReply{"Stratum16", {.offsetMs = 5000, .stratum = 16}},
                                           BadReply{"Leap3", {.offsetMs = 5000, .leap = 3}},
                                           BadReply{"ForeignOriginate", {.offsetMs = 5000, .echoOriginate = false}},
                                           BadReply{"ClientMode", {.offsetMs = 5000, .mode = 3}},
                                           BadReply{"SymmetricMode", {.offsetMs = 5000, .mode = 1}},
                                           BadReply{"ZeroTransmit", {.offsetMs = 5000, .zeroTransmit = true}},
                                           BadReply{"Short", {.offsetMs = 5000, .size = 47}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SntpClient, NoReplyTimesOutAfterTheTimeOut) {
  const int timeOut = 400;
  Outcome o = sync({}, timeOut);
  EXPECT_EQ(requests_, 1);
  EXPECT_FALSE(o.set.has_value());
  EXPECT_EQ(o.texts, std::vector<std::string>{"Failed: Time Out"});
  EXPECT_GE(o.elapsedMs, timeOut - 20);
}

TEST_F(SntpClient, NoServerListeningTimesOut) {
  unsigned short deadPort;
  {
    SntpResponder gone([](const Datagram&) { return std::vector<Datagram>{}; });
    deadPort = gone.port();
  }
  TKzNetTime2 client;
  client.Host = "127.0.0.1";
  client.Port = deadPort;
  client.ReceiveTimeout = 300;
  std::vector<std::string> texts;
  client.OnSNTPReceived = [&texts](TKzNetTime2&, const std::string& msg) { texts.push_back(msg); };
  bool set = false;
  client.SetLocalTime = [&set](const SYSTEMTIME&) { return set = true; };
  EXPECT_FALSE(client.SyncTime());
  EXPECT_FALSE(set);
  EXPECT_EQ(texts, std::vector<std::string>{"Failed: Time Out"});
}

TEST_F(SntpClient, AGoodReplyAfterAForeignOneIsTaken) {
  Outcome o =
      sync({ServerReply{.offsetMs = 30000, .echoOriginate = false}, ServerReply{.offsetMs = 2000}}, 500, 200, 2000);
  ASSERT_TRUE(o.set.has_value());
  EXPECT_LE(setErrorMs(o), 500.0);  // the offset applied; not a timing figure
}

TEST_F(SntpClient, RequestIsAVersion3ClientMessageWithOurTime) {
  Datagram seen;
  SntpResponder server([&seen](const Datagram& r) {
    seen = r;
    return std::vector<Datagram>{};
  });
  TKzNetTime2 client;
  client.Host = "127.0.0.1";
  client.Port = server.port();
  client.ReceiveTimeout = 200;
  client.SyncTime();
  ASSERT_EQ(seen.size(), 48u);
  tockle::sntp::Timestamp sent = 0;
  for (size_t i = 40; i < 48; ++i) sent = (sent << 8) | seen[i];
  // The request's layout is makeRequest's, carrying our transmit time stamp.
  const auto request = tockle::sntp::makeRequest(sent);
  EXPECT_EQ(seen, Datagram(request.begin(), request.end()));
  // The transmit time stamp is UTC: compare with the true UTC clock.
  SYSTEMTIME utc;
  GetSystemTime(&utc);
  EXPECT_NEAR(tockle::sntp::toUtc(sent) * kMsPerDay, base::fromSystemTime(utc) * kMsPerDay, 1000.0);
}

TEST_F(SntpClient, UnknownHostFailsWithTheReason) {
  TKzNetTime2 client;
  // A label longer than 63 characters cannot be resolved, and no resolver is asked for it.
  client.Host = std::string(70, 'x') + ".invalid";
  std::vector<std::string> texts;
  client.OnSNTPReceived = [&texts](TKzNetTime2&, const std::string& msg) { texts.push_back(msg); };
  EXPECT_FALSE(client.SyncTime());
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].rfind("Failed: ", 0), 0u) << texts[0];
  EXPECT_GT(texts[0].size(), std::string("Failed: ").size());
  EXPECT_NE(texts[0], "Failed: Time Out");
}

TEST(SntpZone, BiasIsTheOneOfTheTestEnvironment) {
  // The SNTP tests run in more than one time zone; this makes sure the zone really changed.
  const char* expected = std::getenv("TOCKLE_TEST_BIAS");
  if (!expected) GTEST_SKIP() << "no expected bias given";
  EXPECT_EQ(base::currentBiasMinutes(), std::atoi(expected));
}

}  // namespace
