// The atomic write's refusals and the file tests the document code relies on.
#include "base/files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "base/text.h"
#include "support/host_link.h"
#include "support/temp_folder.h"

namespace {

class Files : public testing::Test {
 protected:
  std::string path(const std::string& name) { return dir.file(name); }
  void write(const std::string& name, const std::string& bytes) {
    ASSERT_TRUE(base::writeFileAtomic(path(name), bytes));
  }
  void makeReadOnly(const std::string& name) {
    ASSERT_TRUE(SetFileAttributesW(base::wide(path(name)).c_str(), FILE_ATTRIBUTE_READONLY));
  }
  test::TempFolder dir;
  test::TempFolder elsewhere;
};

TEST_F(Files, AReadOnlyFileIsNeverReplacedByTheAtomicWrite) {
  write("doc.ntd", "old");
  makeReadOnly("doc.ntd");
  SetLastError(0);
  EXPECT_FALSE(base::writeFileAtomic(path("doc.ntd"), "new"));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  // Nor by its halves: a temporary file made before the attribute was set is not moved over it.
  write("other.txt", "old");
  std::string temp = base::writeTempBeside(path("other.txt"), "new");
  ASSERT_FALSE(temp.empty());
  makeReadOnly("other.txt");
  EXPECT_FALSE(base::replaceWithTemp(temp, path("other.txt")));
  EXPECT_TRUE(base::writeTempBeside(path("other.txt"), "new").empty());
  for (const char* name : {"doc.ntd", "other.txt"}) {
    EXPECT_EQ(base::readFile(path(name)), "old") << name;
    EXPECT_EQ(GetFileAttributesW(base::wide(path(name)).c_str()) & FILE_ATTRIBUTE_READONLY,
              static_cast<DWORD>(FILE_ATTRIBUTE_READONLY))
        << name;
  }
  EXPECT_TRUE(base::leftoverTemps(dir.path()).empty());
}

TEST_F(Files, ALinkIsToldFromAFileAndFromAFileReachedThroughALinkedFolder) {
  ASSERT_TRUE(base::writeFileAtomic(elsewhere.file("target.txt"), "outside"));
  write("plain.txt", "inside");
  ASSERT_TRUE(test::makeSymbolicLink(path("link.txt"), elsewhere.file("target.txt")));
  ASSERT_TRUE(test::makeSymbolicLink(path("folder"), elsewhere.path()));
  EXPECT_EQ(base::readFile(path("link.txt")), "outside");
  EXPECT_TRUE(base::isLinkedFile(path("link.txt")));
  EXPECT_TRUE(base::isLinkedFile(path("LINK.TXT")));
  EXPECT_FALSE(base::isLinkedFile(path("plain.txt")));
  EXPECT_FALSE(base::isLinkedFile(path("PLAIN.TXT")));
  EXPECT_FALSE(base::isLinkedFile(path("folder\\target.txt")));
  EXPECT_FALSE(base::isLinkedFile(path("none.txt")));
  EXPECT_FALSE(base::isLinkedFile(path("folder")));
}

TEST_F(Files, LeftoverTempsAreTheTemporaryFilesOfTheFolder) {
  write("a.txt.~tmp", "");
  write("memo.ntd.~TMP", "");
  write("b.txt.~tmpx", "");
  write("c.txt", "");
  ASSERT_TRUE(CreateDirectoryW(base::wide(path("d.txt.~tmp")).c_str(), nullptr));
  auto names = base::leftoverTemps(dir.path());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"a.txt", "memo.ntd"}));
  EXPECT_EQ(base::tempBeside(path("a.txt")), path("a.txt.~tmp"));
}

}  // namespace
