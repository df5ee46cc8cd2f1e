// Conversions between the formats, the backup and its restore.
#include "unit/memo/document/memo_fixture.h"

namespace {

using namespace memotest;

const std::string kRtf = "{\\rtf1 rich\r\n}";

TEST_F(MemoFixture, SplitToSingleAndBack) {
  makeDocument(kTypeIII, {{"Plain", "p1\r\np2"}, {"Rich", kRtf}, {"Empty", ""}});
  ASSERT_TRUE(m.ConvertFormat(m.FileName, true, true));
  for (const char* f : {"Plain.txt", "Rich.rtf", "Empty.txt"}) EXPECT_FALSE(base::fileExists(file(f))) << f;
  std::string single = read(m.FileName);
  EXPECT_EQ(single,
            "<!--Tavelo Document Type II-->\r\n<!--Tavelo 3 for Windows 9x/NT-->\r\n<!--Begin Document-->\r\n"
            "Plain/*!/p1\\CrLf%p2\\CrLf%\r\nRich/*!/{\\rtf1 rich\\CrLf%}\\CrLf%\r\nEmpty/*!/\r\n"
            "<!--End Document-->\r\n");
  // Converting in the wrong direction does nothing.
  EXPECT_FALSE(m.ConvertFormat(m.FileName, true, true));
  m.SeparatedHeader = "t_";
  ASSERT_TRUE(m.ConvertFormat(m.FileName, false, true));
  EXPECT_EQ(read(m.FileName),
            "[Tavelo Document Type III]\r\n;Tavelo 3 for Windows 9x/NT\r\n"
            "Plain=t_Plain.txt\r\nRich=t_Rich.rtf\r\nEmpty=t_Empty.txt\r\n");
  EXPECT_EQ(read(file("t_Plain.txt")), "p1\r\np2\r\n");
  EXPECT_EQ(read(file("t_Rich.rtf")), kRtf + "\r\n");
  EXPECT_EQ(read(file("t_Empty.txt")), "");
  ASSERT_TRUE(m.LoadTabList());
  EXPECT_EQ(m.DocumentType, kTypeIII);
  EXPECT_EQ(m.TabList, (Names{"Plain", "Rich", "Empty"}));
}

TEST_F(MemoFixture, TabsWhoseNamesDifferInCaseOnlyKeepTheirTextsThroughConversionAndRestore) {
  const std::string single =
      "<!--Tavelo Document Type II-->\r\n<!--c-->\r\n<!--Begin Document-->\r\n"
      "Shop/*!/upper\\CrLf%\r\nshop/*!/lower\\CrLf%\r\n<!--End Document-->\r\n";
  write(m.FileName, single);
  ASSERT_TRUE(m.ConvertFormat(m.FileName, false, true));
  EXPECT_EQ(read(m.FileName),
            "[Tavelo Document Type III]\r\n;Tavelo 3 for Windows 9x/NT\r\n"
            "Shop=Shop.txt\r\nshop2=shop2.txt\r\n");
  ASSERT_TRUE(m.ConvertFormat(m.FileName, true, true));
  ASSERT_TRUE(m.LoadTabList());
  EXPECT_EQ(m.TabList, (Names{"Shop", "shop2"}));
  EXPECT_EQ(loadTab("Shop"), "upper\r\n");
  EXPECT_EQ(loadTab("shop2"), "lower\r\n");
  // Restored into a split document the same way.
  write(file("other.ntd"), kIndexHead);
  write(programDir.file("other.bak"), single);
  m.FileName = file("other.ntd");
  ASSERT_TRUE(m.RestoreBackup());
  ASSERT_TRUE(m.LoadTabList());
  EXPECT_EQ(m.TabList, (Names{"Shop", "shop2"}));
  EXPECT_EQ(loadTab("Shop"), "upper\r\n");
  EXPECT_EQ(loadTab("shop2"), "lower\r\n");
}

TEST_F(MemoFixture, AMissingTabFileConvertsAsAnEmptyTab) {
  makeDocument(kTypeIII, {{"A", "a"}, {"B", "b"}});
  base::deleteFile(file("A.txt"));
  ASSERT_TRUE(m.ConvertFormat(m.FileName, true, true));
  ASSERT_TRUE(m.LoadTabList());
  EXPECT_EQ(loadTab("A"), "");
  EXPECT_EQ(loadTab("B"), "b\r\n");
}

TEST_F(MemoFixture, ConversionRefusesNamesTheOtherFormatCannotHold) {
  makeDocument(kTypeII, {{"a=b", "x"}});
  std::string before = read(m.FileName);
  EXPECT_FALSE(m.ConvertFormat(m.FileName, false, true));
  EXPECT_EQ(read(m.FileName), before);
  makeDocument(kTypeIII, {{"a/*!/b", "x"}});
  before = read(m.FileName);
  EXPECT_FALSE(m.ConvertFormat(m.FileName, true, true));
  EXPECT_EQ(read(m.FileName), before);
  EXPECT_EQ(read(file("a!b.txt")), "x");
}

TEST_F(MemoFixture, SplittingWithoutMovingContentsIsRefused) {
  makeDocument(kTypeII, {{"A", "a"}});
  std::string before = read(m.FileName);
  EXPECT_FALSE(m.ConvertFormat(m.FileName, false, false));
  EXPECT_EQ(read(m.FileName), before);
}

TEST_F(MemoFixture, SplittingNeverOverwritesFilesOnDisk) {
  makeDocument(kTypeII, {{"A", "a"}});
  write(file("A.txt"), "someone else's");
  ASSERT_TRUE(m.ConvertFormat(m.FileName, false, true));
  EXPECT_EQ(read(file("A.txt")), "someone else's");
  EXPECT_EQ(read(file("A2.txt")), "a\r\n");
}

TEST_F(MemoFixture, BackupOfASplitDocumentLeavesItUntouched) {
  makeDocument(kTypeIII, {{"Plain", "p"}, {"Rich", kRtf}});
  std::string index = read(m.FileName);
  statuses.clear();
  ASSERT_TRUE(m.UpdateBackup());
  EXPECT_EQ(m.BackupPath(), programDir.file("memo.bak"));
  EXPECT_EQ(read(m.FileName), index);
  EXPECT_EQ(read(file("Plain.txt")), "p");
  EXPECT_EQ(read(file("Rich.rtf")), kRtf);
  EXPECT_FALSE(base::fileExists(file("_backup.tmp")));
  EXPECT_EQ(read(programDir.file("memo.bak")),
            "<!--Tavelo Document Type II-->\r\n<!--Tavelo 3 backup of " + m.FileName +
                "-->\r\n<!--Begin Document-->\r\nPlain/*!/p\\CrLf%\r\nRich/*!/{\\rtf1 rich\\CrLf%}\\CrLf%\r\n"
                "<!--End Document-->\r\n");
  EXPECT_EQ(statuses, Names{"バックアップしました -> "_sj + programDir.file("memo.bak")});
}

TEST_F(MemoFixture, BackupOfASingleDocumentCopiesItsTabs) {
  makeDocument(kTypeII, {{"A", "a"}, {"B", ""}});
  std::string doc = read(m.FileName);
  ASSERT_TRUE(m.UpdateBackup());
  EXPECT_EQ(read(m.FileName), doc);
  std::string bak = read(m.BackupPath());
  EXPECT_EQ(bak.substr(bak.find("<!--Begin")), doc.substr(doc.find("<!--Begin")));
}

TEST_F(MemoFixture, AFailedBackupIsReportedAsOne) {
  makeDocument(kTypeII, {{"A", "a"}});
  write(m.BackupPath(), "old backup");
  blockWrite(m.BackupPath());
  statuses.clear();
  EXPECT_FALSE(m.UpdateBackup());
  EXPECT_EQ(statuses, Names{"バックアップできませんでした -> "_sj + m.BackupPath()});
  unblockWrite(m.BackupPath());
  EXPECT_EQ(read(m.BackupPath()), "old backup");
  // No document: nothing to back up, nothing said.
  statuses.clear();
  m.FileName = file("none.ntd");
  EXPECT_FALSE(m.UpdateBackup());
  EXPECT_TRUE(statuses.empty());
}

TEST_F(MemoFixture, ADocumentNamedLikeItsBackupIsNotOverwritten) {
  m.FileName = programDir.file("memo.bak");
  makeDocument(kTypeIII, {{"A", "a"}});
  std::string before = read(m.FileName);
  EXPECT_FALSE(m.UpdateBackup());
  EXPECT_EQ(read(m.FileName), before);
}

TEST_F(MemoFixture, RestoreBringsBackADeletedTabFile) {
  makeDocument(kTypeIII, {{"A", "a\r\n"}, {"B", "b\r\n"}});
  ASSERT_TRUE(m.UpdateBackup());
  base::deleteFile(file("A.txt"));
  ASSERT_TRUE(m.SaveTab("B", "changed\r\n"));
  statuses.clear();
  ASSERT_TRUE(m.RestoreBackup());
  EXPECT_EQ(statuses, Names{"復元しました -> "_sj + m.FileName});
  ASSERT_TRUE(m.LoadTabList());
  EXPECT_EQ(m.TabList, (Names{"A", "B"}));
  EXPECT_EQ(loadTab("A"), "a\r\n");
  EXPECT_EQ(loadTab("B"), "b\r\n");
  EXPECT_EQ(read(file("A.txt")), "a\r\n");
  // Its own files are written over under the same names: no stray copies.
  EXPECT_EQ(read(m.FileName), "[Tavelo Document Type III]\r\n;Tavelo 3 for Windows 9x/NT\r\nA=A.txt\r\nB=B.txt\r\n");
  EXPECT_FALSE(base::fileExists(file("B2.txt")));
}

TEST_F(MemoFixture, RestoreReplacesASingleDocument) {
  makeDocument(kTypeII, {{"A", "a"}});
  ASSERT_TRUE(m.UpdateBackup());
  std::string before = read(m.FileName);
  ASSERT_TRUE(m.SaveTab("A", "changed"));
  ASSERT_TRUE(m.SaveTab("B", "new"));
  ASSERT_TRUE(m.RestoreBackup());
  std::string after = read(m.FileName);
  EXPECT_EQ(after.substr(after.find("<!--Begin")), before.substr(before.find("<!--Begin")));
  // The backup's own comment line does not come along.
  EXPECT_EQ(after.find("backup of"), std::string::npos);
}

TEST_F(MemoFixture, ABackupThatNamesNoDocumentIsRestored) {
  makeDocument(kTypeIII, {{"A", "a"}});
  write(m.BackupPath(),
        "<!--Tavelo Document Type II-->\r\n<!--x-->\r\n<!--Begin Document-->\r\nOld/*!/o\\CrLf%\r\n"
        "<!--End Document-->\r\n");
  ASSERT_TRUE(m.RestoreBackup());
  ASSERT_TRUE(m.LoadTabList());
  EXPECT_EQ(m.TabList, Names{"Old"});
  EXPECT_EQ(loadTab("Old"), "o\r\n");
  EXPECT_TRUE(base::fileExists(file("A.txt")));  // no longer named, but kept
}

TEST_F(MemoFixture, RestoreWithoutBackupChangesNothing) {
  makeDocument(kTypeIII, {{"A", "a"}});
  std::string before = read(m.FileName);
  EXPECT_FALSE(m.RestoreBackup());
  EXPECT_EQ(errors, Names{"バックアップファイル未発見|バックアップファイルが見つかりませんでした"_sj});
  EXPECT_EQ(read(m.FileName), before);
}

// Same-named documents share the backup: the one of a document elsewhere (this one before it moved)
// is restored only when the user says so.
class ForeignBackup : public MemoFixture, public testing::WithParamInterface<bool> {};

TEST_P(ForeignBackup, IsRestoredOnlyWhenTheUserConfirms) {
  CreateDirectoryW(base::wide(file("other")).c_str(), nullptr);
  memo::TKzMemoManager other;
  other.FileName = file("other\\memo.ntd");
  other.BackupFolder = programDir.path();
  write(other.FileName,
        "<!--Tavelo Document Type II-->\r\n<!--Begin Document-->\r\nX/*!/other\r\n<!--End Document-->\r\n");
  ASSERT_TRUE(other.UpdateBackup());
  makeDocument(kTypeII, {{"A", "mine"}});
  std::string before = read(m.FileName);
  confirmAnswer = GetParam();
  EXPECT_EQ(m.RestoreBackup(), confirmAnswer);
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0], "バックアップファイルの不一致|このバックアップファイルは別のメモファイルのものです\r\n"_sj +
                              other.FileName + "\r\n\r\nこのメモファイルに復元しますか？"_sj);
  EXPECT_TRUE(errors.empty());
  ASSERT_TRUE(m.LoadTabList());
  EXPECT_EQ(m.TabList, confirmAnswer ? Names{"X"} : Names{"A"});
  if (!confirmAnswer) EXPECT_EQ(read(m.FileName), before);
}

INSTANTIATE_TEST_SUITE_P(Answers, ForeignBackup, testing::Bool());

}  // namespace
