// A clipboard change held open by another program: tried again from the timer, given up ten
// seconds after the newest change, taken again after a change during a try.
#include "clock/clipboard/pending_clip_change.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

namespace {

using tockle::ClipTake;

// The pending change with its own clock; the clipboard is held for the first `busy` tries.
struct Rig {
  tockle::PendingClipChange pending;
  DWORD now = 1000;
  int busy = 0, tries = 0;
  bool timer = false;
  Rig() {
    pending.tickCount = [this] { return now; };
    pending.retryTimer = [this](bool run) { timer = run; };
    pending.take = [this] { return ++tries <= busy ? ClipTake::Busy : ClipTake::Done; };
  }
  void tick(DWORD ms) {
    now += ms;
    if (timer) pending.Retry();
  }
};

TEST(PendingClipChange, RetriedFromTheTimerUntilTakenOrTenSecondsAfterTheNewestChange) {
  Rig r;
  r.busy = 3;
  r.pending.Changed();
  EXPECT_TRUE(r.timer);
  r.tick(10), r.tick(10), r.tick(10);
  EXPECT_EQ(r.tries, 4);
  EXPECT_FALSE(r.timer || r.pending.pending());
  r.busy = 1000000;
  r.pending.Changed();
  r.tick(9990);
  // A newer change replaces the held one and gets its own ten seconds.
  r.pending.Changed();
  r.tick(9990);
  EXPECT_TRUE(r.timer && r.pending.pending());
  r.tick(10);
  EXPECT_FALSE(r.timer || r.pending.pending());
}

TEST(PendingClipChange, AChangeDuringATryIsTakenAfterItAndFailuresEndTheTry) {
  Rig r;
  // The try waits in a question box while the clipboard changes again.
  bool asked = false;
  r.pending.take = [&] {
    ++r.tries;
    if (!std::exchange(asked, true)) r.pending.Changed();
    return ClipTake::Done;
  };
  r.pending.Changed();
  EXPECT_EQ(r.tries, 2);
  r.pending.take = []() -> ClipTake { throw std::runtime_error("file error"); };
  EXPECT_THROW(r.pending.Changed(), std::runtime_error);
  EXPECT_FALSE(r.timer || r.pending.pending());
}

}  // namespace
