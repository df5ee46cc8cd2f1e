// The tab commands of the memo window in-process: what reaches the document, which tab is shown,
// the boxes asked, and that no edit is lost on the way.
#include <gtest/gtest.h>

#include "base/files.h"
#include "base/text.h"
#include "memo/chrome/commands.h"
#include "unit/memo/main_form_fixture.h"

namespace {

using memotest::MainFormTest;
using Names = std::vector<std::string>;

class MemoTabs : public MainFormTest {
 protected:
  void startWith(const std::string& tabLines, const std::string& lastTab = "") {
    write("memo.ntd", typeII(tabLines));
    start(dir.file("memo.ntd"), lastTab);
  }
  void type(const std::string& text) {
    for (wchar_t c : base::wide(text)) SendMessageW(form->rceMemo.handle(), WM_CHAR, c, 1);
  }
  bool actionEnabled(int id) { return form->actions().find(id)->enabled; }
};

const std::string kThree = "一/*!/first\\CrLf%\r\n二/*!/second\\CrLf%\r\n三/*!/third\\CrLf%\r\n"_sj;

TEST_F(MemoTabs, ANewTabGetsTheSmallestFreeDefaultNameAndTheShownTabStaysWithItsEdits) {
  startWith("タブ1/*!/a\\CrLf%\r\nタブ3/*!/b\\CrLf%\r\n"_sj);
  type("x");
  inputs.push_back("タブ2"_sj);  // accept the proposal
  form->actNewTabExecute();
  ASSERT_EQ(prompts.size(), 1u);
  EXPECT_EQ(prompts[0], "新規タブ名|タブ2"_sj);
  EXPECT_EQ(stripNames(), (Names{"タブ1"_sj, "タブ3"_sj, "タブ2"_sj}));
  EXPECT_EQ(form->selectedTab(), 0);
  EXPECT_EQ(form->rceMemo.text(), "xa\r\n");
  EXPECT_EQ(documentTab("memo.ntd", "タブ1"_sj), "xa\r\n");
  EXPECT_EQ(documentTab("memo.ntd", "タブ2"_sj), "");
}

TEST_F(MemoTabs, AnExistingNameIsToldAndTheDefaultNameIsAddedCancelAddsNothing) {
  startWith("タブ1/*!/a\\CrLf%\r\nタブ3/*!/b\\CrLf%\r\n"_sj);
  inputs.push_back("タブ3"_sj);
  form->actNewTabExecute();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], "タブ名だぶりエラー|その名前は既に存在します\r\nデフォルトの名前で追加します"_sj);
  EXPECT_EQ(documentTabs("memo.ntd"), (Names{"タブ1"_sj, "タブ3"_sj, "タブ2"_sj}));
  form->actNewTabExecute();  // no input: cancelled
  EXPECT_EQ(documentTabs("memo.ntd").size(), 3u);
}

TEST_F(MemoTabs, RenamingKeepsTheTabShownAndRefusesEveryExistingNameItsOwnIncluded) {
  startWith(kThree, "二"_sj);
  type("y");
  inputs.push_back("二"_sj);
  form->actTabNameChangeExecute();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], "タブ名だぶりエラー|その名前は既に存在します\r\n設定は失敗しました"_sj);
  inputs.push_back("SAN");
  form->actTabNameChangeExecute();
  inputs.push_back("san");  // names compare without regard to case
  form->actTabNameChangeExecute();
  EXPECT_EQ(boxes.size(), 2u);
  EXPECT_EQ(documentTabs("memo.ntd"), (Names{"一"_sj, "SAN", "三"_sj}));
  EXPECT_EQ(form->selectedTab(), 1);
  EXPECT_EQ(form->rceMemo.text(), "ysecond\r\n");
  EXPECT_EQ(documentTab("memo.ntd", "SAN"), "ysecond\r\n");
}

