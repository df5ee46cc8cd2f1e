// The tab session on a fake host: the tab commands, what reaches the document, which tab is shown,
// the boxes asked, and that no edit is lost on the way.
#include <gtest/gtest.h>

#include "base/files.h"
#include "base/text.h"
#include "memo/chrome/commands.h"
#include "unit/memo/document/tab_session_fixture.h"

namespace {

using memotest::TabSessionTest;
using Names = std::vector<std::string>;

const std::string kThree = "一/*!/first\\CrLf%\r\n二/*!/second\\CrLf%\r\n三/*!/third\\CrLf%\r\n"_sj;

TEST_F(TabSessionTest, ANewTabGetsTheSmallestFreeDefaultNameAndTheShownTabStaysWithItsEdits) {
  openTypeII("タブ1/*!/a\\CrLf%\r\nタブ3/*!/b\\CrLf%\r\n"_sj);
  type("x");
  inputs.push_back("タブ2"_sj);  // accept the proposal
  session->actNewTabExecute();
  ASSERT_EQ(prompts.size(), 1u);
  EXPECT_EQ(prompts[0], "新規タブ名|タブ2"_sj);
  EXPECT_EQ(stripNames(), (Names{"タブ1"_sj, "タブ3"_sj, "タブ2"_sj}));
  EXPECT_EQ(session->selectedTab(), 0);
  EXPECT_EQ(editor.text(), "xa\r\n");
  EXPECT_EQ(documentTab("タブ1"_sj), "xa\r\n");
  EXPECT_EQ(documentTab("タブ2"_sj), "");
}

TEST_F(TabSessionTest, AnExistingNameIsToldAndTheDefaultNameIsAddedCancelAddsNothing) {
  openTypeII("タブ1/*!/a\\CrLf%\r\nタブ3/*!/b\\CrLf%\r\n"_sj);
  inputs.push_back("タブ3"_sj);
  session->actNewTabExecute();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], "タブ名だぶりエラー|その名前は既に存在します\r\nデフォルトの名前で追加します"_sj);
  EXPECT_EQ(documentTabs(), (Names{"タブ1"_sj, "タブ3"_sj, "タブ2"_sj}));
  session->actNewTabExecute();  // no input: cancelled
  EXPECT_EQ(documentTabs().size(), 3u);
}

TEST_F(TabSessionTest, RenamingKeepsTheTabShownAndRefusesEveryExistingNameItsOwnIncluded) {
  openTypeII(kThree, "二"_sj);
  type("y");
  inputs.push_back("二"_sj);
  session->actTabNameChangeExecute();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], "タブ名だぶりエラー|その名前は既に存在します\r\n設定は失敗しました"_sj);
  inputs.push_back("SAN");
  session->actTabNameChangeExecute();
  inputs.push_back("san");  // names compare without regard to case
  session->actTabNameChangeExecute();
  EXPECT_EQ(boxes.size(), 2u);
  EXPECT_EQ(documentTabs(), (Names{"一"_sj, "SAN", "三"_sj}));
  EXPECT_EQ(session->selectedTab(), 1);
  EXPECT_EQ(editor.text(), "ysecond\r\n");
  EXPECT_EQ(documentTab("SAN"), "ysecond\r\n");
}

TEST_F(TabSessionTest, MovingATabReordersTheDocumentAndKeepsItShown) {
  openTypeII(kThree, "二"_sj);
  session->TabMoveClick(0);
  EXPECT_EQ(documentTabs(), (Names{"二"_sj, "一"_sj, "三"_sj}));
  EXPECT_EQ(session->selectedTab(), 0);
  session->TabMoveClick(1);  // the first has nothing before it
  EXPECT_EQ(documentTabs(), (Names{"二"_sj, "一"_sj, "三"_sj}));
  session->TabMoveClick(3);
  EXPECT_EQ(documentTabs(), (Names{"一"_sj, "三"_sj, "二"_sj}));
  session->TabMoveClick(2);  // the last has nothing after it
  session->TabMoveClick(1);
  EXPECT_EQ(documentTabs(), (Names{"一"_sj, "二"_sj, "三"_sj}));
  EXPECT_EQ(session->tabName(session->selectedTab()), "二"_sj);
  EXPECT_EQ(editor.text(), "second\r\n");
  EXPECT_TRUE(commands.run(memo::mnuTabMoveNext));
  EXPECT_EQ(stripNames(), (Names{"一"_sj, "三"_sj, "二"_sj}));
}

