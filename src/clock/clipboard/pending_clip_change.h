// A clipboard change not yet taken into the history. Right after a change the clipboard is often
// still held open, by the program that made the change or by the system's clipboard manager, which
// reads every change; the change then stays pending and is tried again from a timer, so the GUI
// thread never waits, for up to ten seconds. A newer change takes its place only once it has been
// taken or the clipboard no longer holds it: a newer change replaced it there.
#pragma once

#include <windows.h>

#include <functional>

namespace tockle {

// What one try to take the clipboard gave.
enum class ClipTake {
  Done,  // taken (recorded, or nothing there to record)
  Busy,  // another program holds the clipboard open: try again
};

class PendingClipChange {
 public:
  static constexpr DWORD kGiveUpMs = 10000;
  static constexpr UINT kRetryMs = 10;

  // Tries to take the clipboard as it is now.
  std::function<ClipTake()> take;
  // Starts (true) or stops the timer that calls Retry every kRetryMs.
  std::function<void(bool run)> retryTimer;
  std::function<DWORD()> tickCount = [] { return GetTickCount(); };

  // The clipboard changed.
  void Changed();
  // The retry timer fired.
  void Retry();
  // Forgets a pending change (the history is no longer kept).
  void Cancel();
  bool pending() const { return pending_; }

 private:
  void TakeNow();
  void SetTimer(bool run);
  bool pending_ = false;
  // When the change now pending was seen: the ten seconds count from here.
  DWORD since_ = 0;
  // A try is running (it may wait in a question box, where further changes arrive).
  bool taking_ = false;
  bool changedWhileTaking_ = false;
  bool timerRunning_ = false;
};

}  // namespace tockle
