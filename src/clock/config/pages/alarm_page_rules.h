// The alarm page's rules apart from its controls: times of day as the pickers hold them (never
// running into the next day's value), the window a new alarm opens with, the half-day limit of a
// window, and the program box's list.
#pragma once

#include <optional>
#include <string>

#include "base/datetime.h"

namespace tockle {

// The time of day of t (0 <= result < 1), also of a sum that passed midnight.
base::DateTime timeOfDay(base::DateTime t);
// The time of day with seconds and milliseconds cut off.
base::DateTime truncToMinute(base::DateTime t);

// A new alarm at now: from now to now + 0.003 day cut to the minute.
struct AlarmWindow {
  base::DateTime start = 0, end = 0;
};
AlarmWindow newAlarmWindow(base::DateTime now);

// Whether the window from start to end (past midnight when end is earlier) is longer than half a
// day; exactly half a day is allowed.
bool windowTooLong(base::DateTime start, base::DateTime end);
// The end that registering puts in place of one too far: start + half a day.
base::DateTime halfDayAfter(base::DateTime start);
// After the user moved the start: the end that keeps the window within half a day, or nullopt
// when the end may stay.
std::optional<base::DateTime> endAfterStartChange(base::DateTime start, base::DateTime end);

// The program box's ";"-separated list with one entry (a file or a special entry) added.
std::string appendProgram(const std::string& list, const std::string& entry);

}  // namespace tockle
