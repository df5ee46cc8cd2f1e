#include "clock/clipboard/history_backlog.h"

#include <exception>

namespace tockle {

void HistoryBacklog::Add(ClipRecord record) {
  waiting_.push_back(std::move(record));
  Flush();
}

void HistoryBacklog::Flush() {
  // A question box of a write (or the notice) runs a message loop in which the timer fires again.
  if (flushing_) return;
  bool tell = false;
  {
    struct Flushing {
      bool& flag;
      ~Flushing() { flag = false; }
    } flushing{flushing_ = true};
    try {
      while (!waiting_.empty()) {
        write(waiting_.front());
        waiting_.pop_front();
      }
      refusing_ = false;
    } catch (const std::exception&) {
      // Whatever failed, the text stays for the next try: an error raised at every try would
      // bring a box at every tick.
      if (!refusing_) {
        refusing_ = true;
        refusedSince_ = tickCount();
      }
      tell = !told_ && tickCount() - refusedSince_ >= kTellAfterMs;
      told_ = told_ || tell;
    }
  }
  SetTimer(!waiting_.empty());
  if (tell && tellRefused) tellRefused();
}

void HistoryBacklog::SetTimer(bool run) {
  if (run == timerRunning_) return;
  timerRunning_ = run;
  if (retryTimer) retryTimer(run);
}

}  // namespace tockle
