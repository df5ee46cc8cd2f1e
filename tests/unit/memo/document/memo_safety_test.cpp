// Hostile indexes and failed writes: nothing outside the document's folder is touched, and a
// failure leaves every tab's old content.
#include "unit/memo/document/memo_fixture.h"

#include <algorithm>
#include <functional>

#include "support/host_link.h"

namespace {

using namespace memotest;

class HostileIndex : public MemoFixture {
 protected:
  HostileIndex() {
    // The document lives in a sub-folder; the sentinel lies beside that folder.
    CreateDirectoryW(base::wide(file("doc")).c_str(), nullptr);
    m.FileName = file("doc\\memo.ntd");
    write(file("x.txt"), "sentinel");
  }
};

TEST_F(HostileIndex, EntriesOutsideTheFolderAreNeitherReadWrittenNorDeleted) {
  const std::string outside = file("x.txt");
  write(m.FileName, kIndexHead + "Up=..\\x.txt\r\nAbs=" + outside + "\r\nSlash=../x.txt\r\nEmpty=\r\n=x.txt\r\n");
  ASSERT_TRUE(m.LoadTabList());
  EXPECT_EQ(m.TabList, (Names{"Up", "Abs", "Slash", "Empty", ""}));
  for (const auto& name : m.TabList) {
    std::string s = "old";
    EXPECT_FALSE(m.LoadTab(name, s)) << name;
    EXPECT_EQ(s, "");
  }
  EXPECT_EQ(m.CurrentTabFile, "");
  // Saving gives such a tab a proper file of its own beside the index.
  ASSERT_TRUE(m.SaveTab("Up", "written"));
  EXPECT_EQ(read(file("doc\\Up.txt")), "written");
  ASSERT_TRUE(m.SaveTab("Abs", "{\\rtf1 r}"));
  ASSERT_TRUE(m.DeleteTab("Slash"));
  ASSERT_TRUE(m.ApplyTabList({"Up"}));
  ASSERT_TRUE(m.ConvertFormat(m.FileName, true, true));
  EXPECT_EQ(read(outside), "sentinel");
  EXPECT_FALSE(base::fileExists(file("Up.txt")));
}

TEST_F(HostileIndex, BackupAndConversionReadNothingOutside) {
  write(m.FileName, kIndexHead + "Up=..\\x.txt\r\nDrive=C:x.txt\r\n");
  ASSERT_TRUE(m.LoadTabList());
  ASSERT_TRUE(m.UpdateBackup());
  std::string bak = read(m.BackupPath());
  EXPECT_EQ(bak.find("sentinel"), std::string::npos);
  EXPECT_NE(bak.find("\r\nUp/*!/\r\nDrive/*!/\r\n"), std::string::npos);
  ASSERT_TRUE(m.ConvertFormat(m.FileName, true, true));
  EXPECT_EQ(read(file("x.txt")), "sentinel");
  EXPECT_EQ(read(m.FileName).find("sentinel"), std::string::npos);
}

TEST_F(HostileIndex, DeviceNamesAreNeverOpened) {
  write(m.FileName, kIndexHead + "Con=CON.txt\r\nNul=nul\r\n");
  ASSERT_TRUE(m.LoadTabList());
  std::string s;
  EXPECT_FALSE(m.LoadTab("Con", s));
  EXPECT_FALSE(m.LoadTab("Nul", s));
  ASSERT_TRUE(m.SaveTab("Con", "x"));
  EXPECT_EQ(read(file("doc\\_Con.txt")), "x");
}

// A tab file that is a link to a file outside the folder is shown, but whatever would write over or
// remove the tab's file leaves the link and what it points to alone.
struct LinkOperation {
  const char* name;
  std::function<bool(memo::TKzMemoManager&)> run;
};

class LinkedTabFile : public HostileIndex, public testing::WithParamInterface<LinkOperation> {};

TEST_P(LinkedTabFile, IsReadButNeverWrittenOverOrDeletedThroughTheLink) {
  ASSERT_TRUE(test::makeSymbolicLink(file("doc\\a.txt"), file("x.txt")));
  write(m.FileName, kIndexHead + "A=a.txt\r\nB=b.txt\r\n");
  write(file("doc\\b.txt"), "b");
  ASSERT_TRUE(m.LoadTabList());
  EXPECT_EQ(loadTab("A"), "sentinel");
  ASSERT_TRUE(m.UpdateBackup());
  EXPECT_TRUE(GetParam().run(m));
  EXPECT_EQ(read(file("x.txt")), "sentinel");
  EXPECT_TRUE(base::isLinkedFile(file("doc\\a.txt")));
}

INSTANTIATE_TEST_SUITE_P(
    Operations, LinkedTabFile,
    testing::Values(LinkOperation{"Save",
                                  [](auto& m) {
                                    std::string s;
                                    return m.SaveTab("A", "typed") && m.LoadTab("A", s) && s == "typed";
                                  }},
                    LinkOperation{"SaveAsRichText", [](auto& m) { return m.SaveTab("A", "{\\rtf1 r}"); }},
                    LinkOperation{"Delete", [](auto& m) { return m.DeleteTab("A"); }},
                    LinkOperation{"ApplyWithout", [](auto& m) { return m.ApplyTabList({"B"}); }},
                    LinkOperation{"ConvertToOneFile", [](auto& m) { return m.ConvertFormat(m.FileName, true, true); }},
                    LinkOperation{"Restore", [](auto& m) { return m.RestoreBackup(); }}),
    [](const testing::TestParamInfo<LinkOperation>& info) { return std::string(info.param.name); });

TEST_F(MemoFixture, OpeningADocumentRemovesWhatAKilledSaveLeftBehind) {
  makeDocument(kTypeIII, {{"A", "a"}});
  for (const char* name : {"memo.ntd.~tmp", "A.txt.~tmp", "New.rtf.~tmp", "keep.dat.~tmp"}) write(file(name), "half");
  write(m.BackupPath() + ".~tmp", "half");
  ASSERT_TRUE(m.LoadTabList());
  EXPECT_EQ(base::leftoverTemps(dir.path()), Names{"keep.dat"});
  EXPECT_FALSE(base::fileExists(m.BackupPath() + ".~tmp"));
  EXPECT_EQ(loadTab("A"), "a");
}

TEST_F(MemoFixture, AFailedTypeIISaveKeepsTheDocument) {
  makeDocument(kTypeII, {{"A", "a"}, {"B", "b"}});
  std::string before = read(m.FileName);
  blockWrite(m.FileName);
  EXPECT_FALSE(m.SaveTab("A", "new"));
  EXPECT_FALSE(m.SaveTab("C", "new"));
  EXPECT_FALSE(m.ApplyTabList({"B"}));
  EXPECT_FALSE(m.RenameTab("A", "Z"));
  EXPECT_FALSE(m.DeleteTab("A"));
  EXPECT_EQ(m.TabList, (Names{"A", "B"}));
  unblockWrite(m.FileName);
  EXPECT_EQ(read(m.FileName), before);
}

TEST_F(MemoFixture, AFailedTypeIIITabWriteKeepsTheOldContent) {
  makeDocument(kTypeIII, {{"A", "a"}});
  blockWrite(file("A.txt"));
  EXPECT_FALSE(m.SaveTab("A", "new"));
  EXPECT_EQ(read(file("A.txt")), "a");
}

TEST_F(MemoFixture, AFailedIndexWriteUndoesTheNewTabFile) {
  makeDocument(kTypeIII, {{"A", "a"}});
  std::string before = read(m.FileName);
  changes.clear();
  blockWrite(m.FileName);
  EXPECT_FALSE(m.SaveTab("B", "b"));
  EXPECT_FALSE(base::fileExists(file("B.txt")));
  // A change of kind needs the index too: the old plain file stays, the rich one goes.
  EXPECT_FALSE(m.SaveTab("A", "{\\rtf1 rich}"));
  EXPECT_EQ(read(file("A.txt")), "a");
  EXPECT_FALSE(base::fileExists(file("A.rtf")));
  EXPECT_FALSE(m.ApplyTabList({"N", "A"}));
  EXPECT_FALSE(base::fileExists(file("N.txt")));
  EXPECT_FALSE(m.DeleteTab("A"));
  EXPECT_EQ(read(file("A.txt")), "a");
  unblockWrite(m.FileName);
  EXPECT_EQ(read(m.FileName), before);
  EXPECT_EQ(m.TabList, Names{"A"});
  EXPECT_TRUE(changes.empty());
}

TEST_F(MemoFixture, ConversionToSplitFailingHalfwayKeepsTheSingleFile) {
  makeDocument(kTypeII, {{"A", "a"}, {"B", "b"}, {"C", "c"}});
  std::string before = read(m.FileName);
  blockWrite(file("B.txt"));
  EXPECT_FALSE(m.ConvertFormat(m.FileName, false, true));
  unblockWrite(file("B.txt"));
  EXPECT_EQ(read(m.FileName), before);
  EXPECT_FALSE(base::fileExists(file("A.txt")));
  // And failing at the index: every written tab file is taken back.
  blockWrite(m.FileName);
  EXPECT_FALSE(m.ConvertFormat(m.FileName, false, true));
  unblockWrite(m.FileName);
  EXPECT_EQ(read(m.FileName), before);
  for (const char* f : {"A.txt", "B.txt", "C.txt"}) EXPECT_FALSE(base::fileExists(file(f))) << f;
}

TEST_F(MemoFixture, ConversionToSingleFailingKeepsEveryTabFile) {
  makeDocument(kTypeIII, {{"A", "a"}, {"B", "b"}});
  std::string before = read(m.FileName);
  blockWrite(m.FileName);
  EXPECT_FALSE(m.ConvertFormat(m.FileName, true, true));
  unblockWrite(m.FileName);
  EXPECT_EQ(read(m.FileName), before);
  EXPECT_EQ(read(file("A.txt")), "a");
  EXPECT_EQ(read(file("B.txt")), "b");
}

}  // namespace
