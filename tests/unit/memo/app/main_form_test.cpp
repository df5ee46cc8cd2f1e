// The memo window in-process on documents in a temp folder, with its settings under a test key:
// the shortcut rule, the menu bar and what closing writes.
#include "memo/app/main_form.h"

#include <gtest/gtest.h>

#include "base/files.h"
#include "base/text.h"
#include "memo/chrome/commands.h"
#include "ui/app.h"
#include "ui/timer.h"
#include "unit/memo/main_form_fixture.h"

namespace {

using memotest::MainFormTest;

TEST_F(MainFormTest, ShortcutsTakeTheMainMenuFirstThenTheActions) {
  write("memo.ntd", typeII("メモ/*!/abc\\CrLf%\r\n二/*!/def\\CrLf%\r\n"_sj));
  start(dir.file("memo.ntd"));
  // Ctrl+U: the File menu's backup update comes before the Format menu's underline.
  EXPECT_TRUE(form->HandleShortCut(memo::shortCut('U', memo::kCtrl)));
  EXPECT_TRUE(base::fileExists(programDir.file("memo.bak")));
  // Ctrl+Tab belongs to no menu item: the action runs.
  EXPECT_TRUE(form->HandleShortCut(memo::shortCut(VK_TAB, memo::kCtrl)));
  EXPECT_EQ(form->session().selectedTab(), 1);
  // A disabled action takes its key but does nothing, whoever bound its handler: bold on a plain tab
  // would mark the text modified.
  ASSERT_FALSE(form->actions().find(memo::actBold)->enabled);
  form->rceMemo.setSelection(0, 3);
  EXPECT_TRUE(form->HandleShortCut(memo::shortCut('B', memo::kCtrl)));
  SendMessageW(form->handle(), WM_COMMAND, MAKEWPARAM(memo::actBold, 0), 0);  // as its tool button does
  EXPECT_FALSE(form->rceMemo.modified());
  // Keys nobody carries stay with the editor.
  EXPECT_FALSE(form->HandleShortCut(memo::shortCut(VK_F12, memo::kShift)));
}

TEST_F(MainFormTest, TheWindowShowsTheDocumentUnderItsTitleWithTheSevenMenus) {
  write("memo.ntd", typeII("一/*!/first\\CrLf%\r\n二/*!/二番目\\CrLf%\r\n"_sj));
  start(dir.file("memo.ntd"), "二"_sj);
  EXPECT_EQ(form->caption(), memo::kMainTitle);
  ASSERT_EQ(form->MenuBar1.ButtonCount(), 7);
  const char* captions[] = {"ファイル(&F)", "編集(&E)", "表示(&D)", "挿入(&I)", "書式(&O)", "ツール(&T)", "ヘルプ(&H)"};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(form->MenuBar1.ButtonCaption(i), base::fromUtf8(captions[i]));
  ASSERT_EQ(form->session().tabCount(), 2);
  EXPECT_EQ(form->session().selectedTab(), 1);  // the last tab shown
  EXPECT_EQ(form->rceMemo.text(), "二番目\r\n"_sj);
  EXPECT_TRUE(form->fldDrop->Accept());
  EXPECT_TRUE(GetWindowLongW(form->handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}

TEST_F(MainFormTest, ClosingSavesTheModifiedTabWritesTheBackupAndRemembersTheDocument) {
  write("memo.ntd", typeII("メモ/*!/abc\\CrLf%\r\n"_sj));
  start(dir.file("memo.ntd"));
  form->rceMemo.setText("新しい内容"_sj);
  form->rceMemo.setModified(true);
  form->destroy();
  EXPECT_NE(read("memo.ntd").find("メモ/*!/新しい内容"_sj), std::string::npos);
  EXPECT_NE(base::readFile(programDir.file("memo.bak")).value_or("").find("新しい内容"_sj), std::string::npos);
  EXPECT_EQ(readSetting("MemoFile"), dir.file("memo.ntd"));
  EXPECT_EQ(readSetting("LastTab"), "メモ"_sj);
  EXPECT_TRUE(boxes.empty());
}

// Closing, and the end of the session (log-off, shut-down), after which the program may be ended
// at any moment: nothing is asked.
class ClosingTest : public MainFormTest, public testing::WithParamInterface<bool> {
 protected:
  void end() {
    if (!GetParam()) {
      form->destroy();
      return;
    }
    EXPECT_EQ(SendMessageW(form->handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    SendMessageW(form->handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  }
};

TEST_P(ClosingTest, ASaveThatCannotBeDoneShowsNoBox) {
  write("memo.ntd", typeII("メモ/*!/abc\\CrLf%\r\n"_sj));
  start(dir.file("memo.ntd"));
  write("memo.ntd", "no memo document\r\n");
  form->rceMemo.setText("xyz");
  form->rceMemo.setModified(true);
  end();
  EXPECT_TRUE(errors.empty());
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(read("memo.ntd"), "no memo document\r\n");
}

INSTANTIATE_TEST_SUITE_P(CloseOrSessionEnd, ClosingTest, testing::Bool(), [](const testing::TestParamInfo<bool>& info) {
  return std::string(info.param ? "SessionEnd" : "Close");
});

TEST_F(MainFormTest, TheNoBackupCloseIsGreyedWhileBackupsAreOff) {
  write("memo.ntd", typeII("メモ/*!/abc\\CrLf%\r\n"_sj));
  start(dir.file("memo.ntd"));
  HMENU file = GetSubMenu(form->mainMenu(), 0);
  form->Settings.NeedBackup = false;
  SendMessageW(form->handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
  EXPECT_TRUE(GetMenuState(file, memo::mnuExitWithoutSave, MF_BYCOMMAND) & MF_GRAYED);
  form->Settings.NeedBackup = true;
  SendMessageW(form->handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
  EXPECT_FALSE(GetMenuState(file, memo::mnuExitWithoutSave, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(MainFormTest, AltWithAMenusLetterDropsThatMenuDown) {
  write("memo.ntd", typeII("メモ/*!/abc\\CrLf%\r\n"_sj));
  start(dir.file("memo.ntd"));
  form->Settings.NeedBackup = false;
  HMENU file = GetSubMenu(form->mainMenu(), 0);
  EnableMenuItem(file, memo::mnuExitWithoutSave, MF_BYCOMMAND | MF_ENABLED);
  // The menu runs its own loop: leave it from a timer once it is open.
  bool wasOpen = false;
  ui::Timer closer(100, true);
  closer.onTimer = [&] {
    wasOpen = GetMenuState(file, memo::mnuExitWithoutSave, MF_BYCOMMAND) & MF_GRAYED;
    EndMenu();
  };
  EXPECT_TRUE(form->MenuBar1.DropDownMnemonic(L'f'));
  EXPECT_TRUE(wasOpen);  // the File menu was opened and brought up to date
  EXPECT_FALSE(form->MenuBar1.DropDownMnemonic(L'z'));
}

TEST_F(MainFormTest, StatusMessagesShowInTheStatusBar) {
  write("memo.ntd", typeII("メモ/*!/abc\\CrLf%\r\n"_sj));
  start(dir.file("memo.ntd"));
  form->ShowStatusMessage("自動保存しました -> x"_sj);
  EXPECT_EQ(form->StatusText(), "自動保存しました -> x"_sj);
}

TEST_F(MainFormTest, TheFontNameBoxShowsAPlainTabsFaceThatIsNotListed) {
  setting("MemoFontName", "Nowhere Sans");
  write("memo.ntd", typeII("メモ/*!/abc\\CrLf%\r\n"_sj));
  start(dir.file("memo.ntd"));
  form->rceMemo.setSelection(1, 1);  // the box follows the caret's attributes
  EXPECT_EQ(form->cmbFontName.text(), "Nowhere Sans");
}

TEST_F(MainFormTest, TheFontNameBoxShowsTheTextsFaceFromTheStart) {
  setting("MemoFontName", "ＭＳ ゴシック"_sj);
  write("memo.ntd", typeII("メモ/*!/abc\\CrLf%\r\n"_sj));
  start(dir.file("memo.ntd"));
  EXPECT_EQ(form->cmbFontName.text(), "ＭＳ ゴシック"_sj);
}

TEST_F(MainFormTest, TheFontBoxesOnTheFormatBarReachTheWindowThroughTheirBar) {
  write("memo.ntd", typeII("メモ/*!/abc\\CrLf%\r\n"_sj));
  start(dir.file("memo.ntd"));
  form->mnuRichTextClick();
  form->rceMemo.setSelection(0, 3);
  // The boxes sit on the tool bar, which passes their commands on to the window.
  ASSERT_EQ(GetParent(form->cmbFontName.handle()), form->ToolBar2.handle());
  std::string face = form->cmbFontName.item(form->cmbFontName.count() - 1);
  form->cmbFontName.setItemIndex(form->cmbFontName.count() - 1);
  SendMessageW(form->ToolBar2.handle(), WM_COMMAND, MAKEWPARAM(memo::kFontNameId, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(form->cmbFontName.handle()));
  form->speFontSize.setText("20");  // the edit box tells its change itself
  CHARFORMAT2W cf{};
  cf.cbSize = sizeof cf;
  SendMessageW(form->rceMemo.handle(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
  EXPECT_EQ(base::cp932(cf.szFaceName), face);
  EXPECT_EQ(cf.yHeight, 400);
}

}  // namespace
