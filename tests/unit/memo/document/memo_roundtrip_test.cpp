// Tab contents through both formats: what lands on disk and what comes back.
#include "unit/memo/document/memo_fixture.h"

#include "memo/editor/rtf_text.h"

namespace {

using namespace memotest;

const std::string kIIHead = "<!--Tavelo Document Type II-->\r\n<!--c-->\r\n<!--Begin Document-->\r\n";
const std::string kIIEnd = "<!--End Document-->\r\n";
const std::string kRtf = "{\\rtf1\\ansi\\ansicpg932 x\\par\r\n}\r\n";

struct Case {
  const char* tab;
  std::string content;
  std::string typeIILine;      // the tab's line in a Type II document
  std::string typeIIReadBack;  // what a Type II document gives back
};

std::vector<Case> cases() {
  return {
      {"Plain", "milk\r\nbread", "Plain/*!/milk\\CrLf%bread\\CrLf%", "milk\r\nbread\r\n"},
      {"Final", "a\r\nb\r\n", "Final/*!/a\\CrLf%b\\CrLf%", "a\r\nb\r\n"},
      {"Empty", "", "Empty/*!/", ""},
      {"EmptyLine", "\r\n", "EmptyLine/*!/\\CrLf%", "\r\n"},
      {"LoneCr", "a\rb\nc", "LoneCr/*!/a\\CrLf%b\\CrLf%c\\CrLf%", "a\r\nb\r\nc\r\n"},
      // The line mark typed as text: kept as rich text holding the characters (no line break).
      {"Mark", "x\\CrLf%y", memo::encodeTabContent("Mark", memo::literalRtf("x\\CrLf%y")),
       memo::literalRtf("x\\CrLf%y") + "\r\n"},
      {"NulByte", std::string("ab\0cd\r\nef", 9), "NulByte/*!/ab\\CrLf%", "ab\r\n"},
      {"Rich", kRtf, "Rich/*!/{\\rtf1\\ansi\\ansicpg932 x\\par\\CrLf%}\\CrLf%", kRtf},
      {"\x95\x5C", "\x95\x5C\r\n", "\x95\x5C/*!/\x95\x5C\\CrLf%", "\x95\x5C\r\n"},
  };
}

TEST_F(MemoFixture, TypeIIKeepsEveryTabOnOneLine) {
  makeDocument(kTypeII, {});
  std::string expected = kIIHead;
  for (const auto& c : cases()) {
    ASSERT_TRUE(m.SaveTab(c.tab, c.content)) << c.tab;
    expected += c.typeIILine + "\r\n";
  }
  EXPECT_EQ(read(m.FileName), expected + kIIEnd);
  for (const auto& c : cases()) EXPECT_EQ(loadTab(c.tab), c.typeIIReadBack) << c.tab;
  EXPECT_TRUE(errors.empty());
}

// A plain text that begins like rich text: Type III says so by the tab file's extension (a .txt
// file is plain whatever it begins with); Type II, which has no mark, keeps it as rich text
// holding its characters. Neither changes what was typed.
TEST_F(MemoFixture, APlainTabThatBeginsLikeRichTextKeepsItsText) {
  const std::string text = "{\\rtf1 not rich\r\n";
  makeDocument(kTypeIII, {});
  ASSERT_TRUE(m.SaveTab("P", text, true));
  EXPECT_EQ(read(file("P.txt")), text);
  write(file("Q.txt"), text);  // written by another program
  write(m.FileName, kIndexHead + "P=P.txt\r\nQ=Q.txt\r\n");
  for (const char* tab : {"P", "Q"}) {
    std::string content;
    bool plain = false;
    ASSERT_TRUE(m.LoadTab(tab, content, &plain));
    EXPECT_TRUE(plain) << tab;
    EXPECT_EQ(content, text);
  }
  ASSERT_TRUE(m.ConvertFormat(m.FileName, true, true));
  EXPECT_NE(read(m.FileName).find(memo::encodeTabContent("P", memo::literalRtf(text))), std::string::npos);
  ASSERT_TRUE(m.LoadTabList());
  ASSERT_TRUE(m.SaveTab("P", text, true));
  std::string content;
  bool plain = true;
  ASSERT_TRUE(m.LoadTab("P", content, &plain));
  EXPECT_FALSE(plain);
  EXPECT_EQ(content, memo::literalRtf(text) + "\r\n");
}

TEST_F(MemoFixture, TypeIIISavesEveryTabByteForByte) {
  makeDocument(kTypeIII, {});
  std::string index = kIndexHead;
  for (const auto& c : cases()) {
    ASSERT_TRUE(m.SaveTab(c.tab, c.content)) << c.tab;
    std::string file = std::string(c.tab) + (c.content.starts_with("{\\rtf1") ? ".rtf" : ".txt");
    index += std::string(c.tab) + "=" + file + "\r\n";
    EXPECT_EQ(read(this->file(file)), c.content) << c.tab;
  }
  EXPECT_EQ(read(m.FileName), index);
  for (const auto& c : cases()) {
    EXPECT_EQ(loadTab(c.tab), c.content) << c.tab;
    EXPECT_EQ(m.CurrentTabFile, file(std::string(c.tab) + (c.content.starts_with("{\\rtf1") ? ".rtf" : ".txt")));
  }
}

TEST_F(MemoFixture, ResavingAReadBackTabChangesNothing) {
  for (unsigned char type : {kTypeII, kTypeIII}) {
    makeDocument(type, {});
    for (const auto& c : cases()) ASSERT_TRUE(m.SaveTab(c.tab, c.content));
    for (const auto& c : cases()) {
      std::string once = loadTab(c.tab);
      ASSERT_TRUE(m.SaveTab(c.tab, once));
      EXPECT_EQ(loadTab(c.tab), once) << c.tab;
    }
  }
}

TEST_F(MemoFixture, NewTabsAreAnnouncedAndListed) {
  makeDocument(kTypeII, {});
  changes.clear();
  ASSERT_TRUE(m.SaveTab("A", "1"));
  ASSERT_TRUE(m.SaveTab("A", "2"));
  ASSERT_TRUE(m.SaveTab("B", "3"));
  EXPECT_EQ(m.TabList, (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(changes, (std::vector<bool>{false, false}));
  ASSERT_TRUE(m.LoadTabList());
  EXPECT_EQ(m.TabList, (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(changes.back(), true);
}

TEST_F(MemoFixture, TabNamesMatchIgnoringCaseInBothFormats) {
  makeDocument(kTypeII, {{"Memo", "two\r\n"}});
  EXPECT_EQ(loadTab("memo"), "two\r\n");
  ASSERT_TRUE(m.SaveTab("MEMO", "lower"));
  EXPECT_EQ(m.TabList, (Names{"Memo"}));
  EXPECT_EQ(loadTab("Memo"), "lower\r\n");

  write(m.FileName, kIndexHead + "Memo=Memo.txt\r\n");
  write(file("Memo.txt"), "three");
  ASSERT_TRUE(m.LoadTabList());
  EXPECT_EQ(loadTab("MEMO"), "three");
  ASSERT_TRUE(m.SaveTab("memo", "again"));
  EXPECT_EQ(read(file("Memo.txt")), "again");
  EXPECT_EQ(read(m.FileName), kIndexHead + "Memo=Memo.txt\r\n");
}

// Reading never writes the user's file: the new names hold in memory and reach the file with the
// next save, and the status line says so.
TEST_F(MemoFixture, RepeatedTabNamesAreMadeDistinctWhenTheDocumentIsReadAndWrittenAtTheNextSave) {
  const std::string kTypeIIHead = "<!--Tavelo Document Type II-->\r\n<!--c-->\r\n<!--Begin Document-->\r\n";
  const std::string kTypeIIEnd = "<!--End Document-->\r\n";
  struct Doc {
    std::string before, after;
    Names names;
  };
  const Doc docs[] = {
      {kIndexHead + "Shop=a.txt\r\nshop=b.txt\r\nSHOP=c.txt\r\n",
       kIndexHead + "Shop=a.txt\r\nshop2=b.txt\r\nSHOP3=c.txt\r\n", Names{"Shop", "shop2", "SHOP3"}},
      {kTypeIIHead + "Shop/*!/a\\CrLf%\r\nshop/*!/b\\CrLf%\r\nSHOP/*!/c\\CrLf%\r\n" + kTypeIIEnd,
       kTypeIIHead + "Shop/*!/a\\CrLf%\r\nshop2/*!/b\\CrLf%\r\nSHOP3/*!/c\\CrLf%\r\n" + kTypeIIEnd,
       Names{"Shop", "shop2", "SHOP3"}},
      // The first free number; tabs without a name keep theirs.
      {kIndexHead + "a=a.txt\r\nA=b.txt\r\na2=c.txt\r\n", kIndexHead + "a=a.txt\r\nA3=b.txt\r\na2=c.txt\r\n",
       Names{"a", "A3", "a2"}},
      {kTypeIIHead + "x/*!/a\\CrLf%\r\n/*!/b\\CrLf%\r\n/*!/c\\CrLf%\r\n" + kTypeIIEnd,
       kTypeIIHead + "x/*!/a\\CrLf%\r\n/*!/b\\CrLf%\r\n/*!/c\\CrLf%\r\n" + kTypeIIEnd, Names{"x", "", ""}},
  };
  write(file("a.txt"), "a\r\n");
  write(file("b.txt"), "b\r\n");
  write(file("c.txt"), "c\r\n");
  for (const auto& [before, after, names] : docs) {
    write(m.FileName, before);
    statuses.clear();
    ASSERT_TRUE(m.LoadTabList());
    EXPECT_EQ(m.TabList, names);
    EXPECT_EQ(read(m.FileName), before);
    if (names[1].empty()) continue;
    ASSERT_EQ(statuses.size(), 1u);
    EXPECT_EQ(statuses[0], "同じ名前のタブの名前を変えました (次の保存で書き込みます) -> "_sj + m.FileName);
    EXPECT_EQ(loadTab(names[1]), "b\r\n");
    EXPECT_EQ(loadTab(names[2]), "c\r\n");
    ASSERT_TRUE(m.SaveTab(names[0], "a\r\n"));  // the next save
    EXPECT_EQ(read(m.FileName), after);
  }
}

TEST_F(MemoFixture, TurningAPlainTabRichMovesItToAnRtfFile) {
  makeDocument(kTypeIII, {{"Memo", "plain"}});
  std::string s;
  ASSERT_TRUE(m.LoadTab("Memo", s));
  ASSERT_TRUE(m.SaveTab("Memo", kRtf));
  EXPECT_FALSE(base::fileExists(file("Memo.txt")));
  EXPECT_EQ(read(file("Memo.rtf")), kRtf);
  EXPECT_EQ(read(m.FileName), kIndexHead + "Memo=Memo.rtf\r\n");
  // The shown tab's file follows the move, so outside changes to it are still seen.
  EXPECT_EQ(m.CurrentTabFile, file("Memo.rtf"));
  ASSERT_TRUE(m.SaveTab("Memo", "plain again"));
  EXPECT_FALSE(base::fileExists(file("Memo.rtf")));
  EXPECT_EQ(read(file("Memo.txt")), "plain again");
}

TEST_F(MemoFixture, ChangingKindNeverOverwritesAStrayFile) {
  makeDocument(kTypeIII, {{"Memo", "plain"}});
  write(file("Memo.rtf"), "someone else's");
  ASSERT_TRUE(m.SaveTab("Memo", kRtf));
  EXPECT_EQ(read(file("Memo.rtf")), "someone else's");
  EXPECT_EQ(read(file("Memo2.rtf")), kRtf);
  EXPECT_EQ(read(m.FileName), kIndexHead + "Memo=Memo2.rtf\r\n");
  EXPECT_FALSE(base::fileExists(file("Memo.txt")));
}

TEST_F(MemoFixture, NewTypeIIITabFilesTakePrefixAndNumbers) {
  makeDocument(kTypeIII, {});
  m.SeparatedHeader = "x_";
  ASSERT_TRUE(m.SaveTab("a:b", "1"));
  ASSERT_TRUE(m.SaveTab("ab", "{\\rtf1 2}"));
  ASSERT_TRUE(m.SaveTab("AB:", "3"));
  EXPECT_EQ(read(m.FileName), kIndexHead + "a:b=x_ab.txt\r\nab=x_ab2.rtf\r\nAB:=x_AB3.txt\r\n");
}

}  // namespace
