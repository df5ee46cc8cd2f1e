// The one way the tests wait: for a condition, with a time-out, never for a fixed time.
#pragma once

#include <windows.h>

#include <functional>

namespace test {

// Checks cond until it holds or timeoutMs passed, handling this thread's messages in between (so
// that timers and windows of the thread go on); the condition's last value.
bool waitUntil(const std::function<bool()>& cond, DWORD timeoutMs = 10000);

// Handles every message posted to this thread so far (hot keys, posted commands) and returns:
// what such a message does has been done, or will never be. False after timeoutMs.
bool handlePostedMessages(DWORD timeoutMs = 10000);

}  // namespace test