TEST_F(MemoTabs, MovingATabReordersTheDocumentAndKeepsItShown) {
  startWith(kThree, "二"_sj);
  form->TabMoveClick(0);
  EXPECT_EQ(documentTabs("memo.ntd"), (Names{"二"_sj, "一"_sj, "三"_sj}));
  EXPECT_EQ(form->selectedTab(), 0);
  form->TabMoveClick(1);  // the first has nothing before it
  EXPECT_EQ(documentTabs("memo.ntd"), (Names{"二"_sj, "一"_sj, "三"_sj}));
  form->TabMoveClick(3);
  EXPECT_EQ(documentTabs("memo.ntd"), (Names{"一"_sj, "三"_sj, "二"_sj}));
  form->TabMoveClick(2);  // the last has nothing after it
  form->TabMoveClick(1);
  EXPECT_EQ(documentTabs("memo.ntd"), (Names{"一"_sj, "二"_sj, "三"_sj}));
  EXPECT_EQ(form->tabName(form->selectedTab()), "二"_sj);
  EXPECT_EQ(form->rceMemo.text(), "second\r\n");
  EXPECT_TRUE(form->ExecuteCommand(memo::mnuTabMoveNext));
  EXPECT_EQ(stripNames(), (Names{"一"_sj, "三"_sj, "二"_sj}));
}

TEST_F(MemoTabs, ANewTabOrderFromOutsideTheStripSavesTheShownTabFirst) {
  startWith(kThree, "二"_sj);
  type("q");
  ASSERT_TRUE(form->ApplyTabList({"三"_sj, "二"_sj, "四"_sj}));
  EXPECT_EQ(stripNames(), (Names{"三"_sj, "二"_sj, "四"_sj}));
  EXPECT_EQ(form->tabName(form->selectedTab()), "二"_sj);
  EXPECT_EQ(form->rceMemo.text(), "qsecond\r\n");
  EXPECT_EQ(documentTabs("memo.ntd"), (Names{"三"_sj, "二"_sj, "四"_sj}));
  EXPECT_EQ(documentTab("memo.ntd", "二"_sj), "qsecond\r\n");
  EXPECT_FALSE(form->rceMemo.modified());
}

TEST_F(MemoTabs, NextAndPreviousWrapAroundAndSaveTheTabTheyLeave) {
  startWith(kThree, "三"_sj);
  type("z");
  EXPECT_TRUE(form->MoveToAdjacentTab(true));
  EXPECT_EQ(form->selectedTab(), 0);
  EXPECT_EQ(documentTab("memo.ntd", "三"_sj), "zthird\r\n");
  EXPECT_FALSE(form->MoveToAdjacentTab(true));
  EXPECT_EQ(form->rceMemo.text(), "second\r\n");
  EXPECT_FALSE(form->MoveToAdjacentTab(false));
  EXPECT_TRUE(form->MoveToAdjacentTab(false));
  EXPECT_EQ(form->selectedTab(), 2);
  EXPECT_EQ(form->rceMemo.text(), "zthird\r\n");
  EXPECT_FALSE(form->rceMemo.modified());
  // Ctrl+Tab and Ctrl+Shift+Tab run them.
  EXPECT_TRUE(form->HandleShortCut(memo::shortCut(VK_TAB, memo::kCtrl)));
  EXPECT_EQ(form->selectedTab(), 0);
  EXPECT_TRUE(form->HandleShortCut(memo::shortCut(VK_TAB, memo::kCtrl | memo::kShift)));
  EXPECT_EQ(form->selectedTab(), 2);
}

