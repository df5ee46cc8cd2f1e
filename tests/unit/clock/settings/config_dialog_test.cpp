// The settings dialog on a clock window of its own: tabs by mode, Apply following the flags, the
// apply procedure ending with the clock's save and apply, column widths kept on Cancel, Enter and
// Esc of an open edit group, help, and the ways the clock opens it.
#include <gtest/gtest.h>

#include "clock/settings/config_dialog.h"
#include "clock/settings/pages/alarm_page.h"
#include "clock/settings/pages/launcher_page.h"
#include "clock/alarm/alarm_area.h"
#include "clock/launcher/launcher_area.h"
#include "unit/clock/clock_fixture.h"

namespace {

class ConfigDialog : public test::ClockFixture {
 protected:
  void SetUp() override {
    test::ClockFixture::SetUp();
    form.AskUser = [this](HWND, std::string_view text, std::string_view caption, UINT) {
      boxes.push_back(std::string(caption) + ":" + std::string(text));
      return IDOK;
    };
  }
  std::unique_ptr<tockle::TfrmConfig> open(uint8_t mode) {
    form.ConfigMode = mode;
    auto d = std::make_unique<tockle::TfrmConfig>(form);
    EXPECT_TRUE(d->create());
    return d;
  }
  int storedInt(const std::string& name) {
    shared::TRegistry r;
    if (!r.OpenKeyReadOnly(key.path()) || !r.ValueExists(name)) return -1;
    return r.ReadInteger(name);
  }
  std::vector<std::string> boxes;
};

TEST_F(ConfigDialog, EachModeShowsItsTabsWithApplyDisabled) {
  struct {
    uint8_t mode;
    int tabs;
    int active;
  } cases[] = {
      {0, 9, tockle::tabGeneral}, {1, 1, tockle::tabAlarm}, {2, 1, tockle::tabLaunch}, {3, 1, tockle::tabAlarm}};
  for (auto c : cases) {
    auto d = open(c.mode);
    EXPECT_EQ(d->caption(), "環境設定 - Tockle 3"_sj);
    EXPECT_EQ(SendMessageW(d->pgcConfig.handle(), TCM_GETITEMCOUNT, 0, 0), c.tabs) << int(c.mode);
    EXPECT_EQ(d->ActiveTab(), c.active);
    EXPECT_FALSE(d->btnApply.enabled());
    EXPECT_EQ(d->ChangedPages, 0);
  }
}

TEST_F(ConfigDialog, ApplyWithoutFlagsStillSavesAndAppliesTheClocksSettings) {
  auto d = open(1);
  form.Settings.AlwaysOnTop = false;
  ASSERT_TRUE(d->ApplySettings(false));
  EXPECT_EQ(storedInt("AlwaysOnTop"), 0);
  EXPECT_FALSE(form.topMost());
  // A changed launcher: its icon cache goes and its menu is built again; the flags clear.
  writeFile("_cache3", "x");
  d->SetChanged(tockle::cpLauncher);
  EXPECT_TRUE(d->btnApply.enabled());
  ASSERT_TRUE(d->ApplySettings(false));
  EXPECT_EQ(d->ChangedPages, 0);
  EXPECT_FALSE(d->btnApply.enabled());
  EXPECT_FALSE(base::fileExists(folder.file("_cache3")));
  EXPECT_TRUE(form.launcher().LauncherMenuDirty);
  // Cancel keeps what Apply wrote.
  form.Settings.AlwaysOnTop = true;
  d->close(IDCANCEL);
  EXPECT_EQ(storedInt("AlwaysOnTop"), 0);
}

TEST_F(ConfigDialog, ASettingsKeyThatCannotBeWrittenIsSaidAndTheDialogStaysOpen) {
  auto d = open(0);
  form.RegistryKey = key.path() + "\\" + std::string(300, 'k');  // no such key can be made
  EXPECT_FALSE(d->ApplySettings(true));
  EXPECT_EQ(boxes, std::vector<std::string>{"設定保存エラー:設定をレジストリに保存できませんでした"_sj});
  EXPECT_TRUE(IsWindow(d->handle()));
  EXPECT_TRUE(d->btnApply.enabled());
}

TEST_F(ConfigDialog, ColumnWidthsAreKeptOnCancelAndOpenSoInAnotherMode) {
  {
    auto d = open(0);
    EXPECT_EQ(d->AlarmPage().lsvAlarm.columnWidth(4), 72);
    d->AlarmPage().lsvAlarm.setColumnWidth(3, 123);
    d->LauncherPage().lsvLaunch.setColumnWidth(0, 55);
    d->close(IDCANCEL);
  }
  EXPECT_EQ(storedInt("AlarmColumn3"), 123);
  EXPECT_EQ(storedInt("AlarmColumn1"), 0);
  EXPECT_EQ(storedInt("AlarmColumn11"), 20);
  EXPECT_EQ(storedInt("LaunchColumn0"), 55);
  EXPECT_EQ(storedInt("LaunchColumn5"), 0);
  auto d = open(2);
  EXPECT_EQ(d->LauncherPage().lsvLaunch.columnWidth(0), 55);
  EXPECT_EQ(d->AlarmPage().lsvAlarm.columnWidth(3), 123);
}

TEST_F(ConfigDialog, AnOpenEditGroupTakesEnterAndEscUntilItCloses) {
  auto d = open(0);
  int enter = 0, esc = 0;
  d->btnHelp.onClick = [&] { ++enter; };
  d->btnOk.onClick = [&] { ++esc; };
  HWND list = d->AlarmPage().lsvAlarm.handle();
  auto press = [&](WPARAM key) {
    PostMessageW(list, WM_KEYDOWN, key, 0);
    ui::Application::instance().processMessages();
  };
  d->SetEditButtons(&d->btnHelp, &d->btnOk);
  press(VK_RETURN);
  press(VK_ESCAPE);
  EXPECT_EQ(enter, 1);
  EXPECT_EQ(esc, 1);
  d->SetEditButtons(nullptr, nullptr);
  press(VK_RETURN);
  EXPECT_EQ(enter, 1);
}

TEST_F(ConfigDialog, HelpFollowsModeAndPageAndAMissingFileIsSaidOnce) {
  std::vector<std::pair<UINT, DWORD>> calls;
  auto d = open(0);
  d->OpenHelp = [&](HWND, const std::string&, UINT c, DWORD data) { calls.push_back({c, data}); };
  auto& app = ui::Application::instance();
  std::string saved = app.helpFile;
  app.helpFile = folder.file("Tockle.hlp");
  d->btnHelpClick();
  EXPECT_TRUE(calls.empty());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], "ヘルプ:ヘルプファイル "_sj + folder.file("Tockle.hlp") + " が見つかりません"_sj);
  writeFile("Tockle.hlp", "");
  d->pgcConfig.setActivePage(tockle::tabAlarm);
  d->btnHelpClick();
  d->HelpPopup(68);
  app.helpFile = saved;
  EXPECT_EQ(calls, (std::vector<std::pair<UINT, DWORD>>{{HELP_CONTEXT, 20}, {HELP_CONTEXTPOPUP, 68}}));
}

