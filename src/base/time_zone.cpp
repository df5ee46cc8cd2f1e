#include "base/time_zone.h"

#include <cmath>

namespace base {

int biasAt(const TIME_ZONE_INFORMATION& tz, DateTime utc) {
  SYSTEMTIME u = toSystemTime(utc), local{};
  if (!SystemTimeToTzSpecificLocalTime(&tz, &u, &local)) return static_cast<int>(tz.Bias);
  return static_cast<int>(std::llround((utc - fromSystemTime(local)) * 1440.0));
}

int currentBiasMinutes() {
  TIME_ZONE_INFORMATION tz{};
  if (GetTimeZoneInformation(&tz) == TIME_ZONE_ID_INVALID) return 0;
  SYSTEMTIME st;
  GetSystemTime(&st);
  return biasAt(tz, fromSystemTime(st));
}

}  // namespace base
