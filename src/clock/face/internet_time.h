// Internet time: the day divided into 1,000 beats counted from midnight at UTC+1, written as "@"
// and three digits. One object per formatting, so a change of the system's time zone shows at
// the next tick.
#pragma once

#include <windows.h>

#include <string>

#include "base/datetime.h"

namespace tockle {

class TKzInternetTime {
 public:
  // Reads the bias the system's time zone has in force now.
  TKzInternetTime();
  explicit TKzInternetTime(int bias) : Bias(bias) {}

  // Minutes from local time to UTC (UTC = local time + Bias), daylight saving included while it
  // is in force: the beats follow the real UTC time, which summer time does not move.
  int Bias = 0;

  // "@" and the beat of the local date-time t, truncated (a beat lasts 86.4 seconds).
  std::string FormatBeats(base::DateTime t) const;
};

}  // namespace tockle
