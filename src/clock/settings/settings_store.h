// Reading and writing the clock's general settings under its registry key: every value with its
// type and its default, in the order the clock has always stored them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "clock/settings/clock_settings.h"
#include "shared/reg_ex.h"

namespace tockle {

// Size of the stored clipboard history record.
constexpr int kClipHistorySize = 28;

// Reads every value from the open key. What the fields hold when called are the defaults: a
// missing value, and a value stored with another type, leaves its field as it was, and every
// later value is still read. A clipboard history record of another size reads as the record's
// defaults.
void ReadClockSettings(shared::TKzRegEx& reg, TClockSettings& s);

// Writes every value but NoPoweroff (read, never written) to the open key. A write that fails
// raises shared::ERegistryException; what was written before it stays.
void WriteClockSettings(shared::TRegistry& reg, const TClockSettings& s);

}  // namespace tockle
