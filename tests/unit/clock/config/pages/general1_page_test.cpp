// The page "全般1": window behaviour, the count-down of the power question and the mouse
// commands loaded and saved; a heading cannot be chosen; the start-up buttons' failures.
#include "clock/config/pages/general1_page.h"

#include <gtest/gtest.h>

#include "clock/config/pages/hot_key_page.h"
#include "clock/config/pages/system_page.h"
#include "support/startup_folder.h"
#include "unit/clock/config/pages/general_pages_fixture.h"

namespace {

using tockle::TGeneral1Page;

class General1Page : public test::GeneralPages {
 protected:
  TGeneral1Page& p() { return page<TGeneral1Page>(tockle::tabGeneral); }
  ui::CheckBox& systemIcon() { return page<tockle::TSystemPage>(tockle::tabSystem).chkSystemIcon; }
  ui::CheckBox& useHotKey() { return page<tockle::THotKeyPage>(tockle::tabHotKey).chkUseHotKey; }
};

TEST_F(General1Page, LoadsEachSettingAndSavesWhatTheUserChanged) {
  struct {
    int timeRemain;
    bool top, tray, fix, icon, hotKey;
    int mouse[3];
    const char* exitText;
    int selected[3];  // -1: the stored command is not in the list
  } cases[] = {
      {-1, true, false, true, false, true, {99, 1, 100}, "-1", {2, 1, 3}},
      {0, false, true, false, true, false, {1, 55, 99}, "0", {1, -1, 2}},
      {45, true, true, false, true, true, {100, 100, 1}, "45", {3, 3, 1}},
  };
  for (const auto& c : cases) {
    auto& s = host.value;
    s.TimeRemain = c.timeRemain;
    s.AlwaysOnTop = c.top, s.InTray = c.tray, s.FixClock = c.fix, s.SystemIcon = c.icon;
    s.HotKey = c.hotKey;
    s.MouseOperation0 = c.mouse[0], s.MouseOperation1 = c.mouse[1], s.MouseOperation2 = c.mouse[2];
    open();
    SCOPED_TRACE(c.timeRemain);
    EXPECT_EQ(p().chkQueryExit.checked(), c.timeRemain != -1);
    EXPECT_EQ(p().edtExitWin.text(), c.exitText);
    EXPECT_EQ(p().edtExitWin.enabled(), c.timeRemain != -1);
    EXPECT_EQ(p().chkStayOnTop.checked(), c.top);
    EXPECT_EQ(p().chkStayInTray.checked(), c.tray);
    EXPECT_EQ(p().chkFixClock.checked(), c.fix);
    EXPECT_EQ(systemIcon().checked(), c.icon);
    EXPECT_EQ(useHotKey().checked(), c.hotKey);
    // The lists follow the command list's hot-key section, a heading first.
    EXPECT_EQ(p().cmbRButton.item(0), tockle::kCommandHeading);
    EXPECT_EQ(p().cmbLButton.itemIndex(), c.selected[0]);
    EXPECT_EQ(p().cmbMButton.itemIndex(), c.selected[1]);
    EXPECT_EQ(p().cmbRButton.itemIndex(), c.selected[2]);
    for (auto* box : {&p().chkStayOnTop, &p().chkStayInTray, &p().chkFixClock, &systemIcon(), &useHotKey()})
      click(*box);
    EXPECT_TRUE(changed());
    apply();
    EXPECT_EQ(s.AlwaysOnTop, !c.top);
    EXPECT_EQ(s.InTray, !c.tray);
    EXPECT_EQ(s.FixClock, !c.fix);
    EXPECT_EQ(s.SystemIcon, !c.icon);
    EXPECT_EQ(s.HotKey, !c.hotKey);
    EXPECT_EQ(s.TimeRemain, c.timeRemain);
    // A list without the stored command keeps it.
    EXPECT_EQ(s.MouseOperation1, c.mouse[1]);
  }
}

TEST_F(General1Page, TheCountDownStaysAtZeroWhileAskedAndOnlyTheBoxSwitchesTheQuestionOff) {
  host.value.TimeRemain = 0;
  open();
  SendMessageW(p().edtExitWin.handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(p().edtExitWin.text(), "0");
  EXPECT_FALSE(changed());
  SendMessageW(p().edtExitWin.handle(), WM_KEYDOWN, VK_UP, 0);
  EXPECT_TRUE(changed());
  apply();
  EXPECT_EQ(host.value.TimeRemain, 1);
  click(p().chkQueryExit);
  EXPECT_FALSE(p().edtExitWin.enabled());
  apply();
  EXPECT_EQ(host.value.TimeRemain, -1);
  click(p().chkQueryExit);
  EXPECT_EQ(p().edtExitWin.text(), "0");
}

TEST_F(General1Page, AHeadingCannotBeChosenAndACommandIsStored) {
  open();
  p().cmbMButton.setItemIndex(0);
  notify(p().cmbMButton, CBN_SELCHANGE);
  EXPECT_EQ(boxes, std::vector<std::string>{"選択ミス:区切りは選択しても使えません\r\n違うもの選択してね"_sj});
  EXPECT_EQ(p().cmbMButton.itemIndex(), 0);
  EXPECT_FALSE(changed());
  p().cmbLButton.setItemIndex(3);
  notify(p().cmbLButton, CBN_SELCHANGE);
  EXPECT_TRUE(changed());
  apply();
  EXPECT_EQ(host.value.MouseOperation0, 100);
  EXPECT_EQ(host.value.MouseOperation1, 1);  // the heading left the stored command
}

TEST_F(General1Page, StartUpButtonsSayWhenTheShortcutWasNotWrittenOrTheFolderIsUnknown) {
  writeFile("not_a_folder", "x");
  struct {
    std::string startup, created, erased;
  } cases[] = {
      {folder.file("not_a_folder"), "スタートアップにショートカットを作成できませんでした"_sj, ""},
      {"Q:\\無い\\Startup"_sj, "スタートアップフォルダが見つかりません"_sj,
       "スタートアップフォルダが見つかりません"_sj},
  };
  open();
  for (const auto& c : cases) {
    test::StartupFolder startup(c.startup);
    boxes.clear();
    click(p().btnCreateStartup);
    click(p().btnEraseStartup);
    std::vector<std::string> expected{"スタートアップ登録エラー:"_sj + c.created};
    if (!c.erased.empty()) expected.push_back("スタートアップ削除エラー:"_sj + c.erased);
    EXPECT_EQ(boxes, expected) << c.startup;
    EXPECT_FALSE(changed());
  }
}

}  // namespace
