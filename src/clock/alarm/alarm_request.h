// The alarm request another program (the memo) sends with WM_COPYDATA: a message text for a new
// alarm.
#pragma once

#include <windows.h>

#include <string>

namespace tockle {

// Longest request text, in bytes.
inline constexpr size_t kAlarmRequestBytes = 256;

// The request's text: the first cbData bytes, ending early at a NUL byte, cut to 256 bytes on a
// character boundary, trimmed of blanks and control characters. "" for a missing or empty
// request.
std::string alarmRequestText(const COPYDATASTRUCT* data);

}  // namespace tockle
