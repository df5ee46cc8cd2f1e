// Tab list operations: rename, delete, apply, create; missing and unknown documents.
#include "unit/memo/document/memo_fixture.h"

namespace {

using namespace memotest;

TEST_F(MemoFixture, RenamingATypeIIITabKeepsItsFile) {
  makeDocument(kTypeIII, {{"Memo", "m"}, {"Other", "o"}});
  changes.clear();
  ASSERT_TRUE(m.RenameTab("memo", "Notes"));
  EXPECT_EQ(read(m.FileName), kIndexHead + "Notes=Memo.txt\r\nOther=Other.txt\r\n");
  EXPECT_EQ(m.TabList, (Names{"Notes", "Other"}));
  EXPECT_EQ(changes, (std::vector<bool>{false}));
  // A later tab of the old name gets a numbered file.
  ASSERT_TRUE(m.SaveTab("Memo", "new"));
  EXPECT_EQ(read(file("Memo2.txt")), "new");
  EXPECT_EQ(read(file("Memo.txt")), "m");
}

TEST_F(MemoFixture, RenamingATypeIITabKeepsItsBodyExactly) {
  makeDocument(kTypeII, {{"A", "x\r\ny"}});
  ASSERT_TRUE(m.RenameTab("A", "B"));
  EXPECT_NE(read(m.FileName).find("\r\nB/*!/x\\CrLf%y\\CrLf%\r\n"), std::string::npos);
  EXPECT_EQ(loadTab("B"), "x\r\ny\r\n");
}

TEST_F(MemoFixture, RenameRefusesBadAndTakenNames) {
  for (unsigned char type : {kTypeII, kTypeIII}) {
    makeDocument(type, {{"A", "a"}, {"B", "b"}});
    std::string before = read(m.FileName);
    EXPECT_FALSE(m.RenameTab("A", ""));
    EXPECT_FALSE(m.RenameTab("A", "x\r\ny"));
    EXPECT_FALSE(m.RenameTab("A", "B"));
    EXPECT_FALSE(m.RenameTab("Missing", "C"));
    EXPECT_FALSE(m.RenameTab("A", type == kTypeII ? "a/*!/b" : "a=b"));
    EXPECT_EQ(read(m.FileName), before);
    EXPECT_EQ(m.TabList, (Names{"A", "B"}));
  }
  // A change of letter case only is a rename of the same tab.
  EXPECT_TRUE(m.RenameTab("A", "a"));
  EXPECT_EQ(read(m.FileName), kIndexHead + "a=A.txt\r\nB=B.txt\r\n");
}

TEST_F(MemoFixture, SaveRefusesBadNames) {
  makeDocument(kTypeIII, {});
  EXPECT_FALSE(m.SaveTab("", "x"));
  EXPECT_FALSE(m.SaveTab("a=b", "x"));
  EXPECT_FALSE(m.SaveTab("a\nb", "x"));
  makeDocument(kTypeII, {});
  EXPECT_FALSE(m.SaveTab("a/*!/b", "x"));
  EXPECT_FALSE(m.SaveTab("a\rb", "x"));
  EXPECT_TRUE(m.SaveTab("a=b", "x"));
}

TEST_F(MemoFixture, HeaderLinesAreNeverTabs) {
  write(m.FileName, "[Tavelo Document Type III]\r\n;c=x.txt\r\nA=a.txt\r\n");
  write(file("x.txt"), "not a tab");
  ASSERT_TRUE(m.LoadTabList());
  EXPECT_EQ(m.TabList, Names{"A"});
  std::string s;
  EXPECT_FALSE(m.LoadTab(";c", s));
  EXPECT_FALSE(m.DeleteTab(";c"));
  EXPECT_TRUE(base::fileExists(file("x.txt")));
}

TEST_F(MemoFixture, DeletingATabRemovesItAndItsFile) {
  makeDocument(kTypeIII, {{"A", "a"}, {"B", "b"}});
  changes.clear();
  ASSERT_TRUE(m.DeleteTab("a"));
  EXPECT_FALSE(base::fileExists(file("A.txt")));
  EXPECT_EQ(read(m.FileName), kIndexHead + "B=B.txt\r\n");
  EXPECT_EQ(m.TabList, Names{"B"});
  EXPECT_EQ(changes, (std::vector<bool>{false}));
  EXPECT_FALSE(m.DeleteTab("A"));

  makeDocument(kTypeII, {{"A", "a"}, {"B", "b"}});
  ASSERT_TRUE(m.DeleteTab("a"));
  EXPECT_EQ(m.TabList, Names{"B"});
  std::string s;
  EXPECT_FALSE(m.LoadTab("A", s));
}

TEST_F(MemoFixture, DeletingOneOfTwoEntriesOfOneFileKeepsTheFile) {
  write(m.FileName, kIndexHead + "A=shared.txt\r\nB=SHARED.txt\r\n");
  write(file("shared.txt"), "both");
  ASSERT_TRUE(m.LoadTabList());
  ASSERT_TRUE(m.DeleteTab("A"));
  EXPECT_EQ(loadTab("B"), "both");
}

TEST_F(MemoFixture, ApplyTabListReordersCreatesAndDeletes) {
  for (unsigned char type : {kTypeII, kTypeIII}) {
    makeDocument(type, {{"A", "a"}, {"B", "b"}, {"C", "c"}});
    changes.clear();
    ASSERT_TRUE(m.ApplyTabList({"X", "C", "B"}));
    EXPECT_EQ(m.TabList, (Names{"X", "C", "B"}));
    EXPECT_EQ(changes, (std::vector<bool>{false}));
    ASSERT_TRUE(m.LoadTabList());
    EXPECT_EQ(m.TabList, (Names{"X", "C", "B"}));
    EXPECT_EQ(loadTab("X"), "");
    EXPECT_EQ(loadTab("C"), type == kTypeII ? "c\r\n" : "c");
    EXPECT_EQ(loadTab("B"), type == kTypeII ? "b\r\n" : "b");
    std::string s;
    EXPECT_FALSE(m.LoadTab("A", s));
    if (type == kTypeIII) {
      EXPECT_EQ(read(m.FileName), kIndexHead + "X=X.txt\r\nC=C.txt\r\nB=B.txt\r\n");
      EXPECT_EQ(read(file("X.txt")), "");
      EXPECT_FALSE(base::fileExists(file("A.txt")));
    } else {
      EXPECT_NE(read(m.FileName).find("<!--Begin Document-->\r\nX/*!/\r\nC/*!/c\\CrLf%\r\nB/*!/b\\CrLf%\r\n<!--End"),
                std::string::npos);
    }
  }
}

TEST_F(MemoFixture, ApplyTabListRefusesBadLists) {
  makeDocument(kTypeIII, {{"A", "a"}});
  std::string before = read(m.FileName);
  EXPECT_FALSE(m.ApplyTabList({"A", "B=C"}));
  EXPECT_FALSE(m.ApplyTabList({"A", ""}));
  EXPECT_FALSE(m.ApplyTabList({"A", "B", "b"}));
  EXPECT_EQ(read(m.FileName), before);
  EXPECT_EQ(m.TabList, Names{"A"});
  EXPECT_FALSE(base::fileExists(file("B.txt")));
}

TEST_F(MemoFixture, AMissingDocumentIsReportedNeverWritten) {
  m.DocumentType = kTypeII;
  EXPECT_FALSE(m.ApplyTabList({"A"}));
  EXPECT_FALSE(m.SaveTab("A", "x"));
  EXPECT_FALSE(m.RenameTab("A", "B"));
  EXPECT_FALSE(m.DeleteTab("A"));
  std::string s;
  EXPECT_FALSE(m.LoadTab("A", s));
  EXPECT_FALSE(m.LoadTabList());
  EXPECT_EQ(notFound, 5);  // not by the save, which only reports it
  EXPECT_FALSE(base::fileExists(m.FileName));
  EXPECT_TRUE(errors.empty());
}

TEST_F(MemoFixture, AMissingTabIsAnsweredNotRaisedItsDocumentIsThere) {
  std::string s;
  write(m.FileName, kIndexHead + "A=a.txt\r\n");
  EXPECT_FALSE(m.LoadTab("A", s));  // its file is missing
  EXPECT_EQ(m.LastError.kind, memo::DocFailure::NoSuchTab);
  makeDocument(kTypeII, {{"A", "a"}});
  EXPECT_FALSE(m.LoadTab("B", s));
  EXPECT_EQ(m.LastError.kind, memo::DocFailure::NoSuchTab);
  EXPECT_EQ(errors, Names{"クリティカルエラー|タブが見つかりませんでした"_sj});
  EXPECT_EQ(notFound, 0);
}

TEST_F(MemoFixture, AVanishedDocumentIsNotRecreatedWithOneTab) {
  makeDocument(kTypeIII, {{"A", "a"}});
  base::deleteFile(m.FileName);
  EXPECT_FALSE(m.SaveTab("A", "edited"));
  // Reported, not raised: no wizard comes from inside a save.
  EXPECT_EQ(m.LastError.kind, memo::DocFailure::Gone);
  EXPECT_EQ(notFound, 0);
  EXPECT_FALSE(base::fileExists(m.FileName));
  EXPECT_EQ(read(file("A.txt")), "a");
}

TEST_F(MemoFixture, NotFoundHandlerMayCreateTheDocument) {
  m.DocumentType = kTypeII;
  m.OnNotFound = [this] {
    ++notFound;
    ASSERT_TRUE(m.CreateDocument());
  };
  EXPECT_TRUE(m.LoadTabList());
  EXPECT_EQ(notFound, 1);
  EXPECT_EQ(m.TabList, Names{"Welcome"});
}

TEST_F(MemoFixture, AnUnknownDocumentIsReportedNeverWritten) {
  write(m.FileName, "just text\r\n");
  EXPECT_FALSE(m.LoadTabList());
  EXPECT_TRUE(m.TabList.empty());
  EXPECT_FALSE(m.ApplyTabList({"A"}));
  EXPECT_FALSE(m.SaveTab("A", "x"));
  EXPECT_EQ(errors, (Names(3, "クリティカルエラー|未知のファイル形式です"_sj)));
  EXPECT_EQ(read(m.FileName), "just text\r\n");
}

TEST_F(MemoFixture, ATypeIIDocumentWithoutItsMarkersIsNotWritten) {
  for (const char* text : {"<!--Tavelo Document Type II-->\r\nA/*!/x\\CrLf%\r\n<!--End Document-->\r\n",
                           "<!--Tavelo Document Type II-->\r\n<!--Begin Document-->\r\nA/*!/x\\CrLf%\r\n"}) {
    write(m.FileName, text);
    EXPECT_FALSE(m.LoadTabList());
    EXPECT_FALSE(m.SaveTab("A", "y"));
    EXPECT_FALSE(m.SaveTab("B", "y"));
    EXPECT_FALSE(m.ApplyTabList({"B"}));
    EXPECT_FALSE(m.RenameTab("A", "B"));
    EXPECT_FALSE(m.DeleteTab("A"));
    EXPECT_EQ(read(m.FileName), text);
  }
}

TEST_F(MemoFixture, CreateDocumentWritesAWelcomeTab) {
  m.DocumentType = kTypeIII;
  ASSERT_TRUE(m.CreateDocument());
  EXPECT_EQ(read(m.FileName), "[Tavelo Document Type III]\r\n;Tavelo 3 for Windows 9x/NT\r\nWelcome=0.rtf\r\n");
  EXPECT_EQ(read(file("0.rtf")), "Welcome to Tavelo 3 !\r\n");
  EXPECT_EQ(m.TabList, Names{"Welcome"});
  EXPECT_EQ(changes, (std::vector<bool>{true, true}));
  // The first plain save moves the welcome text to its proper extension.
  ASSERT_TRUE(m.SaveTab("Welcome", "mine"));
  EXPECT_FALSE(base::fileExists(file("0.rtf")));
  EXPECT_EQ(read(m.FileName), "[Tavelo Document Type III]\r\n;Tavelo 3 for Windows 9x/NT\r\nWelcome=0.txt\r\n");

  m.FileName = file("two.ntd");
  m.DocumentType = kTypeII;
  ASSERT_TRUE(m.CreateDocument());
  EXPECT_EQ(m.DocumentType, kTypeII);
  std::string welcome = loadTab("Welcome");
  EXPECT_TRUE(welcome.starts_with("{\\rtf1\\ansi\\ansicpg932"));
  EXPECT_NE(welcome.find("Welcome to Tavelo 3 !"), std::string::npos);
  EXPECT_TRUE(read(m.FileName).starts_with("<!--Tavelo Document Type II-->\r\n<!--"));
}

TEST_F(MemoFixture, CreateDocumentKeepsAnExistingDocument) {
  makeDocument(kTypeII, {{"Mine", "keep"}});
  std::string before = read(m.FileName);
  m.DocumentType = kTypeIII;
  ASSERT_TRUE(m.CreateDocument());
  EXPECT_EQ(read(m.FileName), before);
  EXPECT_EQ(m.TabList, Names{"Mine"});
  EXPECT_EQ(m.DocumentType, kTypeII);
}

TEST_F(MemoFixture, CreateDocumentLeavesAForeignZeroRtfAlone) {
  write(file("0.rtf"), "not ours");
  m.DocumentType = kTypeIII;
  ASSERT_TRUE(m.CreateDocument());
  EXPECT_EQ(read(file("0.rtf")), "not ours");
  EXPECT_EQ(loadTab("Welcome"), "Welcome to Tavelo 3 !\r\n");
}

}  // namespace
