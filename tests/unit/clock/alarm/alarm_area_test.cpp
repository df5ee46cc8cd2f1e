// The clock window's alarm wiring: the manager built at start from the program folder's alarm
// file, checks only once the window is shown, the notification after a paint, and closing the
// clock while a notification is open.
#include <gtest/gtest.h>

#include <cmath>

#include "base/text.h"
#include "clock/alarm/alarm_file.h"
#include "clock/alarm/alarm_ids.h"
#include "clock/app/main_form.h"
#include "support/e2e.h"
#include "ui/timer.h"
#include "unit/clock/alarm/alarm_test_util.h"
#include "clock/alarm/alarm_area.h"
#include "unit/clock/clock_fixture.h"

namespace {

using tockle::TfrmMain;

class MainFormAlarm : public test::ClockWindowTest {
 protected:
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

  alarm_test::ErrorBoxes boxes;
};

TEST_F(MainFormAlarm, ManagerStartsPausedAndIsActiveOnceShown) {
  TfrmMain form;
  prepare(form);
  ASSERT_TRUE(form.Create());
  ASSERT_TRUE(form.alarms().AlarmManager);
  EXPECT_EQ(form.alarms().AlarmManager->FileName, folder.file("_alarm3"));
  EXPECT_TRUE(form.alarms().AlarmManager->Active());
  EXPECT_EQ(form.alarms().AlarmManager->Count, 0);
  EXPECT_FALSE(base::fileExists(folder.file("_alarm3")));
}

TEST_F(MainFormAlarm, DueAlarmIsNotifiedAfterAPaintAndOkEndsIt) {
  writeDueAlarm("テスト"_sj, true);
  TfrmMain form;
  prepare(form);
  std::vector<std::string> started;
  form.alarms().AlarmProgramStart = [&](const std::string& p) { started.push_back(p); };
  std::string seenMessage;
  bool pausedMeanwhile = false;
  ui::Timer driver(50, true);
  driver.onTimer = [&] {
    HWND dlg = notification();
    if (!dlg || !IsWindowVisible(dlg)) return;
    wchar_t buf[256] = {};
    GetWindowTextW(GetDlgItem(dlg, IDC_ALARM_MESSAGE), buf, 256);
    seenMessage = base::cp932(buf);
    pausedMeanwhile = !form.alarms().AlarmManager->Active();
    PostMessageW(dlg, WM_COMMAND, IDOK, 0);
  };
  ASSERT_TRUE(form.Create());
  ASSERT_TRUE(test::waitUntil([&] { return form.alarms().AlarmManager->Count == 0; }, 8000));
  EXPECT_EQ(seenMessage, "テスト"_sj);
  EXPECT_TRUE(pausedMeanwhile);
  EXPECT_TRUE(form.alarms().AlarmManager->Active());
  EXPECT_EQ(form.StatusText, "Alarming...");
  EXPECT_TRUE(started.empty());
}

TEST_F(MainFormAlarm, ClosingTheClockDuringANotificationEndsItAndFreesTheManagerAfterIt) {
  writeDueAlarm("閉じる"_sj, false);
  auto form = std::make_unique<TfrmMain>();
  prepare(*form);
  std::weak_ptr<tockle::TKzManagerTockle> watched;
  bool aliveAfterClose = false;
  bool closed = false;
  ui::Timer driver(50, true);
  driver.onTimer = [&] {
    HWND dlg = notification();
    if (closed || !dlg || !IsWindowVisible(dlg)) return;
    watched = form->alarms().AlarmManager;
    form->destroy();  // the clock closes while the notification is open
    aliveAfterClose = !watched.expired();
    closed = true;
  };
  ASSERT_TRUE(form->Create());
  // Closing the clock ends the program's loops, the notification's among them.
  ASSERT_TRUE(test::waitUntil([&] { return closed && !notification(); }, 8000));
  EXPECT_TRUE(aliveAfterClose);
  EXPECT_TRUE(test::waitUntil([&] { return watched.expired(); }, 2000));
  // Nothing was answered: the alarm stays in the file as it was.
  EXPECT_EQ(tockle::AlarmFile(folder.file("_alarm3")).read("0", "Enabled"), "1");
  EXPECT_EQ(tockle::AlarmFile(folder.file("_alarm3")).read("0", "MessageString"), "閉じる"_sj);
}

}  // namespace
