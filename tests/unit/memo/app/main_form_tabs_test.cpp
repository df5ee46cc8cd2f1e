// The memo window's parts of its tabs: the shown tab's form (plain or rich) with the format
// actions and menu, the tab position, and the last tab remembered at close.
#include <gtest/gtest.h>

#include "base/files.h"
#include "base/text.h"
#include "memo/chrome/commands.h"
#include "unit/memo/main_form_fixture.h"

namespace {

using memotest::MainFormTest;

class MemoTabs : public MainFormTest {
 protected:
  void startWith(const std::string& tabLines) {
    write("memo.ntd", typeII(tabLines));
    start(dir.file("memo.ntd"));
  }
  bool actionEnabled(int id) { return form->actions().find(id)->enabled; }
};

TEST_F(MemoTabs, RichAndPlainTabsSetTheFormatActionsAndTheFormSwitchesAtTheNextSave) {
  startWith("plain/*!/abc\\CrLf%\r\n"_sj);
  EXPECT_TRUE(form->PlainMode);
  EXPECT_FALSE(actionEnabled(memo::actBold));
  EXPECT_FALSE(actionEnabled(memo::actColor));
  form->mnuRichTextClick();
  EXPECT_FALSE(form->PlainMode);
  EXPECT_TRUE(actionEnabled(memo::actBold));
  EXPECT_TRUE(form->rceMemo.modified());
  form->session().tbcMemoChanging();
  std::string saved = documentTab("memo.ntd", "plain");
  EXPECT_EQ(saved.rfind("{\\rtf1", 0), 0u) << saved;
  // Reloaded, the tab is rich now.
  form->session().tbcMemoChange();
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

TEST_F(MemoTabs, WithNoTabSelectedNothingIsSavedAndNothingSaysSo) {
  startWith("memo/*!/abc\\CrLf%\r\n"_sj);
  form->ShowStatusMessage("");
  SendMessageW(form->tbcMemo.handle(), TCM_SETCURSEL, static_cast<WPARAM>(-1), 0);
  form->rceMemo.setModified(true);
  form->session().tbcMemoChanging();
  EXPECT_EQ(form->StatusText(), "");
  EXPECT_EQ(documentTab("memo.ntd", "memo"), "abc\r\n");
  form->destroy();
  EXPECT_EQ(readSetting("LastTab"), "");  // no tab was shown
}

}  // namespace
