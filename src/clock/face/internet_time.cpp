#include "clock/face/internet_time.h"

#include <cmath>
#include <cstdio>

namespace tockle {

TKzInternetTime::TKzInternetTime() {
  TIME_ZONE_INFORMATION tz{};
  DWORD id = GetTimeZoneInformation(&tz);
  Bias = id == TIME_ZONE_ID_INVALID ? 0 : BiasOf(tz, id);
}

int TKzInternetTime::BiasOf(const TIME_ZONE_INFORMATION& tz, DWORD zoneId) {
  if (zoneId == TIME_ZONE_ID_DAYLIGHT) return tz.Bias + tz.DaylightBias;
  if (zoneId == TIME_ZONE_ID_STANDARD) return tz.Bias + tz.StandardBias;
  return tz.Bias;
}

std::string TKzInternetTime::FormatBeats(base::DateTime t) const {
  // Whole milliseconds of the day at UTC+1: counting in integers keeps a time just before a beat
  // boundary in the lower beat and one on the boundary in the next.
  constexpr long long kDay = 86400000;
  long long ms = std::llround(t * kDay) + static_cast<long long>(Bias) * 60000 + 3600000;
  ms %= kDay;
  if (ms < 0) ms += kDay;
  char buf[8];
  std::snprintf(buf, sizeof buf, "@%03d", static_cast<int>(ms * 1000 / kDay));
  return buf;
}

}  // namespace tockle
