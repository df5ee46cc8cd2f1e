#include "clock/power/battery.h"

namespace tockle {

namespace {
constexpr BYTE kUnknown = 255;
constexpr ui::Color kGreen = 0x008000, kBlue = 0xFF0000, kRed = 0x0000FF, kBlack = 0;

ui::Color colourOf(BYTE flags) {
  // "Unknown" has every bit set; it is not a charging battery.
  if (flags == kUnknown) return kBlack;
  if (flags & BATTERY_FLAG_CHARGING) return kGreen;
  if (flags & BATTERY_FLAG_HIGH) return kBlue;
  if (flags & BATTERY_FLAG_CRITICAL) return kRed;
  return kBlack;
}
}  // namespace

TBatteryDisplay BatteryDisplayFor(const SYSTEM_POWER_STATUS& status) {
  TBatteryDisplay d;
  d.Color = colourOf(status.BatteryFlag);
  if (status.BatteryLifePercent == kUnknown) {
    d.Text = "\"[??]\"";
    return d;
  }
  const char* prefix = status.ACLineStatus == 1 ? "\"[AC " : status.ACLineStatus == kUnknown ? "\"[?? " : "\"[";
  d.Text = prefix + std::to_string(status.BatteryLifePercent) + "%\"] ";
  return d;
}

bool SystemPowerStatus(SYSTEM_POWER_STATUS& status) { return GetSystemPowerStatus(&status) != 0; }

}  // namespace tockle
