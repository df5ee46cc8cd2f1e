// Why the clock could not write one of its files, as its messages say it (a held file: the history
// window's test).
#include <gtest/gtest.h>
#include <windows.h>

#include "base/files.h"
#include "base/text.h"
#include "clock/commands/file_problem_text.h"
#include "support/temp_folder.h"

namespace {

TEST(FileWriteProblem, AFolderAndAReadOnlyFileEachSayWhy) {
  test::TempFolder dir;
  ASSERT_TRUE(CreateDirectoryW(base::wide(dir.file("folder")).c_str(), nullptr));
  ASSERT_TRUE(base::writeFileAtomic(dir.file("ro"), "x"));
  SetFileAttributesW(base::wide(dir.file("ro")).c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(tockle::fileWriteProblemText(dir.file("folder")),
            " はファイルではありません(同じ名前のフォルダがあります)"_sj);
  EXPECT_EQ(tockle::fileWriteProblemText(dir.file("ro")), " に書き込めません(読み取り専用になっています)"_sj);
  SetFileAttributesW(base::wide(dir.file("ro")).c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
