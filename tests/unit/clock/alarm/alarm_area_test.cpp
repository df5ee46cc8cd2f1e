// The alarm area on a fake host: the manager built from the program folder's alarm file, checks
// only once the area is made active, the notification after a posted check, and closing the clock
// while a notification is open.
#include "clock/alarm/alarm_area.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/text.h"
#include "clock/alarm/alarm_file.h"
#include "clock/alarm/alarm_ids.h"
#include "clock/tray/tray_icon.h"
#include "support/e2e.h"
#include "support/temp_folder.h"
#include "support/wait.h"
#include "ui/app.h"
#include "ui/form.h"
#include "ui/timer.h"
#include "unit/clock/alarm/alarm_test_util.h"

namespace {

// The clock window's part: it forwards the posted check to the area, as the clock does.
class Owner : public ui::Form {
 public:
  tockle::AlarmArea* area = nullptr;

 protected:
  LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == tockle::WM_CHECK_ALARMS && area) {
      area->check();
      return 0;
    }
    return Form::handleMessage(msg, wp, lp);
  }
};

class AlarmArea : public testing::Test {
 protected:
  void SetUp() override {
    // A clock window closed in an earlier test ended the application's loops.
    ui::Application::instance().initialize("Tockle 3 for Windows 9x/NT", true);
    ui::Application::instance().resume();
    ASSERT_TRUE(owner.create(ui::FormParams{}));
    owner.area = &area;
  }
  void TearDown() override {
    owner.area = nullptr;
    ui::Application::instance().resume();
  }
  // One alarm due now; delete-after-notification when reCall.
  void writeDueAlarm(const std::string& message, bool reCall) {
    base::DateTime now = base::now();
    base::DateTime tod = now - std::floor(now);
    tockle::AlarmFile f(folder.file("_alarm3"));
    f.write("Initial", "Count", "1");
    f.write("0", "ShowMessage", "1");
    f.write("0", "MessageString", message);
    f.write("0", "ReCall", reCall ? "1" : "0");
    f.write("0", "Enabled", "1");
    f.write("0", "StartTime", base::timeToStr(tod - 1.0 / 1440));
    f.write("0", "EndTime", base::timeToStr(tod + 5.0 / 1440));
  }
  HWND notification() { return test::findWindow("アラームのお知らせ - Tockle 3"_sj); }
  tockle::AlarmArea::Host host() {
    tockle::AlarmArea::Host h;
    h.showStatus = [this](const std::string& text) { status = text; };
    h.openSettings = [](uint8_t) {};
    h.startPrograms = [this](const std::string& p) { started.push_back(p); };
    h.playSound = [](const std::string&, UINT) {};
    return h;
  }

  alarm_test::ErrorBoxes boxes;
  test::TempFolder folder;
  std::string programFolder = folder.path();
  Owner owner;
  tockle::TTrayIcon trayIcon{&owner};
  std::string status;
  std::vector<std::string> started;
  tockle::AlarmArea area{owner, programFolder, trayIcon, host()};
};

TEST_F(AlarmArea, ManagerStartsPausedAndIsActiveOnceMadeActive) {
  area.start();
  ASSERT_TRUE(area.manager());
  EXPECT_FALSE(area.manager()->Active());
  area.setActive(true);
  EXPECT_EQ(area.manager()->FileName, folder.file("_alarm3"));
  EXPECT_TRUE(area.manager()->Active());
  EXPECT_EQ(area.manager()->Count, 0);
  EXPECT_FALSE(base::fileExists(folder.file("_alarm3")));
}

TEST_F(AlarmArea, DueAlarmIsNotifiedAfterAPostedCheckAndOkEndsIt) {
  writeDueAlarm("テスト"_sj, true);
  std::string seenMessage;
  bool pausedMeanwhile = false;
  ui::Timer driver(50, true);
  driver.onTimer = [&] {
    HWND dlg = notification();
    if (!dlg || !IsWindowVisible(dlg)) return;
    wchar_t buf[256] = {};
    GetWindowTextW(GetDlgItem(dlg, IDC_ALARM_MESSAGE), buf, 256);
    seenMessage = base::cp932(buf);
    pausedMeanwhile = !area.manager()->Active();
    PostMessageW(dlg, WM_COMMAND, IDOK, 0);
  };
  area.start();
  area.setActive(true);
  // What the clock does after a paint.
  area.postCheck();
  ASSERT_TRUE(test::waitUntil([&] { return area.manager()->Count == 0; }, 8000));
  EXPECT_EQ(seenMessage, "テスト"_sj);
  EXPECT_TRUE(pausedMeanwhile);
  EXPECT_TRUE(area.manager()->Active());
  EXPECT_EQ(status, "Alarming...");
  EXPECT_TRUE(started.empty());
}

TEST_F(AlarmArea, ClosingTheClockDuringANotificationEndsItAndFreesTheManagerAfterIt) {
  writeDueAlarm("閉じる"_sj, false);
  std::weak_ptr<tockle::TKzManagerTockle> watched;
  bool aliveAfterClose = false;
  bool closed = false;
  ui::Timer driver(50, true);
  driver.onTimer = [&] {
    HWND dlg = notification();
    if (closed || !dlg || !IsWindowVisible(dlg)) return;
    watched = area.manager();
    // The clock closes while the notification is open: what its close does of the alarms, and
    // the end of the program's loops, the notification's among them.
    area.writeOnExit();
    area.shutdown();
    ui::Application::instance().terminate();
    aliveAfterClose = !watched.expired();
    closed = true;
  };
  area.start();
  area.setActive(true);
  area.postCheck();
  ASSERT_TRUE(test::waitUntil([&] { return closed && !notification(); }, 8000));
  EXPECT_TRUE(aliveAfterClose);
  EXPECT_TRUE(test::waitUntil([&] { return watched.expired(); }, 2000));
  // Nothing was answered: the alarm stays in the file as it was.
  EXPECT_EQ(tockle::AlarmFile(folder.file("_alarm3")).read("0", "Enabled"), "1");
  EXPECT_EQ(tockle::AlarmFile(folder.file("_alarm3")).read("0", "MessageString"), "閉じる"_sj);
}

}  // namespace
