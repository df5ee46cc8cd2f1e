// Reading and writing the clock's general settings under its registry key: every value with its
// type, in the order the clock has always stored them. The defaults are what TClockSettings holds.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

#include "clock/settings/clock_settings.h"
#include "shared/reg_ex.h"
#include "shared/setting_table.h"

namespace tockle {

using ClockSettingTable = shared::SettingTable<TClipHistory>;

// Every value the clock writes, bound to the fields of s, in the order they are written.
ClockSettingTable clockSettingFields(TClockSettings& s);

// Reads every value from the open key. What the fields hold when called are the defaults: a
// missing value, and a value stored with another type, leaves its field as it was, and every
// later value is still read. A launcher icon size the settings page does not offer also leaves
// its field. NoPoweroff is read, never written.
void ReadClockSettings(shared::TKzRegEx& reg, TClockSettings& s);

// Writes every value of the table to the open key. A write that fails raises
// shared::ERegistryException; what was written before it stays.
void WriteClockSettings(shared::TRegistry& reg, const TClockSettings& s);

// Size of the stored clipboard history record.
constexpr int kClipHistorySize = 28;

// The clipboard history record: its six numbers little-endian, its two flags, two bytes of
// padding. A record of another size reads as the record's defaults.
void readSetting(shared::TKzRegEx& r, std::string_view name, TClipHistory& h);
void writeSetting(shared::TRegistry& r, std::string_view name, const TClipHistory& h);

}  // namespace tockle