TEST_F(MemoTabs, DeletingShowsTheRightNeighbourOrTheFirstAndTheLastTabIsNeverDeleted) {
  startWith(kThree, "二"_sj);
  answers.push_back(IDNO);
  form->actDeleteTabExecute();
  EXPECT_EQ(boxes.back(), "タブ削除の確認|表示中のタブ [二] を削除します\r\nよろしいですか？"_sj);
  EXPECT_EQ(documentTabs("memo.ntd").size(), 3u);
  answers.push_back(IDYES);
  form->actDeleteTabExecute();
  EXPECT_EQ(documentTabs("memo.ntd"), (Names{"一"_sj, "三"_sj}));
  EXPECT_EQ(form->rceMemo.text(), "third\r\n");
  answers.push_back(IDYES);
  form->actDeleteTabExecute();
  EXPECT_EQ(form->selectedTab(), 0);
  EXPECT_EQ(form->rceMemo.text(), "first\r\n");
  size_t asked = boxes.size();
  answers.push_back(IDYES);
  form->actDeleteTabExecute();
  EXPECT_EQ(documentTabs("memo.ntd"), (Names{"一"_sj}));
  ASSERT_EQ(boxes.size(), asked + 1);
  EXPECT_EQ(boxes.back(), "タブ削除の確認|最後のタブは削除できません"_sj);
  EXPECT_EQ(form->rceMemo.text(), "first\r\n");
}

TEST_F(MemoTabs, RichAndPlainTabsSetTheFormatActionsAndTheFormSwitchesAtTheNextSave) {
  startWith("plain/*!/abc\\CrLf%\r\n"_sj);
  EXPECT_TRUE(form->PlainMode);
  EXPECT_FALSE(actionEnabled(memo::actBold));
  EXPECT_FALSE(actionEnabled(memo::actColor));
  form->mnuRichTextClick();
  EXPECT_FALSE(form->PlainMode);
  EXPECT_TRUE(actionEnabled(memo::actBold));
  EXPECT_TRUE(form->rceMemo.modified());
  form->tbcMemoChanging();
  std::string saved = documentTab("memo.ntd", "plain");
  EXPECT_EQ(saved.rfind("{\\rtf1", 0), 0u) << saved;
  // Reloaded, the tab is rich now.
  form->tbcMemoChange();
  EXPECT_FALSE(form->PlainMode);
  EXPECT_TRUE(actionEnabled(memo::actRightAlign));
  EXPECT_EQ(form->rceMemo.text(), "abc\r\n");
}

