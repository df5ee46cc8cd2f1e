// The alarm request the memo sends to the running clock: the selected text as the message of a
// new alarm, in one WM_COPYDATA (dwData 1, the text without terminator, at most 256 bytes).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace memo {

inline constexpr char kClockTitle[] = "Tockle 3 for Windows 9x/NT by Ruxel";
inline constexpr size_t kAlarmRequestBytes = 256;

// The clock's main window, found by its exact title; nullptr while the clock does not run.
HWND findClockWindow();

// The bytes a selection is sent as: its first 256 bytes (never half a double-byte character),
// then every line break as one blank (a CR whose LF the cut left behind too).
std::string alarmRequestText(std::string_view selection);

// Sends the request to the clock's window from sender; false when the clock does not run or the
// text is empty (nothing is sent). The call returns once the clock has handled the request.
bool sendAlarmRequest(HWND sender, std::string_view text);

}  // namespace memo
