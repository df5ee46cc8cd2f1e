// Copied texts the history file refuses wait in memory, in order and with their times, are written
// from the timer once the file takes them, and the user hears of a lasting refusal once a run.
#include "clock/clipboard/history_backlog.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

using tockle::HistoryBacklog;

TEST(HistoryBacklog, RefusedTextsWaitReachTheFileInOrderAndALastingRefusalIsToldOnceARun) {
  HistoryBacklog backlog;
  DWORD now = 1000;
  bool refusing = false, timer = false;
  int told = 0;
  std::string file;
  backlog.tickCount = [&] { return now; };
  backlog.retryTimer = [&](bool run) { timer = run; };
  backlog.tellRefused = [&] { ++told; };
  backlog.write = [&](const tockle::ClipRecord& r) {
    if (refusing) throw std::runtime_error("held");
    file += r.text + "@" + std::to_string(static_cast<int>(r.time)) + " ";
  };
  auto tick = [&](DWORD ms) {
    now += ms;
    if (timer) backlog.Flush();
  };
  backlog.Add({1, "a"});
  refusing = true;
  backlog.Add({2, "b"});
  backlog.Add({3, "c"});
  tick(HistoryBacklog::kTellAfterMs - 1);
  EXPECT_EQ(backlog.waiting().size(), 2u);
  EXPECT_EQ(told, 0);
  for (int i = 0; i < 20; ++i) tick(HistoryBacklog::kRetryMs);
  EXPECT_EQ(told, 1);
  refusing = false;
  // A text copied once the file takes texts again goes behind the waiting ones.
  backlog.Add({4, "d"});
  EXPECT_EQ(file, "a@1 b@2 c@3 d@4 ");
  EXPECT_FALSE(timer);
  // A later refusal, however long, brings no second box.
  refusing = true;
  backlog.Add({5, "e"});
  tick(2 * HistoryBacklog::kTellAfterMs);
  refusing = false;
  tick(HistoryBacklog::kRetryMs);
  EXPECT_EQ(told, 1);
  EXPECT_EQ(file, "a@1 b@2 c@3 d@4 e@5 ");
}

}  // namespace
