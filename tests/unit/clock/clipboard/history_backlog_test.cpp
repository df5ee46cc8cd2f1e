// Copied texts the history file refuses wait in memory, in order and with their times, are written
// from the timer once the file takes them, and the user hears of a lasting refusal once a run.
#include "clock/clipboard/history_backlog.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

using tockle::HistoryBacklog;

// The backlog with its own clock over a file that refuses while `refusing`.
struct Rig {
  HistoryBacklog backlog;
  DWORD now = 1000;
  bool refusing = false, timer = false;
  int told = 0;
  std::string file;
  Rig() {
    backlog.tickCount = [this] { return now; };
    backlog.retryTimer = [this](bool run) { timer = run; };
    backlog.tellRefused = [this] { ++told; };
    backlog.write = [this](const tockle::ClipRecord& r) {
      if (refusing) throw std::runtime_error("held");
      file += r.text + "@" + std::to_string(static_cast<int>(r.time)) + " ";
    };
  }
  void tick(DWORD ms) {
    now += ms;
    if (timer) backlog.Flush();
  }
};

TEST(HistoryBacklog, RefusedTextsWaitAndReachTheFileInOrderWithTheirTimes) {
  Rig r;
  r.backlog.Add({1, "a"});
  r.refusing = true;
  r.backlog.Add({2, "b"});
  r.backlog.Add({3, "c"});
  r.tick(HistoryBacklog::kRetryMs);
  EXPECT_EQ(r.backlog.waiting().size(), 2u);
  EXPECT_TRUE(r.timer);
  r.refusing = false;
  // A text copied once the file takes texts again goes behind the waiting ones.
  r.backlog.Add({4, "d"});
  EXPECT_EQ(r.file, "a@1 b@2 c@3 d@4 ");
  EXPECT_FALSE(r.timer);
  EXPECT_EQ(r.told, 0);
}

TEST(HistoryBacklog, ALastingRefusalIsToldOnceARun) {
  Rig r;
  r.refusing = true;
  r.backlog.Add({1, "a"});
  r.tick(HistoryBacklog::kTellAfterMs - 1);
  EXPECT_EQ(r.told, 0);
  for (int i = 0; i < 20; ++i) r.tick(HistoryBacklog::kRetryMs);
  EXPECT_EQ(r.told, 1);
  r.refusing = false;
  r.tick(HistoryBacklog::kRetryMs);
  r.refusing = true;
  r.backlog.Add({2, "b"});
  r.tick(2 * HistoryBacklog::kTellAfterMs);
  EXPECT_EQ(r.told, 1);
  r.refusing = false;
  r.tick(HistoryBacklog::kRetryMs);
  EXPECT_EQ(r.file, "a@1 b@2 ");
}

}  // namespace
