// The manager never loses or destroys what it was not asked to: failures say why, a vanished
// document can be written again from what was read, an index entry naming a file that is not the
// document's own tab file never has it deleted or overwritten, and empty tab names stay.
#include <tuple>

#include "unit/memo/document/memo_fixture.h"
#include "memo/document/tab_name.h"
#include "memo/document/welcome.h"

namespace {

using namespace memotest;
using memo::DocFailure;

// Holds a file open the way another program would: reading allowed, nothing else.
struct Held {
  explicit Held(const std::string& path, DWORD share = FILE_SHARE_READ)
      : h(CreateFileW(base::wide(path).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr)) {}
  ~Held() { CloseHandle(h); }
  HANDLE h;
};

TEST_F(MemoFixture, EveryFailureSaysWhy) {
  makeDocument(kTypeIII, {{"A", "a"}, {"B", "b"}});
  struct Case {
    std::function<bool()> op;
    DocFailure kind;
  };
  const Case cases[] = {
      {[&] { return m.SaveTab("x=y", "z"); }, DocFailure::BadName},
      {[&] { return m.SaveTab("", "z"); }, DocFailure::BadName},
      {[&] {
         return m.ApplyTabList({"A", "a"});
       },
       DocFailure::RepeatedName},
      {[&] {
         return m.ApplyTabList({"A", "n=m"});
       },
       DocFailure::BadName},
      {[&] { return m.RenameTab("A", "b"); }, DocFailure::RepeatedName},
      {[&] { return m.DeleteTab("Z"); }, DocFailure::NoSuchTab},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(c.op());
    EXPECT_EQ(m.LastError.kind, c.kind);
    EXPECT_FALSE(memo::failureText(m.LastError).empty());
  }
  {
    Held held(file("A.txt"));  // no write sharing: the save cannot replace it
    EXPECT_FALSE(m.SaveTab("A", "new"));
    EXPECT_EQ(m.LastError.kind, DocFailure::System);
    EXPECT_NE(m.LastError.code, 0u);
    EXPECT_EQ(memo::failureText(m.LastError), memo::systemErrorText(m.LastError.code) + " -> " + file("A.txt"));
  }
  EXPECT_TRUE(m.SaveTab("A", "new"));
}

TEST_F(MemoFixture, AVanishedDocumentIsWrittenAgainWithEveryTabItHeld) {
  for (unsigned char type : {kTypeII, kTypeIII}) {
    makeDocument(type, {{"A", "a\r\n"}, {"B", "b\r\n"}});
    loadTab("B");
    base::deleteFile(m.FileName);
    ASSERT_TRUE(m.RewriteDocument(m.FileName));
    EXPECT_FALSE(m.RewriteDocument(m.FileName));  // never over a document that is there
    ASSERT_TRUE(m.SaveTab("A", "typed\r\n"));
    ASSERT_TRUE(m.LoadTabList());
    EXPECT_EQ(m.TabList, (Names{"A", "B"}));
    EXPECT_EQ(loadTab("A"), "typed\r\n");
    EXPECT_EQ(loadTab("B"), "b\r\n");
    base::deleteFile(m.FileName);
    base::deleteFile(file("A.txt"));
    base::deleteFile(file("B.txt"));
  }
  // Another place and nothing read from it: a document without tabs, which the save fills.
  m.FileName = file("other.ntd");
  m.DocumentType = kTypeII;
  ASSERT_TRUE(m.RewriteDocument(file("never.ntd")));
  EXPECT_TRUE(m.TabList.empty());
  ASSERT_TRUE(m.SaveTab("A", "a\r\n"));
  EXPECT_EQ(loadTab("A"), "a\r\n");
}

class ForeignEntries : public MemoFixture {
 protected:
  // Files the index names that are not its own tab files; each must stay as it is.
  std::vector<std::pair<std::string, std::string>> sentinels;
  void SetUp() override {
    m.BackupFolder = dir.path();  // the ".bak" lies beside the document
    const std::string backup =
        "<!--Tavelo Document Type II-->\r\n<!--c-->\r\n<!--Begin Document-->\r\n"
        "R/*!/restored\\CrLf%\r\n<!--End Document-->\r\n";
    sentinels = {{"memo.bak", backup},
                 {"x.exe", "MZ program"},
                 {"other.txt", "another document's tab"},
                 {"other.ntd", kIndexHead + "O=other.txt\r\n"}};
    for (const auto& [name, bytes] : sentinels) write(file(name), bytes);
    write(m.FileName, kIndexHead + "Self=memo.ntd\r\nBak=memo.bak\r\nExe=x.exe\r\nOther=other.txt\r\nOwn=own.txt\r\n");
    write(file("own.txt"), "own");
    ASSERT_TRUE(m.LoadTabList());
  }
  void expectSentinels() {
    for (const auto& [name, bytes] : sentinels) EXPECT_EQ(read(file(name)), bytes) << name;
    EXPECT_TRUE(base::fileExists(m.FileName));
  }
};

TEST_F(ForeignEntries, NoOperationDeletesOrOverwritesAFileThatIsNotTheDocumentsOwnTab) {
  for (const char* tab : {"Self", "Bak", "Exe", "Other"}) ASSERT_TRUE(m.SaveTab(tab, "typed")) << tab;
  expectSentinels();
  EXPECT_EQ(loadTab("Other"), "typed");  // in a file of its own now
  write(m.FileName, kIndexHead + "Self=memo.ntd\r\nBak=memo.bak\r\nExe=x.exe\r\nOther=other.txt\r\nOwn=own.txt\r\n");
  ASSERT_TRUE(m.LoadTabList());
  ASSERT_TRUE(m.DeleteTab("Exe"));
  ASSERT_TRUE(m.ApplyTabList({"Own", "New", "Self", "Other"}));  // moved, added, Bak removed
  expectSentinels();
  ASSERT_TRUE(m.ConvertFormat(m.FileName, true, true));
  EXPECT_FALSE(base::fileExists(file("own.txt")));  // its own tab file goes with the conversion
  expectSentinels();
  ASSERT_TRUE(m.ConvertFormat(m.FileName, false, true));
  expectSentinels();
  ASSERT_TRUE(m.RestoreBackup());
  expectSentinels();
}

TEST_F(ForeignEntries, AnotherIndexIsReadAgainOnlyAfterItChanged) {
  ASSERT_TRUE(m.SaveTab("Own", "1"));
  EXPECT_EQ(read(file("own.txt")), "1");
  // Now another document's tab file: the next save leaves it alone.
  write(file("other.ntd"), kIndexHead + "O=other.txt\r\nMine=own.txt\r\n");
  ASSERT_TRUE(m.SaveTab("Own", "2"));
  EXPECT_EQ(read(file("own.txt")), "1");
  EXPECT_EQ(loadTab("Own"), "2");
}

TEST_F(MemoFixture, RestoreWritesOverOnlyItsOwnFilesOfTheNewNamesAndKeepsTheOthers) {
  makeDocument(kTypeIII, {{"A", "a"}});
  ASSERT_TRUE(m.UpdateBackup());
  ASSERT_TRUE(m.ApplyTabList({"A", "B"}));
  ASSERT_TRUE(m.SaveTab("A", "changed"));
  ASSERT_TRUE(m.SaveTab("B", "b"));
  ASSERT_TRUE(m.RestoreBackup());
  ASSERT_TRUE(m.LoadTabList());
  EXPECT_EQ(m.TabList, Names{"A"});
  EXPECT_EQ(read(file("A.txt")), "a\r\n");
  EXPECT_FALSE(base::fileExists(file("A2.txt")));
  EXPECT_EQ(read(file("B.txt")), "b");
}

TEST_F(MemoFixture, TabsWithAnEmptyNameAreListedAndSurviveNewTabsAndConversions) {
  write(m.FileName, kIndexHead + "A=a.txt\r\nno equals sign\r\n");
  write(file("a.txt"), "a");
  ASSERT_TRUE(m.LoadTabList());
  ASSERT_EQ(m.TabList, (Names{"A", ""}));
  ASSERT_TRUE(m.SaveTab("", "kept"));
  ASSERT_TRUE(m.ApplyTabList({"", "A", "N"}));
  ASSERT_TRUE(m.ConvertFormat(m.FileName, true, true));
  ASSERT_TRUE(m.LoadTabList());
  EXPECT_EQ(m.TabList, (Names{"", "A", "N"}));
  ASSERT_TRUE(m.ConvertFormat(m.FileName, false, true));
  ASSERT_TRUE(m.LoadTabList());
  EXPECT_EQ(m.TabList, (Names{"", "A", "N"}));
  EXPECT_EQ(loadTab(""), "kept\r\n");
  ASSERT_TRUE(m.RenameTab("", "Named"));
  EXPECT_EQ(m.TabList, (Names{"Named", "A", "N"}));
}

TEST(TabNames, AreComparedIgnoringCaseAsTheLocaleDoes) {
  const std::tuple<std::string, std::string, bool> cases[] = {
      {"Memo", "mEMO", true}, {"ＡＢＣ"_sj, "ａｂｃ"_sj, true},
      {"a-b", "ab", false},   {"メモ"_sj, "メモ"_sj, true},
      {"", "", true},         {"a", "", false},
  };
  for (const auto& [a, b, same] : cases) EXPECT_EQ(memo::sameTabName(a, b), same) << a << " / " << b;
}

TEST(Welcome, DeclaresJapaneseAsItsLanguage) { EXPECT_NE(memo::welcomeRtf().find("\\deflang1041"), std::string::npos); }

}  // namespace
