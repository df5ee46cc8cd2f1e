#include "clock/timesync/sntp_packet.h"

#include <cmath>

namespace tockle::sntp {

namespace {
constexpr double kSecondsPerDay = 86400.0;
constexpr double kFraction = 4294967296.0;  // 2^32
// 1900-01-01 00:00 UTC as a date-time (days since 1899-12-30).
constexpr double kEra0 = 2.0;
constexpr double kEraSeconds = 4294967296.0;

uint64_t readBig(const uint8_t* p, int bytes) {
  uint64_t v = 0;
  for (int i = 0; i < bytes; ++i) v = (v << 8) | p[i];
  return v;
}

void writeBig(uint8_t* p, uint64_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) {
    p[i] = static_cast<uint8_t>(v & 0xFF);
    v >>= 8;
  }
}
}  // namespace

Timestamp fromUtc(base::DateTime utc) {
  // Our clock reads milliseconds; rounding to them keeps the double's last bits out of the stamp.
  long long ms = std::llround((utc - kEra0) * kSecondsPerDay * 1000.0);
  long long seconds = ms / 1000, rest = ms % 1000;
  if (rest < 0) {
    rest += 1000;
    --seconds;
  }
  uint64_t fraction = (static_cast<uint64_t>(rest) << 32) / 1000;
  return ((static_cast<uint64_t>(seconds) & 0xFFFFFFFFull) << 32) | fraction;
}

base::DateTime toUtc(Timestamp ts) {
  double seconds = static_cast<double>(ts >> 32);
  if ((ts >> 63) == 0) seconds += kEraSeconds;  // top bit clear: after 2036
  seconds += static_cast<double>(ts & 0xFFFFFFFFull) / kFraction;
  return kEra0 + seconds / kSecondsPerDay;
}

base::DateTime localToUtc(base::DateTime local, int biasMinutes) { return local + biasMinutes / 1440.0; }
base::DateTime utcToLocal(base::DateTime utc, int biasMinutes) { return utc - biasMinutes / 1440.0; }

std::array<uint8_t, kMessageSize> makeRequest(Timestamp transmit) {
  std::array<uint8_t, kMessageSize> m{};
  m[0] = 0x1B;  // leap indicator 0, version 3, mode 3 (client)
  writeBig(m.data() + 40, transmit, 8);
  return m;
}

bool acceptReply(const uint8_t* data, size_t size, Timestamp sent, Timestamp arrived, Reply& reply) {
  if (size < kMessageSize) return false;
  Reply r;
  r.leap = data[0] >> 6;
  r.version = (data[0] >> 3) & 7;
  r.mode = data[0] & 7;
  r.stratum = data[1];
  r.originate = readBig(data + 24, 8);
  r.receive = readBig(data + 32, 8);
  r.transmit = readBig(data + 40, 8);
  if (r.originate != sent) return false;
  if (r.mode != 4 && r.mode != 5) return false;
  if (r.stratum < 1 || r.stratum > 15) return false;
  if (r.leap == 3) return false;
  if (r.transmit == 0 || r.receive == 0) return false;
  // The server cannot answer before it was asked.
  const base::DateTime t1 = toUtc(sent), t2 = toUtc(r.receive), t3 = toUtc(r.transmit), t4 = toUtc(arrived);
  if (t3 < t2) return false;
  // The offset's sign must agree with the stamps' order: a server ahead of us received the
  // request after we sent it, one behind us sent the reply before we got it. A round trip that is
  // not negative keeps the offset between the two one-way differences, which gives both; a stamp
  // that breaks it (a receive stamp a year away) would move the clock by half its error. Our
  // clock's coarse ticks may make a true exchange look slightly negative.
  constexpr double kTolerance = 0.1 / kSecondsPerDay;
  if (measure(t1, t2, t3, t4).delay < -kTolerance) return false;
  reply = r;
  return true;
}

Exchange measure(base::DateTime t1, base::DateTime t2, base::DateTime t3, base::DateTime t4) {
  return Exchange{((t2 - t1) + (t3 - t4)) / 2, (t4 - t1) - (t3 - t2)};
}

}  // namespace tockle::sntp
