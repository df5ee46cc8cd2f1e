// The battery text of the clock's display format ("#b") and the colour the clock text takes with
// it, from the system power status.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/graphics.h"

namespace tockle {

struct TBatteryDisplay {
  // Written for the date-time format: the bracketed part is quoted, so "[AC 80%] " shows as is.
  std::string Text;
  ui::Color Color = 0;
};

TBatteryDisplay BatteryDisplayFor(const SYSTEM_POWER_STATUS& status);

// Where the power status comes from; tests choose their own.
using PowerStatusSource = std::function<bool(SYSTEM_POWER_STATUS&)>;
bool SystemPowerStatus(SYSTEM_POWER_STATUS& status);

}  // namespace tockle
