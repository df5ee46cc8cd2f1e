// The settings dialog over the clock window: what it applies reaches the window and its store,
// a launcher change rebuilds the window's menu, and the ways the clock opens it.
#include "clock/app/main_config_host.h"

#include <gtest/gtest.h>

#include "clock/alarm/alarm_area.h"
#include "clock/config/config_dialog.h"
#include "clock/config/pages/alarm_page.h"
#include "clock/launcher/launch_items.h"
#include "clock/launcher/launcher_area.h"
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
  std::string stored(const std::string& name) {
    shared::TKzRegEx r;
    if (!r.OpenKeyReadOnly(key.path()) || !r.ValueExists(name)) return "(none)";
    DWORD type = 0;
    RegQueryValueExW(r.CurrentKey(), base::wide(name).c_str(), nullptr, &type, nullptr, nullptr);
    return type == REG_DWORD ? std::to_string(r.ReadInteger(name)) : r.ReadString(name);
  }
};

TEST_F(ConfigOnTheClock, AppliedSettingsAreStoredAndReachTheWindow) {
  auto d = open(1);
  form.Settings.AlwaysOnTop = false;
  // The clock face's kind, circle, font and background come from the value too.
  form.Settings.ClockType = 2;
  form.Settings.HandWidth = 3;
  form.Settings.ClockFontName = "MS Gothic";
  form.Settings.BackColor = 0x123456;
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
  ASSERT_GE(form.launcher().ppmLaunch.Items.size(), 2u);
  EXPECT_TRUE(form.launcher().ppmLaunch.Items[0].Separator);
  EXPECT_EQ(form.launcher().ppmLaunch.Items[1].Caption, "B");
  EXPECT_EQ(stored("AppCache1"), "0");
  EXPECT_NE(base::readFile(folder.file("_cache3")).value_or("stale"), "stale");
  EXPECT_TRUE(form.launcher().LauncherMenuDirty);
}

TEST_F(ConfigOnTheClock, TheClockOpensItOnceAndAnAlarmRequestInModeThree) {
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
