#include "clock/power/battery.h"

#include <gtest/gtest.h>

#include "base/datetime.h"

namespace {

using tockle::BatteryDisplayFor;

SYSTEM_POWER_STATUS status(BYTE ac, BYTE flags, BYTE percent) {
  SYSTEM_POWER_STATUS s{};
  s.ACLineStatus = ac;
  s.BatteryFlag = flags;
  s.BatteryLifePercent = percent;
  return s;
}

// What the clock shows for a battery text: it goes through the date-time format.
std::string shown(const std::string& text) { return base::formatDateTime(text, base::encodeDateTime(2026, 1, 1)); }

TEST(Battery, TextsByPowerLineAndPercentage) {
  EXPECT_EQ(BatteryDisplayFor(status(1, 1, 80)).Text, "\"[AC 80%\"] ");
  EXPECT_EQ(shown(BatteryDisplayFor(status(1, 1, 80)).Text), "[AC 80%] ");
  EXPECT_EQ(shown(BatteryDisplayFor(status(0, 2, 5)).Text), "[5%] ");
  EXPECT_EQ(shown(BatteryDisplayFor(status(255, 1, 100)).Text), "[?? 100%] ");
  EXPECT_EQ(BatteryDisplayFor(status(1, 255, 255)).Text, "\"[??]\"");
  EXPECT_EQ(shown(BatteryDisplayFor(status(0, 128, 255)).Text), "[??]");
}

TEST(Battery, ColoursByBatteryFlags) {
  EXPECT_EQ(BatteryDisplayFor(status(1, 8, 50)).Color, 0x008000u);  // charging: green
  EXPECT_EQ(BatteryDisplayFor(status(1, 9, 50)).Color, 0x008000u);  // charging comes first
  EXPECT_EQ(BatteryDisplayFor(status(0, 1, 90)).Color, 0xFF0000u);  // high: blue
  EXPECT_EQ(BatteryDisplayFor(status(0, 4, 3)).Color, 0x0000FFu);   // critical: red
  EXPECT_EQ(BatteryDisplayFor(status(0, 2, 20)).Color, 0u);         // low: black
  EXPECT_EQ(BatteryDisplayFor(status(1, 128, 255)).Color, 0u);      // no battery: black
  EXPECT_EQ(BatteryDisplayFor(status(255, 255, 255)).Color, 0u);    // unknown: black, not charging
}

}  // namespace