TEST_F(ConfigDialog, TheClockOpensItOnceAndAnAlarmRequestInModeThree) {
  std::vector<int> shown;
  std::vector<std::string> messages;
  form.ShowConfig = [&](tockle::TfrmConfig& d) {
    shown.push_back(d.ConfigMode);
    if (d.ConfigMode == tockle::cfgNewAlarm) messages.push_back(d.AlarmPage().cmbMessage.text());
    // A second request while the dialog is open returns at once and opens nothing.
    std::string text = "again";
    COPYDATASTRUCT cds{1, static_cast<DWORD>(text.size()), text.data()};
    EXPECT_EQ(SendMessageW(form.handle(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds)), 0);
    form.ExecuteCommand(tockle::cmdSettings);
  };
  const bool active = form.alarms().AlarmManager->Active();
  for (int command : {tockle::cmdSettings, tockle::cmdAlarms, tockle::cmdNewAlarm}) form.ExecuteCommand(command);
  std::string text = "wake";
  COPYDATASTRUCT cds{1, static_cast<DWORD>(text.size()), text.data()};
  SendMessageW(form.handle(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds));
  EXPECT_EQ(shown, (std::vector<int>{0, 1, 3, 3}));
  // Only the memo's request fills in the new alarm's message.
  EXPECT_EQ(messages, (std::vector<std::string>{"設定時刻になりました"_sj, "wake"}));
  EXPECT_EQ(form.AlarmRequestText, "wake");
  EXPECT_EQ(form.alarms().AlarmManager->Active(), active);
}

}  // namespace
