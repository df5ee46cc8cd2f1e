// The settings dialog over the clock window: what it applies reaches the window and its store,
// a launcher change rebuilds the window's menu, and the ways the clock opens it.
#include "clock/app/main_config_host.h"

#include <gtest/gtest.h>

#include "clock/alarm/alarm_area.h"
#include "clock/config/config_dialog.h"
#include "clock/config/pages/alarm_page.h"
#include "clock/config/pages/general1_page.h"
#include "clock/config/pages/launcher_page.h"
#include "clock/launcher/launch_items.h"
#include "clock/launcher/launcher_area.h"
#include "support/test_key.h"
#include "unit/clock/clock_fixture.h"

namespace {

class ConfigOnTheClock : public test::ClockFixture {
 protected:
  tockle::MainConfigHost configHost{form};
  std::unique_ptr<tockle::TfrmConfig> open(uint8_t mode) {
    auto d = std::make_unique<tockle::TfrmConfig>(configHost, mode);
    EXPECT_TRUE(d->create());
    return d;
  }
  test::KeyDump dumpKey() {
    shared::TKzRegEx r;
    return r.OpenKeyReadOnly(key.path()) ? test::dumpKey(r.CurrentKey()) : test::KeyDump{};
  }
  std::string stored(const std::string& name) {
    shared::TKzRegEx r;
    if (!r.OpenKeyReadOnly(key.path()) || !r.ValueExists(name)) return "(none)";
    DWORD type = 0;
    RegQueryValueExW(r.CurrentKey(), base::wide(name).c_str(), nullptr, &type, nullptr, nullptr);
    return type == REG_DWORD ? std::to_string(r.ReadInteger(name)) : r.ReadString(name);
  }
};

TEST_F(ConfigOnTheClock, AppliedSettingsAreStoredAndReachTheWindow) {
  form.Settings.AlwaysOnTop = false;
  // The clock face's kind, circle, font and background come from the value too.
  form.Settings.ClockType = 2;
  form.Settings.HandWidth = 3;
  form.Settings.ClockFontName = "MS Gothic";
  form.Settings.BackColor = 0x123456;
  auto d = open(1);
  ASSERT_TRUE(d->ApplySettings(false));
  EXPECT_EQ(stored("AlwaysOnTop"), "0");
  EXPECT_FALSE(form.topMost());
  EXPECT_EQ(form.tmeMain.ClockKind, 2);
  EXPECT_EQ(form.tmeMain.CircleWidth, 3);
  EXPECT_EQ(form.lblClock.Font.name(), "MS Gothic");
  EXPECT_EQ(form.lblClock.Color, 0x123456u);
  // A key that cannot be written is said, and the dialog stays open.
  form.RegistryKey = key.path() + "\\" + std::string(300, 'k');
  EXPECT_FALSE(d->ApplySettings(true));
  EXPECT_EQ(askedCaption, "設定保存エラー"_sj);
  EXPECT_TRUE(IsWindow(d->handle()));
}

// The dialog edits a copy: after an OK whose alarm step failed, Cancel leaves the window's
// settings, its key and its files as they were, although earlier steps had written them.
TEST_F(ConfigOnTheClock, CancelAfterAFailedOkLeavesTheWindowTheKeyAndTheFilesAsTheyWere) {
  ASSERT_TRUE(form.SaveSettings());
  {
    shared::TKzRegEx reg;
    ASSERT_TRUE(reg.OpenKey(key.path(), true));
    tockle::WriteLaunchItems(reg, {{"A", base::programPath(), "C:\\", "", "", 0}});
  }
  if (!base::fileExists(folder.file("_alarm3"))) writeFile("_alarm3", "[Initial]\r\nCount=0\r\n");
  const std::vector<std::string> files = {"_system3", "_hot3", "_alarm3"};
  std::vector<std::optional<std::string>> before;
  for (const auto& f : files) before.push_back(base::readFile(folder.file(f)));
  form.launcher().listChanged();  // its icon cache marks go into the key
  const size_t menuBefore = form.launcher().menu().Items.size();
  auto keyBefore = dumpKey();
  auto d = open(0);
  auto& general = static_cast<tockle::TGeneral1Page&>(*d->Pages[tockle::tabGeneral]);
  ASSERT_TRUE(general.chkStayOnTop.checked());
  general.chkStayOnTop.setChecked(false);
  general.chkStayOnTop.click();
  d->LauncherPage().btnRowCutClick(0);  // written to the key before the alarms
  d->SetChanged(tockle::cpAlarms);
  {
    // Another program holds the alarm file: its step fails.
    base::FileHandle hold(
        CreateFileW(base::wide(folder.file("_alarm3")).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(hold);
    d->btnOkClick();
  }
  EXPECT_GE(asked, 1);
  ASSERT_TRUE(IsWindow(d->handle()));
  EXPECT_FALSE(general.chkStayOnTop.checked());  // the user's edit is still there
  d->close(IDCANCEL);
  EXPECT_TRUE(form.Settings.AlwaysOnTop);
  EXPECT_TRUE(form.topMost());
  form.ppmSystemPopup();
  EXPECT_TRUE(tockle::FindItemByTag(tockle::cmdAlwaysOnTop, form.ppmSystem)->Checked);
  // The launcher menu, built from the list the failed OK had written, is built from the old one.
  EXPECT_EQ(form.launcher().menu().Items.size(), menuBefore);
  d.reset();
  // The column widths the dialog keeps however it closes are no part of the apply.
  auto keyAfter = dumpKey();
  for (auto it = keyAfter.begin(); it != keyAfter.end();)
    it = it->first.find("Column") != std::string::npos && !keyBefore.count(it->first) ? keyAfter.erase(it) : ++it;
  EXPECT_EQ(keyAfter, keyBefore);
  for (size_t i = 0; i < files.size(); ++i) EXPECT_EQ(base::readFile(folder.file(files[i])), before[i]) << files[i];
  form.WriteOnExit();
  EXPECT_EQ(stored("AlwaysOnTop"), "1");
}

TEST_F(ConfigOnTheClock, AChangedLauncherRebuildsTheMenuAndItsIconCacheAtOnce) {
  {
    shared::TKzRegEx reg;
    ASSERT_TRUE(reg.OpenKey(key.path(), true));
    tockle::WriteLaunchItems(reg, {tockle::separatorItem(false), {"B", base::programPath(), "C:\\", "", "", 0}});
  }
  auto d = open(2);
  writeFile("_cache3", "stale");
  d->SetChanged(tockle::cpLauncher);
  ASSERT_TRUE(d->ApplySettings(false));
  ASSERT_GE(form.launcher().menu().Items.size(), 2u);
  EXPECT_TRUE(form.launcher().menu().Items[0].Separator);
  EXPECT_EQ(form.launcher().menu().Items[1].Caption, "B");
  EXPECT_EQ(stored("AppCache1"), "0");
  EXPECT_NE(base::readFile(folder.file("_cache3")).value_or("stale"), "stale");
  EXPECT_TRUE(form.launcher().menuOutdated());
}

TEST_F(ConfigOnTheClock, TheClockOpensItOnceAndAnAlarmRequestInModeThree) {
  std::vector<int> shown;
  std::vector<std::string> messages;
  tockle::setConfigDialogShow([&](tockle::TfrmConfig& d) {
    shown.push_back(d.ConfigMode);
    if (d.ConfigMode == tockle::cfgNewAlarm) messages.push_back(d.AlarmPage().cmbMessage.text());
    // A second request while the dialog is open returns at once and opens nothing.
    std::string text = "again";
    COPYDATASTRUCT cds{1, static_cast<DWORD>(text.size()), text.data()};
    EXPECT_EQ(SendMessageW(form.handle(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds)), 0);
    form.ExecuteCommand(tockle::cmdSettings);
  });
  const bool active = form.alarms().manager()->Active();
  for (int command : {tockle::cmdSettings, tockle::cmdAlarms, tockle::cmdNewAlarm}) form.ExecuteCommand(command);
  std::string text = "wake";
  COPYDATASTRUCT cds{1, static_cast<DWORD>(text.size()), text.data()};
  SendMessageW(form.handle(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds));
  EXPECT_EQ(shown, (std::vector<int>{0, 1, 3, 3}));
  // Only the memo's request fills in the new alarm's message.
  EXPECT_EQ(messages, (std::vector<std::string>{"設定時刻になりました"_sj, "wake"}));
  EXPECT_EQ(form.AlarmRequestText, "wake");
  EXPECT_EQ(form.alarms().manager()->Active(), active);
}

}  // namespace