TEST_F(TabSessionTest, ANewTabOrderFromOutsideTheStripSavesTheShownTabFirst) {
  openTypeII(kThree, "二"_sj);
  type("q");
  ASSERT_TRUE(session->ApplyTabList({"三"_sj, "二"_sj, "四"_sj}));
  EXPECT_EQ(stripNames(), (Names{"三"_sj, "二"_sj, "四"_sj}));
  EXPECT_EQ(session->tabName(session->selectedTab()), "二"_sj);
  EXPECT_EQ(editor.text(), "qsecond\r\n");
  EXPECT_EQ(documentTabs(), (Names{"三"_sj, "二"_sj, "四"_sj}));
  EXPECT_EQ(documentTab("二"_sj), "qsecond\r\n");
  EXPECT_FALSE(editor.modified());
}

TEST_F(TabSessionTest, NextAndPreviousWrapAroundAndSaveTheTabTheyLeave) {
  openTypeII(kThree, "三"_sj);
  type("z");
  EXPECT_TRUE(session->MoveToAdjacentTab(true));
  EXPECT_EQ(session->selectedTab(), 0);
  EXPECT_EQ(documentTab("三"_sj), "zthird\r\n");
  EXPECT_FALSE(session->MoveToAdjacentTab(true));
  EXPECT_EQ(editor.text(), "second\r\n");
  EXPECT_FALSE(session->MoveToAdjacentTab(false));
  EXPECT_TRUE(session->MoveToAdjacentTab(false));
  EXPECT_EQ(session->selectedTab(), 2);
  EXPECT_EQ(editor.text(), "zthird\r\n");
  EXPECT_FALSE(editor.modified());
  // The next and previous commands run them.
  EXPECT_TRUE(commands.run(memo::actNext));
  EXPECT_EQ(session->selectedTab(), 0);
  EXPECT_TRUE(commands.run(memo::actPrevious));
  EXPECT_EQ(session->selectedTab(), 2);
}

TEST_F(TabSessionTest, DeletingShowsTheRightNeighbourOrTheFirstAndTheLastTabIsNeverDeleted) {
  openTypeII(kThree, "二"_sj);
  answers.push_back(IDNO);
  session->actDeleteTabExecute();
  EXPECT_EQ(boxes.back(), "タブ削除の確認|表示中のタブ [二] を削除します\r\nよろしいですか？"_sj);
  EXPECT_EQ(documentTabs().size(), 3u);
  answers.push_back(IDYES);
  session->actDeleteTabExecute();
  EXPECT_EQ(documentTabs(), (Names{"一"_sj, "三"_sj}));
  EXPECT_EQ(editor.text(), "third\r\n");
  answers.push_back(IDYES);
  session->actDeleteTabExecute();
  EXPECT_EQ(session->selectedTab(), 0);
  EXPECT_EQ(editor.text(), "first\r\n");
  size_t asked = boxes.size();
  answers.push_back(IDYES);
  session->actDeleteTabExecute();
  EXPECT_EQ(documentTabs(), (Names{"一"_sj}));
  ASSERT_EQ(boxes.size(), asked + 1);
  EXPECT_EQ(boxes.back(), "タブ削除の確認|最後のタブは削除できません"_sj);
  EXPECT_EQ(editor.text(), "first\r\n");
}

TEST_F(TabSessionTest, SavingATabToAFileProposesItsNameAndWritesItsForm) {
  openTypeII("memo/*!/abc\\CrLf%\r\n"_sj);
  savePath = dir.file("out.txt");
  session->actSaveTabExecute();
  ASSERT_EQ(prompts.size(), 1u);
  EXPECT_EQ(prompts[0], "保存先の指定|テキストファイル(*.txt)|*.txt|全てのファイル(*.*)|*.*||memo.txt"_sj);
  EXPECT_EQ(read("out.txt"), "abc\r\n");
  plain = false;  // shown as rich text
  savePath = dir.file("out.rtf");
  session->actSaveTabExecute();
  EXPECT_EQ(prompts[1], "保存先の指定|リッチテキストファイル(*.rtf)|*.rtf|全てのファイル(*.*)|*.*||memo.rtf"_sj);
  EXPECT_EQ(read("out.rtf").rfind("{\\rtf1", 0), 0u);
  savePath.reset();  // cancelled: nothing written
  base::deleteFile(dir.file("out.txt"));
  plain = true;
  session->actSaveTabExecute();
  EXPECT_FALSE(base::fileExists(dir.file("out.txt")));
  // The document itself was not touched by any of it.
  EXPECT_EQ(documentTab("memo"), "abc\r\n");
}

