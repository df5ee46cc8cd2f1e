// The real Tockle.exe with an alarm due at start: the notification window comes up with the
// alarm's message, its boxes and buttons decide what becomes of the alarm in "_alarm3".
#include <gtest/gtest.h>

#include <cmath>

#include "base/datetime.h"
#include "base/files.h"
#include "base/text.h"
#include "clock/alarm/alarm_ids.h"
#include "shared/input_box_ids.h"
#include "clock/alarm/alarm_area.h"
#include "support/e2e.h"

namespace {

const std::string kTitle = "Tockle 3 for Windows 9x/NT by Ruxel";
const std::string kKey = "Software\\Quorvane\\Tockle3";

std::string alarmTitle() { return "アラームのお知らせ - Tockle 3"_sj; }

class Alarm : public testing::Test {
 protected:
  void SetUp() override { test::deleteUserKey(kKey); }
  void TearDown() override {
    EXPECT_TRUE(sessionEnded || clock.running());
    if (HWND main = test::findWindow(kTitle)) PostMessageW(main, WM_CLOSE, 0, 0);
    clock.waitExit(10000);
    test::deleteUserKey(kKey);
  }

  // Section n of the alarm file: an enabled alarm that shows its message and last rang a day ago,
  // on every weekday but dayOff (0 Sunday).
  static std::string section(int n, const std::string& message, base::DateTime start, base::DateTime end,
                             bool reCall = false, bool everyHour = false, int dayOff = -1) {
    std::string s = "[" + std::to_string(n) + "]\r\nRingSound=0\r\nShowMessage=1\r\nLoopSound=0\r\n";
    s += "MessageString=" + message + "\r\nSoundPath=\r\nExecuteApps=\r\n";
    s += std::string("RingEveryHour=") + (everyHour ? "1" : "0") + "\r\n";
    s += std::string("ReCall=") + (reCall ? "1" : "0") + "\r\nEnabled=1\r\n";
    s += "StartTime=" + base::timeToStr(start) + "\r\nEndTime=" + base::timeToStr(end) + "\r\n";
    s += "Previous=" + base::dateTimeToStr(base::now() - 1) + "\r\n";
    for (int d = 0; d < 7; ++d) s += "WeekDay" + std::to_string(d + 1) + "=" + (d == dayOff ? "0" : "1") + "\r\n";
    return s;
  }

  // One alarm whose window runs from a minute ago to five minutes ahead.
  void writeDueAlarm(const std::string& message, bool reCall = false) {
    base::DateTime now = base::now();
    base::DateTime tod = now - std::floor(now);
    clock.writeFile("_alarm3",
                    "[Initial]\r\nCount=1\r\n" + section(0, message, tod - 1.0 / 1440, tod + 5.0 / 1440, reCall));
  }

  HWND startAndWaitForNotification() {
    if (!clock.start()) return nullptr;
    return clock.waitForWindow(alarmTitle(), 20000);
  }

