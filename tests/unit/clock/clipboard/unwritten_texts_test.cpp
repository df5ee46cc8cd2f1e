// Texts the history file still refused at the clock's close are kept beside it, one new file per
// close, and reach the history in order at a later start, once the history takes them.
#include "clock/clipboard/unwritten_texts.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "base/datetime.h"
#include "base/files.h"
#include "base/handles.h"
#include "base/text.h"
#include "shared/history_file.h"
#include "support/temp_folder.h"

namespace {

TEST(UnwrittenTexts, KeptInANewFileAtEachCloseAndTakenIntoTheHistoryInOrderOnceItTakesThem) {
  test::TempFolder folder;
  const std::string history = folder.file("_history3");
  const base::DateTime t = base::now() - 1.0 / 24;
  auto minute = [&](int n) { return t + n / 1440.0; };
  tockle::TClipHistory limits;
  std::string kept;
  tockle::appendClipRecord(history, {minute(0), "a"}, limits, kept);

  EXPECT_EQ(tockle::keepUnwrittenTexts(history, {{minute(1), "b"}, {minute(2), "c"}}), history + ".unwritten");
  EXPECT_EQ(tockle::keepUnwrittenTexts(history, {{minute(3), "d"}}), history + ".unwritten2");

  {
    // Another program holds the history: nothing is lost, the kept files stay for the next start.
    base::FileHandle hold(
        CreateFileW(base::wide(history).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(hold);
    EXPECT_ANY_THROW(tockle::takeUnwrittenTexts(history, limits));
    EXPECT_EQ(tockle::unwrittenTextFiles(history).size(), 2u);
  }
  EXPECT_EQ(tockle::takeUnwrittenTexts(history, limits), 3);
  EXPECT_TRUE(tockle::unwrittenTextFiles(history).empty());
  auto records = shared::TKzHistoryFile(history).LoadRecords();
  ASSERT_EQ(records.size(), 4u);
  const char* newestFirst[] = {"d", "c", "b", "a"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(records[i].Text, newestFirst[i]);
    EXPECT_NEAR(records[i].Time, minute(3 - i), 1.0 / 86400);
  }
}

}  // namespace
