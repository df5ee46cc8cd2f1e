#include "clock/config/pages/alarm_page_rules.h"

#include "clock/alarm/alarm_item.h"

namespace tockle {

namespace {
constexpr double kDayMs = 86400000.0;
constexpr long long kHalfDayMs = 43200000;
constexpr double kNewAlarmLength = 0.003;  // 4 minutes 19.2 seconds
}  // namespace

base::DateTime timeOfDay(base::DateTime t) { return static_cast<double>(TKzBasicAlarmItem::msOfDay(t)) / kDayMs; }

base::DateTime truncToMinute(base::DateTime t) {
  long long ms = TKzBasicAlarmItem::msOfDay(t);
  return static_cast<double>(ms - ms % 60000) / kDayMs;
}

AlarmWindow newAlarmWindow(base::DateTime now) {
  base::DateTime start = timeOfDay(now);
  return {start, truncToMinute(start + kNewAlarmLength)};
}

bool windowTooLong(base::DateTime start, base::DateTime end) {
  return TKzBasicAlarmItem::windowLength(start, end) > kHalfDayMs;
}

base::DateTime halfDayAfter(base::DateTime start) {
  // In whole milliseconds, so that the window is exactly half a day and passes the check.
  return static_cast<double>((TKzBasicAlarmItem::msOfDay(start) + kHalfDayMs) % 86400000) / kDayMs;
}

std::optional<base::DateTime> endAfterStartChange(base::DateTime start, base::DateTime end) {
  if (!windowTooLong(start, end)) return std::nullopt;
  return truncToMinute(start + kNewAlarmLength);
}

std::string appendProgram(const std::string& list, const std::string& entry) {
  return list.empty() ? entry : list + ";" + entry;
}

}  // namespace tockle
