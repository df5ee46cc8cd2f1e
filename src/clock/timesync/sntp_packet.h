// The SNTP message (48 bytes, big-endian, time stamps as 32-bit seconds since 1900 plus a 32-bit
// binary fraction) and the arithmetic on a reply: what the client sends, which replies it trusts,
// and the clock offset a trusted reply gives.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "base/datetime.h"

namespace tockle::sntp {

inline constexpr size_t kMessageSize = 48;

// NTP time stamp: seconds in the high 32 bits, the binary fraction in the low 32 bits.
using Timestamp = uint64_t;

// UTC date-time <-> time stamp. The seconds field wraps in 2036: a time stamp whose top bit is
// clear counts from 2036-02-07 06:28:16 UTC, so a server's time after 2036 is not read as 1900.
Timestamp fromUtc(base::DateTime utc);
base::DateTime toUtc(Timestamp ts);

// Local time <-> UTC with a bias in minutes (UTC = local + bias; base::currentBiasMinutes()).
base::DateTime localToUtc(base::DateTime local, int biasMinutes);
base::DateTime utcToLocal(base::DateTime utc, int biasMinutes);

// A client request (version 3, mode 3) carrying the given transmit time stamp.
std::array<uint8_t, kMessageSize> makeRequest(Timestamp transmit);

struct Reply {
  int leap = 0;
  int version = 0;
  int mode = 0;
  int stratum = 0;
  Timestamp originate = 0;
  Timestamp receive = 0;
  Timestamp transmit = 0;
};

// Reads a reply and tells whether it answers the request that carried `sent` and arrived at
// `arrived` (both our UTC time stamps): at least 48 bytes, our transmit time stamp echoed as its
// originate time stamp, sent by a server (mode 4) or a broadcast server (mode 5) that is
// synchronised (leap indicator not 3, stratum 1 to 15), with receive and transmit time stamps
// other than 0, the reply sent no earlier than the request was received, and the four times in an
// order a real exchange can have. Anything else is no answer.
bool acceptReply(const uint8_t* data, size_t size, Timestamp sent, Timestamp arrived, Reply& reply);

// Clock offset and round-trip delay from the four times of an exchange (T1 request sent,
// T2 request received, T3 reply sent, T4 reply received), all in days.
struct Exchange {
  double offset;  // the local clock is behind the server by this much
  double delay;
};
Exchange measure(base::DateTime t1, base::DateTime t2, base::DateTime t3, base::DateTime t4);

}  // namespace tockle::sntp
