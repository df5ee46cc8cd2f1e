// Why the clock could not write one of its files, as its messages say it.
#include <gtest/gtest.h>
#include <windows.h>

#include "base/files.h"
#include "base/handles.h"
#include "base/text.h"
#include "clock/commands/file_problem_text.h"
#include "support/temp_folder.h"

namespace {

TEST(FileWriteProblem, AFolderAReadOnlyFileAndAHeldFileEachSayWhy) {
  test::TempFolder dir;
  const std::string folder = dir.file("folder"), readOnly = dir.file("ro"), held = dir.file("held");
  ASSERT_TRUE(CreateDirectoryW(base::wide(folder).c_str(), nullptr));
  ASSERT_TRUE(base::writeFileAtomic(readOnly, "x") && base::writeFileAtomic(held, "x"));
  SetFileAttributesW(base::wide(readOnly).c_str(), FILE_ATTRIBUTE_READONLY);
  base::FileHandle hold(CreateFileW(base::wide(held).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  EXPECT_EQ(tockle::fileWriteProblemText(folder), " はファイルではありません(同じ名前のフォルダがあります)"_sj);
  EXPECT_EQ(tockle::fileWriteProblemText(readOnly), " に書き込めません(読み取り専用になっています)"_sj);
  EXPECT_EQ(tockle::fileWriteProblemText(held), " に書き込めません(ほかのプログラムが使用中です)"_sj);
  SetFileAttributesW(base::wide(readOnly).c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
