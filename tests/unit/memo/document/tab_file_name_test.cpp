#include "memo/document/tab_file_name.h"

#include <gtest/gtest.h>

#include "base/files.h"
#include "base/text.h"
#include "support/temp_folder.h"

using namespace memo;

namespace {

const base::Lines kHeader{"[Tavelo Document Type III]", ";c"};

class TabFileName : public ::testing::Test {
 protected:
  std::string make(std::string_view tab, std::string_view prefix = "", base::Lines index = kHeader) {
    return makeTabFileName(index, tab, prefix, dir.path());
  }
  void touch(const std::string& name) { ASSERT_TRUE(base::writeFileAtomic(dir.file(name), "x")); }
  test::TempFolder dir;
};

TEST_F(TabFileName, RemovesCharactersFileNamesCannotHold) {
  EXPECT_EQ(make("a:b", "x_"), "x_ab");
  EXPECT_EQ(make("C:\\notes\\a.txt"), "Cnotesa.txt");
  EXPECT_EQ(make("a,b;c*d?e\"f<g>h|i/j"), "abcdefghij");
  EXPECT_EQ(make("a\tb"), "ab");
  EXPECT_EQ(make("\\/:*?"), "Taveloタブファイル"_sj);
  // A prefix cannot lead out of the document's folder either.
  EXPECT_EQ(make("a", "..\\"), "..a");
}

TEST_F(TabFileName, KeepsDoubleByteCharactersWhoseSecondByteLooksLikeASeparator) {
  const std::string hyou = "\x95\x5C";  // 表
  const std::string so = "\x83\x7C";    // ポ (second byte 0x7C, "|")
  EXPECT_EQ(make(hyou + "\\" + so + "|"), hyou + so);
  EXPECT_EQ(make("x:" + hyou, "p_"), "p_x" + hyou);
}

TEST_F(TabFileName, NumbersAroundNamesTheIndexUsesIgnoringCase) {
  base::Lines index = kHeader;
  index.push_back("Memo=Memo.txt");
  index.push_back("Memo2=Memo2.rtf");
  EXPECT_EQ(make("Memo", "", index), "Memo3");
  EXPECT_EQ(make("MEMO", "", index), "MEMO3");
  index.push_back("x=ab.TXT");
  EXPECT_EQ(make("ab", "", index), "ab2");
}

TEST_F(TabFileName, NumbersAroundFilesOnDiskOfEitherKind) {
  touch("Notes.rtf");
  EXPECT_EQ(make("notes"), "notes2");
  touch("notes2.TXT");
  EXPECT_EQ(make("Notes"), "Notes3");
  touch("ab.txt.txt");
  EXPECT_EQ(make("ab.txt"), "ab.txt2");
}

TEST_F(TabFileName, NeverUsesDeviceNames) {
  EXPECT_EQ(make("con"), "_con");
  EXPECT_EQ(make("NUL"), "_NUL");
  EXPECT_EQ(make("aux"), "_aux");
  EXPECT_EQ(make("prn"), "_prn");
  EXPECT_EQ(make("com1"), "_com1");
  EXPECT_EQ(make("lpt3"), "_lpt3");
  EXPECT_EQ(make("con.log"), "_con.log");
  EXPECT_EQ(make("c:on"), "_con");
  EXPECT_EQ(make("console"), "console");
  EXPECT_EQ(make("com10"), "com10");
}

TEST_F(TabFileName, NumberingStartsAtTwo) {
  EXPECT_EQ(unusedTabBase(kHeader, "0", dir.path()), "0");
  touch("0.rtf");
  EXPECT_EQ(unusedTabBase(kHeader, "0", dir.path()), "02");
}

}  // namespace
