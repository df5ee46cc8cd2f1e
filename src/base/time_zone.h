// Time-zone biases: minutes from local time to UTC (UTC = local time + bias), with the zone's
// daylight saving when it is in force.
#pragma once

#include <windows.h>

#include "base/datetime.h"

namespace base {

// The bias of the zone tz at the moment utc. Taken from a moment in UTC, never from a local time,
// which the hour repeated at the end of summer time makes ambiguous.
int biasAt(const TIME_ZONE_INFORMATION& tz, DateTime utc);
// The system zone's bias in force now.
int currentBiasMinutes();

}  // namespace base
