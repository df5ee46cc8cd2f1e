// Copied texts on their way into the history file. A text the file does not take at once (another
// program holds it, it is read-only, a folder stands in its place) stays here in memory, with the
// time it was copied, and is written again from a timer, oldest first, as soon as the file takes
// it; a later text never overtakes an earlier one. When the file still refuses a while after the
// first refusal the user is told once per run.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>

#include "clock/clipboard/clip_capture.h"

namespace tockle {

class HistoryBacklog {
 public:
  static constexpr UINT kRetryMs = 500;
  // How long the file may refuse before the user is told.
  static constexpr DWORD kTellAfterMs = 5000;

  // Writes one record to the file; raises (shared::EStreamError) when the file refuses it.
  std::function<void(const ClipRecord&)> write;
  // Starts (true) or stops the timer that calls Flush every kRetryMs.
  std::function<void(bool run)> retryTimer;
  // Tells the user that the file refuses the texts (once per run).
  std::function<void()> tellRefused;
  std::function<DWORD()> tickCount = [] { return GetTickCount(); };

  // Queues a copied text behind those still waiting and writes what the file takes.
  void Add(ClipRecord record);
  // Writes the waiting texts in order until the file refuses one.
  void Flush();
  // The texts not yet in the file, oldest first.
  const std::deque<ClipRecord>& waiting() const { return waiting_; }

 private:
  void SetTimer(bool run);
  std::deque<ClipRecord> waiting_;
  bool flushing_ = false;
  bool refusing_ = false;
  DWORD refusedSince_ = 0;
  bool told_ = false;
  bool timerRunning_ = false;
};

}  // namespace tockle
