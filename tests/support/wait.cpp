#include "support/wait.h"

#include <algorithm>

namespace test {

bool waitUntil(const std::function<bool()>& cond, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  for (;;) {
    if (cond()) return true;
    ULONGLONG now = GetTickCount64();
    if (now >= end) return cond();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    // Back at once for a message of this thread, else after a short while for another look.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min<ULONGLONG>(end - now, 20)), QS_ALLINPUT);
  }
}

bool handlePostedMessages(DWORD timeoutMs) {
  // Posted messages come in order: once a marker posted now arrives, all before it were handled.
  static const UINT marker = RegisterWindowMessageW(L"TestPostedMessagesMarker");
  if (!PostThreadMessageW(GetCurrentThreadId(), marker, 0, 0)) return false;
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.hwnd == nullptr && msg.message == marker) return true;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    ULONGLONG now = GetTickCount64();
    if (now >= end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min<ULONGLONG>(end - now, 20)), QS_ALLINPUT);
  }
}

}  // namespace test
