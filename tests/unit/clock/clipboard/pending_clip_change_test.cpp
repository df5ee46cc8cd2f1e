// A clipboard change held open by another program: tried again from the timer, given up after
// ten seconds, replaced only by a newer change, taken again after a change during a try.
#include "clock/clipboard/pending_clip_change.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <stdexcept>
#include <utility>

namespace {

using tockle::ClipTake;
using tockle::PendingClipChange;

// The pending change with a clock of its own and scripted results of the tries.
struct Rig {
  PendingClipChange pending;
  DWORD now = 1000;
  std::deque<ClipTake> results;  // then Done
  int tries = 0;
  bool timer = false;
  std::function<void()> duringTry;
  Rig() {
    pending.tickCount = [this] { return now; };
    pending.retryTimer = [this](bool run) { timer = run; };
    pending.take = [this] {
      ++tries;
      if (duringTry) std::exchange(duringTry, nullptr)();
      if (results.empty()) return ClipTake::Done;
      ClipTake r = results.front();
      results.pop_front();
      return r;
    };
  }
  // The timer fires after ms.
  void tick(DWORD ms) {
    now += ms;
    if (timer) pending.Retry();
  }
};

TEST(PendingClipChange, HeldClipboardIsTriedAgainFromTheTimerUntilTaken) {
  Rig r;
  r.results = {ClipTake::Busy, ClipTake::Busy};
  r.pending.Changed();
  EXPECT_EQ(r.tries, 1);
  EXPECT_TRUE(r.timer);
  r.tick(10);
  r.tick(10);
  EXPECT_EQ(r.tries, 3);
  EXPECT_FALSE(r.timer);
  EXPECT_FALSE(r.pending.pending());
  // A free clipboard needs no timer.
  r.pending.Changed();
  EXPECT_EQ(r.tries, 4);
  EXPECT_FALSE(r.timer);
}

TEST(PendingClipChange, GivesUpTenSecondsAfterTheChangeUnlessANewerOneCame) {
  Rig r;
  r.results.assign(3000, ClipTake::Busy);
  r.pending.Changed();
  r.tick(9990);
  EXPECT_TRUE(r.pending.pending());
  // A newer change replaces the held one and gets its own ten seconds.
  r.pending.Changed();
  r.tick(9990);
  EXPECT_TRUE(r.pending.pending());
  EXPECT_TRUE(r.timer);
  r.tick(10);
  EXPECT_FALSE(r.pending.pending());
  EXPECT_FALSE(r.timer);
  int tries = r.tries;
  r.tick(10);
  EXPECT_EQ(r.tries, tries);
}

TEST(PendingClipChange, AChangeDuringATryIsTakenAfterIt) {
  Rig r;
  // The try waits in a question box while the clipboard changes again.
  r.duringTry = [&] { r.pending.Changed(); };
  r.pending.Changed();
  EXPECT_EQ(r.tries, 2);
  EXPECT_FALSE(r.pending.pending());
}

TEST(PendingClipChange, CancelAndAFailingTryLeaveNothingPending) {
  Rig r;
  r.results = {ClipTake::Busy};
  r.pending.Changed();
  r.pending.Cancel();
  EXPECT_FALSE(r.timer);
  r.tick(10);
  EXPECT_EQ(r.tries, 1);
  r.pending.take = []() -> ClipTake { throw std::runtime_error("file error"); };
  EXPECT_THROW(r.pending.Changed(), std::runtime_error);
  EXPECT_FALSE(r.pending.pending());
  EXPECT_FALSE(r.timer);
}

}  // namespace
