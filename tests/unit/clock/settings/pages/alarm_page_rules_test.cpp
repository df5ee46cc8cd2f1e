// The alarm page's time rules: a new alarm's window, the half-day limit and the end that follows a
// moved start, all within one day; and the program box's list.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "clock/settings/pages/alarm_page_rules.h"
#include "unit/clock/alarm/alarm_test_util.h"

namespace {

using alarm_test::tod;

// Times compared to the second.
long long secs(base::DateTime t) { return std::llround(t * 86400); }

TEST(AlarmPageRules, NewWindowsStayWithinTheDay) {
  struct {
    base::DateTime now, start, end;
  } cases[] = {
      {alarm_test::at(2026, 5, 1, 12, 0, 40), tod(12, 0, 40), tod(12, 4)},   // 12:04:59.2 cut
      {alarm_test::at(2026, 5, 1, 23, 58, 30), tod(23, 58, 30), tod(0, 2)},  // past midnight
  };
  for (auto c : cases) {
    tockle::AlarmWindow w = tockle::newAlarmWindow(c.now);
    EXPECT_EQ(secs(w.start), secs(c.start));
    EXPECT_EQ(secs(w.end), secs(c.end));
  }
  EXPECT_EQ(secs(tockle::timeOfDay(tod(23, 50) + tod(0, 30))), secs(tod(0, 20)));
}

TEST(AlarmPageRules, HalfADayIsTheLongestWindow) {
  struct {
    base::DateTime start, end;
    bool tooLong;
    std::optional<base::DateTime> endAfterStartMoved;
  } cases[] = {
      {tod(22, 0), tod(9, 59), false, std::nullopt},  // past midnight, 11 h 59 min
      {tod(22, 0), tod(10, 0), false, std::nullopt},  // exactly half a day
      {tod(22, 0), tod(10, 1), true, tod(22, 4)},    {tod(9, 0), tod(8, 0), true, tod(9, 4)},
      {tod(9, 0), tod(9, 0), false, std::nullopt},
  };
  for (auto c : cases) {
    EXPECT_EQ(tockle::windowTooLong(c.start, c.end), c.tooLong) << secs(c.end);
    auto end = tockle::endAfterStartChange(c.start, c.end);
    ASSERT_EQ(end.has_value(), c.endAfterStartMoved.has_value());
    if (end) EXPECT_EQ(secs(*end), secs(*c.endAfterStartMoved));
  }
  base::DateTime end = tockle::halfDayAfter(tod(22, 0));
  EXPECT_EQ(secs(end), secs(tod(10, 0)));
  EXPECT_FALSE(tockle::windowTooLong(tod(22, 0, 0) + 0.123 / 86400, tockle::halfDayAfter(tod(22, 0) + 0.123 / 86400)));
}

TEST(AlarmPageRules, ProgramEntriesJoinWithSemicolons) {
  EXPECT_EQ(tockle::appendProgram("", "#SuspendWindows"), "#SuspendWindows");
  EXPECT_EQ(tockle::appendProgram("C:\\tools\\a.exe", "#SuspendWindows"), "C:\\tools\\a.exe;#SuspendWindows");
}

}  // namespace
