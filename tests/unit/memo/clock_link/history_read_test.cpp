// Reading the clock's history file for the chooser: only ever read, never made; a held file is
// waited out, a damaged one gives what is intact.
#include "memo/clock_link/history_read.h"

#include <gtest/gtest.h>

#include "base/files.h"
#include "base/handles.h"
#include "base/text.h"
#include "shared/history_file.h"
#include "shared/stretchable_file.h"
#include "support/temp_folder.h"

namespace {

using memo::HistoryState;

// A history file of the texts, oldest first, one day apart.
std::string historyBytes(const std::vector<std::string>& texts) {
  shared::TMemoryStream m;
  double day = 46000;
  for (const std::string& t : texts) {
    shared::TKzStretchableFileOperation::WriteDouble(m, day++);
    shared::TKzStretchableFileOperation::WriteString(m, t);
  }
  return m.Bytes();
}

TEST(HistoryRead, GivesTheRecordsNewestFirstWithTheirDateTexts) {
  test::TempFolder dir;
  ASSERT_TRUE(base::writeFileAtomic(dir.file("_history3"), historyBytes({"古い"_sj, "新しい"_sj})));
  memo::HistoryRead r = memo::readHistoryFile(dir.file("_history3"));
  EXPECT_EQ(r.state, HistoryState::Read);
  ASSERT_EQ(r.items.size(), 4u);
  EXPECT_EQ(r.items[1], "新しい"_sj);
  EXPECT_EQ(r.items[3], "古い"_sj);
  EXPECT_EQ(r.items[0], shared::TKzHistoryFile::DateText(46001));
}

TEST(HistoryRead, ADamagedFileGivesItsIntactRecords) {
  test::TempFolder dir;
  std::string bytes = historyBytes({"a", "b"});
  bytes.resize(bytes.size() - 1);  // the last record cut off
  ASSERT_TRUE(base::writeFileAtomic(dir.file("_history3"), bytes));
  memo::HistoryRead r = memo::readHistoryFile(dir.file("_history3"));
  EXPECT_EQ(r.state, HistoryState::Damaged);
  ASSERT_EQ(r.items.size(), 2u);
  EXPECT_EQ(r.items[1], "a");
}

TEST(HistoryRead, AFileHeldByTheClockIsTriedAgainThenReported) {
  test::TempFolder dir;
  const std::string path = dir.file("_history3");
  ASSERT_TRUE(base::writeFileAtomic(path, historyBytes({"a"})));
  {
    // Held the way the clock holds it: opened without sharing.
    base::FileHandle held(
        CreateFileW(base::wide(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    EXPECT_EQ(memo::readHistoryFile(path, 3, 1).state, HistoryState::Held);
  }
  EXPECT_EQ(memo::readHistoryFile(path, 3, 1).state, HistoryState::Read);
  // The reader itself never keeps the clock out for longer than its read.
  base::FileHandle clock(
      CreateFileW(base::wide(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  EXPECT_TRUE(clock);
}

}  // namespace
