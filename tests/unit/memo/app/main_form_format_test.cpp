// The memo window's colour, font, alignment, view and help commands in-process, the common
// dialogs answered by the test.
#include <richedit.h>

#include <gtest/gtest.h>

#include "memo/chrome/commands.h"
#include "support/fake_common_dialogs.h"
#include "unit/memo/main_form_fixture.h"

namespace {

class MemoFormatting : public memotest::MainFormTest {
 protected:
  // A rich tab "one two" with "one" selected.
  void startRich() {
    write("memo.ntd", typeII("t/*!/{\\rtf1\\ansi\\ansicpg932 one two}\r\n"));
    start(dir.file("memo.ntd"));
    form->rceMemo.setSelection(0, 3);
  }
  CHARFORMAT2W format(WPARAM which) {
    CHARFORMAT2W cf{};
    cf.cbSize = sizeof cf;
    SendMessageW(form->rceMemo.handle(), EM_GETCHARFORMAT, which, reinterpret_cast<LPARAM>(&cf));
    return cf;
  }
  bool bandShown(HWND child) {
    REBARBANDINFOW band{};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_CHILD | RBBIM_STYLE;
    for (int i = 0; SendMessageW(form->clbToolBar.handle(), RB_GETBANDINFOW, static_cast<WPARAM>(i),
                                 reinterpret_cast<LPARAM>(&band));
         ++i)
      if (band.hwndChild == child) return !(band.fStyle & RBBS_HIDDEN);
    return false;
  }
  test::FakeCommonDialogs dialogs;
};

TEST_F(MemoFormatting, TheColourMenuGivesItsColourByTag) {
  startRich();
  for (auto [tag, color] : {std::pair{1, 0x000080u}, {9, 0x0000FFu}, {14, 0xFFFF00u}}) {
    form->ExecuteCommand(memo::mnuColor0 + tag);
    EXPECT_EQ(format(SCF_SELECTION).crTextColor, color) << tag;
  }
  EXPECT_TRUE(form->rceMemo.modified());
  // "Other": the dialog's colour, and on a cancel the default colour.
  dialogs.colors.push_back(0x123456);
  form->ExecuteCommand(memo::mnuColorOther);
  EXPECT_EQ(format(SCF_SELECTION).crTextColor, 0x123456u);
  form->ExecuteCommand(memo::mnuColorOther);
  EXPECT_EQ(format(SCF_SELECTION).crTextColor, format(SCF_DEFAULT).crTextColor);
}

TEST_F(MemoFormatting, TheFontDialogGivesNameColourAndSizeButNotItsStyle) {
  startRich();
  form->ExecuteCommand(memo::mnuFont);  // cancelled: nothing changes
  EXPECT_FALSE(form->rceMemo.modified());
  ui::Font font("Arial", 20);
  font.setColor(0x0000FF);
  font.setStyle(ui::kBold);
  dialogs.fonts.push_back(std::move(font));
  form->ExecuteCommand(memo::mnuFont);
  CHARFORMAT2W cf = format(SCF_SELECTION);
  EXPECT_EQ(base::cp932(cf.szFaceName), "Arial");
  EXPECT_EQ(cf.yHeight, 400);
  EXPECT_EQ(cf.crTextColor, 0x0000FFu);
  EXPECT_FALSE(cf.dwEffects & CFE_BOLD);
  EXPECT_TRUE(form->rceMemo.modified());
}

TEST_F(MemoFormatting, DefaultFontAndBackgroundAreSettingsNotEdits) {
  startRich();
  ui::Font font("Arial", 14);
  font.setColor(0x008000);
  dialogs.fonts.push_back(std::move(font));
  form->ExecuteCommand(memo::mnuDefaultFont);
  dialogs.colors.push_back(0xC0C0C0);
  form->ExecuteCommand(memo::mnuBackColor);
  EXPECT_EQ(form->Settings.MemoFontName, "Arial");
  EXPECT_EQ(form->Settings.MemoFontSize, 14);
  EXPECT_EQ(form->Settings.MemoFontColor, 0x008000);
  EXPECT_EQ(form->Settings.BackColor, 0xC0C0C0);
  EXPECT_EQ(format(SCF_DEFAULT).crTextColor, 0x008000u);
  EXPECT_FALSE(form->rceMemo.modified());
}

TEST_F(MemoFormatting, AlignmentChecksOneActionAndSetsTheParagraph) {
  startRich();
  form->ExecuteCommand(memo::actRightAlign);
  PARAFORMAT2 pf{};
  pf.cbSize = sizeof pf;
  SendMessageW(form->rceMemo.handle(), EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
  EXPECT_EQ(pf.wAlignment, PFA_RIGHT);
  for (auto [id, on] :
       {std::pair{memo::actLeftAlign, false}, {memo::actCenterAlign, false}, {memo::actRightAlign, true}})
    EXPECT_EQ((GetMenuState(form->mainMenu(), id, MF_BYCOMMAND) & MF_CHECKED) != 0, on) << id;
}

TEST_F(MemoFormatting, TheSizeBoxAppliesNineForAnythingButANumberAndStaysInRange) {
  startRich();
  for (auto [text, twips] : {std::pair{"x", 180}, {"12", 240}, {"99999", 1638 * 20}}) {
    form->speFontSize.setText(text);
    EXPECT_EQ(format(SCF_SELECTION).yHeight, twips) << text;
  }
  // Mirroring the selection into the box is no format change of its own.
  form->rceMemo.setModified(false);
  form->rceMemo.setSelection(4, 3);
  EXPECT_FALSE(form->rceMemo.modified());
  EXPECT_EQ(form->speFontSize.text(), std::to_string(format(SCF_SELECTION).yHeight / 20));
}

TEST_F(MemoFormatting, ViewTogglesHideTheToolBarsAndTheStatusBar) {
  startRich();
  form->ExecuteCommand(memo::mnuShowToolBar);
  form->ExecuteCommand(memo::mnuShowStatusBar);
  EXPECT_FALSE(form->Settings.ToolBar);
  EXPECT_FALSE(form->Settings.StatusBar);
  EXPECT_FALSE(bandShown(form->ToolBar1.handle()));
  EXPECT_FALSE(bandShown(form->ToolBar2.handle()));
  EXPECT_TRUE(bandShown(form->MenuBar1.handle()));
  EXPECT_FALSE(IsWindowVisible(form->stbMemo.handle()));
}

TEST_F(MemoFormatting, HelpCommandsReachTheHelpFile) {
  startRich();
  std::vector<std::pair<UINT, ULONG_PTR>> calls;
  form->ShowHelp = [&](UINT command, ULONG_PTR data) { calls.emplace_back(command, command == HELP_KEY ? 0 : data); };
  for (int id : {memo::actHelp, memo::mnuHelpSearch, memo::mnuHelpOnHelp, memo::mnuMenuHelp}) form->ExecuteCommand(id);
  EXPECT_EQ(calls, (std::vector<std::pair<UINT, ULONG_PTR>>{
                       {HELP_FINDER, 0}, {HELP_KEY, 0}, {HELP_HELPONHELP, 0}, {HELP_CONTEXT, 83}}));
}

}  // namespace
