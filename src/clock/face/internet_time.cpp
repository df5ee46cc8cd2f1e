#include "clock/face/internet_time.h"

#include <cmath>
#include <cstdio>

#include "base/time_zone.h"

namespace tockle {

TKzInternetTime::TKzInternetTime() : Bias(base::currentBiasMinutes()) {}

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
