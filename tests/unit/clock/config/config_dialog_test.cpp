// The settings dialog over a host of its own: tabs by mode, Apply following the flags, the apply
// procedure ending with the host's save and apply, column widths kept on Cancel, Enter and Esc of
// an open edit group, and help.
#include <gtest/gtest.h>

#include "clock/config/config_dialog.h"
#include "clock/config/pages/alarm_page.h"
#include "clock/config/pages/launcher_page.h"
#include "unit/clock/config/config_fixture.h"
#include "unit/clock/clock_fixture.h"

namespace {

class ConfigDialog : public test::ConfigFixture {
 protected:
  void SetUp() override {
    test::ConfigFixture::SetUp();
    prompts.answer = [this](const test::FakePrompts::Box& box) {
      boxes.push_back(std::string(box.caption) + ":" + std::string(box.text));
      return IDOK;
    };
  }
  std::unique_ptr<tockle::TfrmConfig> open(uint8_t mode) {
    auto d = std::make_unique<tockle::TfrmConfig>(host, mode);
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
  ASSERT_TRUE(d->ApplySettings(false));
  EXPECT_EQ(host.calls, (std::vector<std::string>{"save", "apply"}));
  // A changed launcher: its icon cache goes and its menu is built again; the flags clear.
  host.calls.clear();
  writeFile("_cache3", "x");
  d->SetChanged(tockle::cpLauncher);
  EXPECT_TRUE(d->btnApply.enabled());
  ASSERT_TRUE(d->ApplySettings(false));
  EXPECT_EQ(d->ChangedPages, 0);
  EXPECT_FALSE(d->btnApply.enabled());
  EXPECT_FALSE(base::fileExists(folder.file("_cache3")));
  EXPECT_EQ(host.calls, (std::vector<std::string>{"launcher", "save", "apply launcher"}));
  // Cancel saves and applies nothing more.
  d->close(IDCANCEL);
  EXPECT_EQ(host.calls.size(), 3u);
}

TEST_F(ConfigDialog, SettingsThatCannotBeSavedAreSaidAndTheDialogStaysOpen) {
  auto d = open(0);
  host.saveSucceeds = false;
  EXPECT_FALSE(d->ApplySettings(true));
  EXPECT_EQ(boxes, std::vector<std::string>{"設定保存エラー:設定をレジストリに保存できませんでした"_sj});
  EXPECT_EQ(host.calls, std::vector<std::string>{"save"});
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

}  // namespace