  std::string text(HWND dlg, int id) { return test::controlText(GetDlgItem(dlg, id)); }
  bool checked(HWND dlg, int id) { return SendMessageW(GetDlgItem(dlg, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  bool enabled(HWND dlg, int id) { return IsWindowEnabled(GetDlgItem(dlg, id)) != 0; }
  void click(HWND dlg, int id) {
    PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dlg, id));
  }

  // A value of the alarm file as the clock left it.
  std::string value(const std::string& section, const std::string& key) {
    return test::profileValue(clock.path("_alarm3"), section, key);
  }

  test::ProgramRun clock{"Tockle.exe"};
  bool sessionEnded = false;
};

TEST_F(Alarm, NotificationShowsTheMessageAndOkKeepsTheAlarmAsTheBoxesSay) {
  writeDueAlarm("会議の時間です"_sj);
  HWND dlg = startAndWaitForNotification();
  ASSERT_NE(dlg, nullptr);
  ASSERT_TRUE(test::waitUntil([&] { return IsWindowVisible(dlg) != 0; }));
  EXPECT_EQ(text(dlg, IDC_ALARM_MESSAGE), "会議の時間です"_sj);
  EXPECT_EQ(text(dlg, IDC_ALARM_SETTIME), value("0", "StartTime"));
  EXPECT_FALSE(text(dlg, IDC_ALARM_NOWTIME).empty());
  EXPECT_FALSE(checked(dlg, IDC_ALARM_NOTRING) || checked(dlg, IDC_ALARM_ERASE));
  EXPECT_FALSE(enabled(dlg, IDC_ALARM_STARTAPPS));  // no programs
  RECT rc;
  GetClientRect(dlg, &rc);
  EXPECT_EQ(rc.right, 387);
  EXPECT_EQ(rc.bottom, 249);
  test::captureWindow(dlg, "alarm_notification.png");
  // It rang: the last-rung time is today's and in the file already.
  EXPECT_EQ(value("0", "Previous").substr(0, base::dateToStr(base::now()).size()), base::dateToStr(base::now()));

  SendMessageW(GetDlgItem(dlg, IDC_ALARM_NOTRING), BM_CLICK, 0, 0);
  click(dlg, IDOK);
  ASSERT_TRUE(test::waitUntil([&] { return !IsWindow(dlg); }));
  // The clock writes the file once the window has gone.
  EXPECT_TRUE(test::waitUntil([&] { return value("0", "Enabled") == "0"; }));
  EXPECT_EQ(value("Initial", "Count"), "1");
  EXPECT_EQ(value("0", "MessageString"), "会議の時間です"_sj);
  // Only one notification per ring: a further check of the alarms (answered only once it has run,
  // and never while a notification it opened is up) shows none.
  DWORD_PTR ignored;
  EXPECT_TRUE(
      SendMessageTimeoutW(test::findWindow(kTitle), tockle::WM_CHECK_ALARMS, 0, 0, SMTO_NORMAL, 5000, &ignored));
  EXPECT_TRUE(clock.waitForWindow(alarmTitle(), 0) == nullptr);
  EXPECT_TRUE(clock.running());
}

TEST_F(Alarm, EraseBoxDeletesTheAlarm) {
  writeDueAlarm("消す"_sj);
  HWND dlg = startAndWaitForNotification();
  ASSERT_NE(dlg, nullptr);
  SendMessageW(GetDlgItem(dlg, IDC_ALARM_ERASE), BM_CLICK, 0, 0);
  // Esc closes with OK as well.
  PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(test::waitUntil([&] { return !IsWindow(dlg); }));
  EXPECT_TRUE(test::waitUntil([&] { return value("Initial", "Count") == "0"; }));
  EXPECT_EQ(value("0", "MessageString"), "<none>");
}

TEST_F(Alarm, ReNotificationAsksForMinutesAndAppendsADeleteAfterNotificationAlarm) {
  writeDueAlarm("もう一度"_sj);
  HWND dlg = startAndWaitForNotification();
  ASSERT_NE(dlg, nullptr);
  click(dlg, IDC_ALARM_RECALL);
  HWND prompt = clock.waitForWindow("再通知時間の設定"_sj);
  ASSERT_NE(prompt, nullptr);
  EXPECT_EQ(text(prompt, IDC_INPUT_PROMPT), "何分後に再通知するか指定して下さい"_sj);
  // Out of range: asked again, with the last entry kept.
  SetWindowTextW(GetDlgItem(prompt, IDC_INPUT_EDIT), L"1440");
  click(prompt, IDOK);
  ASSERT_TRUE(test::waitUntil([&] { return !IsWindow(prompt); }));
  HWND again = nullptr;
  ASSERT_TRUE(test::waitUntil([&] {
    again = clock.waitForWindow("再通知時間の設定"_sj, 100);
    return again && IsWindowVisible(again) && text(again, IDC_INPUT_EDIT) == "1440";
  }));
  SetWindowTextW(GetDlgItem(again, IDC_INPUT_EDIT), L"5");
  click(again, IDOK);
  ASSERT_TRUE(test::waitUntil([&] { return value("Initial", "Count") == "2"; }));
  EXPECT_EQ(value("1", "ReCall"), "1");
  EXPECT_EQ(value("1", "MessageString"), "もう一度"_sj);
  EXPECT_EQ(value("0", "Enabled"), "1");
  base::DateTime start = 0;
  ASSERT_TRUE(base::tryStrToTime(value("1", "StartTime"), start));
  base::DateTime now = base::now();
  double diffMinutes = std::fmod(start - (now - std::floor(now)) + 1.0, 1.0) * 1440;
  EXPECT_NEAR(diffMinutes, 5, 0.2);
}

TEST_F(Alarm, HourlyAlarmDoesNotRingOnADayItsWeekdayIsUnticked) {
  // The alarms compare the minute: keep clear of its end.
  ASSERT_TRUE(test::waitUntil([] { return base::toSystemTime(base::now()).wSecond < 20; }, 45000));
  base::DateTime now = base::now();
  base::DateTime hourAgo = std::fmod(now - std::floor(now) + 23.0 / 24, 1.0);  // this minute, the window past
  int today = base::toSystemTime(now).wDayOfWeek;
  clock.writeFile("_alarm3", "[Initial]\r\nCount=2\r\n" +
                                 section(0, "今日は休み"_sj, hourAgo, hourAgo + 5.0 / 1440, false, true, today) +
                                 section(1, "毎時"_sj, hourAgo, hourAgo + 5.0 / 1440, false, true));
  const std::string lastRung = value("0", "Previous");
  // The first is checked first; the second rings.
  HWND dlg = startAndWaitForNotification();
  ASSERT_NE(dlg, nullptr);
  EXPECT_EQ(text(dlg, IDC_ALARM_MESSAGE), "毎時"_sj);
  EXPECT_EQ(value("0", "Previous"), lastRung);
  click(dlg, IDOK);
  ASSERT_TRUE(test::waitUntil([&] { return !IsWindow(dlg); }));
  DWORD_PTR ignored;
  EXPECT_TRUE(
      SendMessageTimeoutW(test::findWindow(kTitle), tockle::WM_CHECK_ALARMS, 0, 0, SMTO_NORMAL, 5000, &ignored));
  EXPECT_TRUE(clock.waitForWindow(alarmTitle(), 0) == nullptr);
  EXPECT_EQ(value("0", "Previous"), lastRung);
}

// The session ends (as a log-off ends it: "wineboot --end-session") while the notification is
// open with its box ticked: the alarm is disabled as OK would have done.
TEST_F(Alarm, ASessionEndUnderTheNotificationAppliesItsBoxes) {
  writeDueAlarm("終業"_sj);
  HWND dlg = startAndWaitForNotification();
  ASSERT_NE(dlg, nullptr);
  SendMessageW(GetDlgItem(dlg, IDC_ALARM_NOTRING), BM_CLICK, 0, 0);
  wchar_t system[MAX_PATH] = {};
  GetSystemDirectoryW(system, MAX_PATH);
  DWORD code = 1;
  sessionEnded = true;
  ASSERT_TRUE(test::runAndWait(base::cp932(system) + "\\wineboot.exe", "--end-session", 60000, &code));
  EXPECT_TRUE(clock.waitExit(10000));
  EXPECT_EQ(value("0", "Enabled"), "0");
  EXPECT_EQ(value("0", "MessageString"), "終業"_sj);
}

}  // namespace
