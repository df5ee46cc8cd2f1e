// The alarm page's list rows: one row per alarm, its check box the Enabled flag and twelve
// column texts (start, end, message flag, message, weekday letters, delete-after-notification
// flag, sound flag, sound path, last rung, loop flag, programs, every-hour flag).
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "clock/alarm/alarm_item.h"

namespace tockle {

struct AlarmRow {
  bool checked = false;
  std::array<std::string, 12> columns;
};

AlarmRow toRow(const TKzAlarmTockle& item);
// Every field from the row; a time text that does not read back is kept as it stands.
void fromRow(const AlarmRow& row, TKzAlarmTockle& item);

// A report-view list view with check boxes: replaces its rows, and reads them all.
void writeRows(HWND list, const std::vector<AlarmRow>& rows);
std::vector<AlarmRow> readRows(HWND list);

}  // namespace tockle
