#include "clock/clipboard/pending_clip_change.h"

namespace tockle {

void PendingClipChange::Changed() {
  // Whatever is pending, the clipboard no longer holds it: the newer change is what can still be
  // taken, and it gets its own ten seconds.
  pending_ = true;
  since_ = tickCount();
  if (taking_) {
    changedWhileTaking_ = true;
    return;
  }
  TakeNow();
}

void PendingClipChange::Retry() {
  if (!pending_ || taking_) return;
  TakeNow();
}

void PendingClipChange::Cancel() {
  pending_ = false;
  changedWhileTaking_ = false;
  SetTimer(false);
}

void PendingClipChange::TakeNow() {
  for (;;) {
    taking_ = true;
    changedWhileTaking_ = false;
    ClipTake result = ClipTake::Done;
    try {
      result = take ? take() : ClipTake::Done;
    } catch (...) {
      // A failed recording ends this change; one that came meanwhile is still tried.
      taking_ = false;
      pending_ = changedWhileTaking_;
      SetTimer(pending_);
      throw;
    }
    taking_ = false;
    if (!pending_) {
      // Cancelled while the try ran.
      SetTimer(false);
      return;
    }
    if (result == ClipTake::Busy) {
      if (tickCount() - since_ >= kGiveUpMs) {
        pending_ = false;
        SetTimer(false);
      } else {
        SetTimer(true);
      }
      return;
    }
    // Taken. A change that arrived during the try may have come after the read: take it too.
    if (!changedWhileTaking_) {
      pending_ = false;
      SetTimer(false);
      return;
    }
  }
}

void PendingClipChange::SetTimer(bool run) {
  if (run == timerRunning_) return;
  timerRunning_ = run;
  if (retryTimer) retryTimer(run);
}

}  // namespace tockle
