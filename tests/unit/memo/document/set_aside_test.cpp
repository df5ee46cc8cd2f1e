// Moving an old document aside and writing rescued text: nothing that exists is written over, and
// what was moved opens where it went.
#include "memo/document/set_aside.h"

#include <gtest/gtest.h>

#include "base/files.h"
#include "base/text.h"
#include "support/temp_folder.h"
#include "unit/memo/document/document_files.h"

namespace {

using memotest::storedTab;

TEST(SetAside, ASplitDocumentTakesItsOwnTabFilesAndCopiesSharedOnes) {
  test::TempFolder dir;
  ASSERT_TRUE(base::writeFileAtomic(dir.file("a.txt"), "alpha"));
  ASSERT_TRUE(base::writeFileAtomic(dir.file("s.txt"), "shared"));
  ASSERT_TRUE(base::writeFileAtomic(dir.file("other.ntd"), "[Tavelo Document Type III]\r\n;c\r\nS=s.txt\r\n"));
  ASSERT_TRUE(base::writeFileAtomic(dir.file("memo.ntd"),
                                    "[Tavelo Document Type III]\r\n;c\r\nA=a.txt\r\nS=s.txt\r\nM=gone.txt\r\n"));
  auto aside = memo::moveDocumentAside(dir.file("memo.ntd"));
  ASSERT_EQ(aside, dir.file("memo_旧\\"_sj));
  EXPECT_FALSE(base::fileExists(dir.file("memo.ntd")));
  EXPECT_FALSE(base::fileExists(dir.file("a.txt")));
  EXPECT_EQ(base::readFile(dir.file("s.txt")), "shared");  // the other document keeps its tab
  EXPECT_EQ(storedTab(*aside + "memo.ntd", "A"), "alpha");
  EXPECT_EQ(storedTab(*aside + "memo.ntd", "S"), "shared");
}

TEST(SetAside, AFailedMovePutsEverythingBack) {
  test::TempFolder dir;
  ASSERT_TRUE(base::writeFileAtomic(dir.file("a.txt"), "alpha"));
  ASSERT_TRUE(base::writeFileAtomic(dir.file("memo.ntd"), "[Tavelo Document Type III]\r\n;c\r\nA=a.txt\r\n"));
  // The index held open without sharing: its move fails after the tab file has gone.
  HANDLE held =
      CreateFileW(base::wide(dir.file("memo.ntd")).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(memo::moveDocumentAside(dir.file("memo.ntd")));
  CloseHandle(held);
  EXPECT_EQ(base::readFile(dir.file("a.txt")), "alpha");
  EXPECT_FALSE(base::folderExists(dir.file("memo_旧"_sj)));
}

}  // namespace