// How long such switches take is a figure of the memo bench.
TEST_F(TabSessionTest, SwitchingBetweenLargeTabsKeepsWhatWasTyped) {
  // Two tabs of 1000 lines each (about 40 KB of text with double-byte characters).
  std::string line = "一行のテキスト 0123456789 abcdefghij"_sj;
  std::string big;
  for (int i = 0; i < 1000; ++i) big += line + "\\CrLf%";
  openTypeII("A/*!/" + big + "\r\nB/*!/" + big + "\r\n");
  type("x");
  session->MoveToAdjacentTab(true);
  session->MoveToAdjacentTab(true);
  EXPECT_EQ(editor.text().substr(0, 1), "x");
}

TEST_F(TabSessionTest, ATabTooLargeForTheEditorIsToldStaysReadOnlyAndIsNeverWritten) {
  std::string big(300000, 'x');
  openTypeII("small/*!/a\r\nbig/*!/" + big + "\r\n");
  const std::string stored = documentTab("big");
  room = memo::RichEdit::kRoomPerTextByte * 1000;
  session->MoveToAdjacentTab(true);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("大きすぎて表示できません (292 KB)"_sj), std::string::npos);
  EXPECT_TRUE(editor.readOnly());
  type("y");
  session->tbcMemoChanging();  // the autosave's step
  session->MoveToAdjacentTab(true);
  std::string kept = documentTab("big");
  EXPECT_TRUE(kept == stored) << kept.size() << " bytes";
  EXPECT_EQ(editor.text(), "a\r\n");
}

TEST_F(TabSessionTest, ARichTabIsHeldAsTheTextItShowsNotAsItsStoredSize) {
  // An ignored destination stands for a picture's hex.
  openTypeII("small/*!/a\r\nrich/*!/{\\rtf1 {\\*\\pic " + std::string(300000, '0') + "}hi}\r\n");
  room = memo::RichEdit::kRoomPerTextByte * 1000;
  session->MoveToAdjacentTab(true);
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(editor.text(), "hi");
}

TEST_F(TabSessionTest, ATabWhoseFileIsMissingStartsEmptyAndIsWrittenAnew) {
  write("b.txt", "second\r\n");
  write("memo.ntd", "[Tavelo Document Type III]\r\n;c\r\nA=a.txt\r\nB=b.txt\r\n");
  open("B");
  ASSERT_EQ(editor.text(), "second\r\n");
  // To the tab whose file is missing: no wizard, an empty editor, nothing to lose.
  clickTab(0);
  EXPECT_EQ(session->selectedTab(), 0);
  EXPECT_EQ(editor.text(), "");
  EXPECT_FALSE(editor.readOnly());
  EXPECT_EQ(status, "タブファイルが見つかりません -> A"_sj);
  type("n");
  session->writeOnExit();
  EXPECT_EQ(read("a.txt").substr(0, 1), "n");
  // The other tab still loads.
  clickTab(1);
  EXPECT_EQ(editor.text(), "second\r\n");
  EXPECT_TRUE(errors.empty());
  EXPECT_TRUE(boxes.empty());
}

// Opening never writes the user's file: names that repeat another only in case are renamed in memory,
// the user is told, and the new names reach the index with the next save.
TEST_F(TabSessionTest, RepeatedTabNamesOfASplitDocumentAreWrittenAtTheNextSaveNotAtOpening) {
  const std::string index = "[Tavelo Document Type III]\r\n;c\r\nMemo=a.txt\r\nmemo=b.txt\r\n";
  write("a.txt", "one\r\n");
  write("b.txt", "two\r\n");
  write("memo.ntd", index);
  open("Memo");
  EXPECT_EQ(read("memo.ntd"), index);
  const std::vector<std::string> names = stripNames();
  ASSERT_EQ(names.size(), 2u);
  EXPECT_NE(names[1], "memo");
  EXPECT_NE(status.find("(次の保存で書き込みます)"_sj), std::string::npos) << status;
  type("x");
  session->writeOnExit();
  EXPECT_EQ(documentTabs(), names);
  EXPECT_TRUE(errors.empty());
}

}  // namespace