TEST_F(MemoTabs, TheFormatMenuShowsTheFormAndTheLinkSetting) {
  startWith("plain/*!/abc\\CrLf%\r\n"_sj);
  HMENU format = GetSubMenu(form->mainMenu(), 4);
  SendMessageW(form->handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(format), 4);
  EXPECT_FALSE(GetMenuState(format, memo::mnuRichText, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_FALSE(GetMenuState(format, memo::mnuHotLink, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_TRUE(GetMenuState(format, memo::mnuHotLink, MF_BYCOMMAND) & MF_CHECKED);
  form->mnuRichTextClick();
  SendMessageW(form->handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(format), 4);
  EXPECT_TRUE(GetMenuState(format, memo::mnuRichText, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_TRUE(GetMenuState(format, memo::mnuHotLink, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(MemoTabs, TheTabPositionChangesForTheNextStartOnly) {
  startWith("plain/*!/abc\\CrLf%\r\n"_sj);
  EXPECT_TRUE(form->ExecuteCommand(memo::mnuTabTop));
  EXPECT_EQ(form->Settings.TabPosition, 0);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], "タブの位置変更について|タブの位置の変更は，次回起動時に反映されます"_sj);
  EXPECT_TRUE(GetWindowLongW(form->tbcMemo.handle(), GWL_STYLE) & TCS_BOTTOM);
  HMENU positions = GetSubMenu(GetSubMenu(form->mainMenu(), 2), 6);
  ASSERT_EQ(GetMenuItemID(positions, 0), static_cast<UINT>(memo::mnuTabTop));
  SendMessageW(form->handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(positions), 6);
  EXPECT_TRUE(GetMenuState(positions, memo::mnuTabTop, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_FALSE(GetMenuState(positions, memo::mnuTabBottom, MF_BYCOMMAND) & MF_CHECKED);
  form->destroy();
  form.reset();
  start("");
  EXPECT_FALSE(GetWindowLongW(form->tbcMemo.handle(), GWL_STYLE) & (TCS_BOTTOM | TCS_VERTICAL));
}

TEST_F(MemoTabs, SavingATabToAFileProposesItsNameAndWritesItsForm) {
  startWith("memo/*!/abc\\CrLf%\r\n"_sj);
  savePath = dir.file("out.txt");
  form->actSaveTabExecute();
  ASSERT_EQ(prompts.size(), 1u);
  EXPECT_EQ(prompts[0], "保存先の指定|テキストファイル(*.txt)|*.txt|全てのファイル(*.*)|*.*||memo.txt"_sj);
  EXPECT_EQ(read("out.txt"), "abc\r\n");
  form->mnuRichTextClick();
  savePath = dir.file("out.rtf");
  form->actSaveTabExecute();
  EXPECT_EQ(prompts[1], "保存先の指定|リッチテキストファイル(*.rtf)|*.rtf|全てのファイル(*.*)|*.*||memo.rtf"_sj);
  EXPECT_EQ(read("out.rtf").rfind("{\\rtf1", 0), 0u);
  savePath.reset();  // cancelled: nothing written
  base::deleteFile(dir.file("out.txt"));
  form->mnuRichTextClick();
  form->actSaveTabExecute();
  EXPECT_FALSE(base::fileExists(dir.file("out.txt")));
  // The document itself was not touched by any of it.
  EXPECT_EQ(documentTab("memo.ntd", "memo"), "abc\r\n");
}

TEST_F(MemoTabs, WithNoTabSelectedNothingIsSavedAndNothingSaysSo) {
  startWith("memo/*!/abc\\CrLf%\r\n"_sj);
  form->ShowStatusMessage("");
  SendMessageW(form->tbcMemo.handle(), TCM_SETCURSEL, static_cast<WPARAM>(-1), 0);
  form->rceMemo.setModified(true);
  form->tbcMemoChanging();
  EXPECT_EQ(form->StatusText(), "");
  EXPECT_EQ(documentTab("memo.ntd", "memo"), "abc\r\n");
  form->destroy();
  EXPECT_EQ(readSetting("LastTab"), "");  // no tab was shown
}

// How long such switches take is a figure of the memo bench.
TEST_F(MemoTabs, SwitchingBetweenLargeTabsKeepsWhatWasTyped) {
  // Two tabs of 1000 lines each (about 40 KB of text with double-byte characters).
  std::string line = "一行のテキスト 0123456789 abcdefghij"_sj;
  std::string big;
  for (int i = 0; i < 1000; ++i) big += line + "\\CrLf%";
  startWith("A/*!/" + big + "\r\nB/*!/" + big + "\r\n");
  type("x");
  form->MoveToAdjacentTab(true);
  form->MoveToAdjacentTab(true);
  EXPECT_EQ(form->rceMemo.text().substr(0, 1), "x");
}

TEST_F(MemoTabs, ATabTooLargeForTheEditorIsToldStaysReadOnlyAndIsNeverWritten) {
  std::string big(300000, 'x');
  startWith("small/*!/a\r\nbig/*!/" + big + "\r\n");
  const std::string stored = documentTab("memo.ntd", "big");
  form->EditorRoom = [] { return memo::RichEdit::kRoomPerTextByte * 1000; };
  form->MoveToAdjacentTab(true);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("大きすぎて表示できません (292 KB)"_sj), std::string::npos);
  EXPECT_TRUE(form->rceMemo.readOnly());
  type("y");
  form->tmrSaveTimer();
  form->MoveToAdjacentTab(true);
  std::string kept = documentTab("memo.ntd", "big");
  EXPECT_TRUE(kept == stored) << kept.size() << " bytes";
  EXPECT_EQ(form->rceMemo.text(), "a\r\n");
}

TEST_F(MemoTabs, ARichTabIsHeldAsTheTextItShowsNotAsItsStoredSize) {
  // An ignored destination stands for a picture's hex.
  startWith("small/*!/a\r\nrich/*!/{\\rtf1 {\\*\\pic " + std::string(300000, '0') + "}hi}\r\n");
  form->EditorRoom = [] { return memo::RichEdit::kRoomPerTextByte * 1000; };
  form->MoveToAdjacentTab(true);
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(form->rceMemo.text(), "hi");
}

}  // namespace
