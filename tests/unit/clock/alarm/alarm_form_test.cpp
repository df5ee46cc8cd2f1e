// The notification window and the minutes prompt, driven by a timer inside their modal loops.
#include "clock/alarm/alarm_form.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "base/text.h"
#include "clock/alarm/alarm_ids.h"
#include "clock/alarm/input_minutes.h"
#include "shared/history_file.h"
#include "shared/input_box_ids.h"
#include "ui/app.h"
#include "ui/timer.h"

namespace {

void initApp() { ui::Application::instance().initialize("Tockle 3 for Windows 9x/NT", true); }

TEST(AlarmWindow, HasItsLayoutAndEscapeClosesWithOk) {
  initApp();
  tockle::TfrmAlarm frm;
  ASSERT_TRUE(frm.create());
  EXPECT_EQ(frm.caption(), "Alarm Tells Window");
  RECT rc;
  GetClientRect(frm.handle(), &rc);
  EXPECT_EQ(rc.right, 387);
  EXPECT_EQ(rc.bottom, 249);
  EXPECT_TRUE(GetWindowLongW(frm.handle(), GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
  EXPECT_EQ(frm.chkEraseAlarm.text(), "このアイテムを削除する(&E)"_sj);
  EXPECT_EQ(GetWindowContextHelpId(frm.chkNotRingAlarm.handle()), 112u);
  EXPECT_EQ(GetWindowContextHelpId(frm.chkEraseAlarm.handle()), 113u);
  EXPECT_EQ(GetWindowContextHelpId(frm.chkStartApps.handle()), 114u);
  EXPECT_EQ(GetWindowContextHelpId(frm.btnReCall.handle()), 115u);
  // The re-notification button's hint.
  EXPECT_TRUE(GetWindowLongW(frm.Hint.handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(frm.Hint.text(frm.btnReCall.handle()), "再度知らせて欲しいときに押す"_sj);
  // Tab order: OK, re-notification, then the three boxes.
  EXPECT_EQ(GetNextDlgTabItem(frm.handle(), frm.btnOk.handle(), FALSE), frm.btnReCall.handle());
  EXPECT_EQ(GetNextDlgTabItem(frm.handle(), frm.btnReCall.handle(), FALSE), frm.chkNotRingAlarm.handle());
  EXPECT_FALSE(GetWindowLongW(frm.edtMessage.handle(), GWL_STYLE) & WS_TABSTOP);
  EXPECT_TRUE(GetWindowLongW(frm.edtMessage.handle(), GWL_STYLE) & ES_READONLY);
  frm.chkNotRingAlarm.setChecked(true);
  frm.chkNotRingAlarm.setEnabled(false);
  int ticks = 0;
  std::string nowText;
  ui::Timer driver(50, true);
  driver.onTimer = [&] {
    if (++ticks == 14) {  // 700 ms: the window's own timer has run
      nowText = frm.edtNowTime.text();
      PostMessageW(frm.handle(), WM_KEYDOWN, VK_ESCAPE, 0);
      PostMessageW(frm.handle(), WM_COMMAND, IDCANCEL, 0);
    }
  };
  EXPECT_EQ(frm.showModal(), IDOK);
  EXPECT_FALSE(nowText.empty());
  EXPECT_TRUE(frm.Closed.notRing);
  EXPECT_FALSE(frm.Closed.erase);
  EXPECT_FALSE(frm.tmrNowTime.enabled());
}

TEST(AlarmWindow, ReCallButtonAndTitleBarGiveTheirResults) {
  initApp();
  {
    tockle::TfrmAlarm frm;
    ui::Timer driver(50, true);
    driver.onTimer = [&] {
      if (frm.handle()) {
        frm.chkEraseAlarm.setChecked(true);
        frm.btnReCall.click();
      }
    };
    EXPECT_EQ(frm.showModal(), IDRETRY);
    EXPECT_TRUE(frm.Closed.erase);
  }
  {
    tockle::TfrmAlarm frm;
    ui::Timer driver(50, true);
    driver.onTimer = [&] {
      if (frm.handle()) PostMessageW(frm.handle(), WM_CLOSE, 0, 0);
    };
    EXPECT_EQ(frm.showModal(), IDCANCEL);
  }
}

// Answers the minutes prompt with each entry in turn (nullptr = Cancel).
int answerPrompt(std::vector<const char*> entries, std::vector<std::string>* seenTexts, int lo = INT_MIN,
                 int hi = INT_MAX) {
  size_t next = 0;
  ui::Timer driver(40, true);
  driver.onTimer = [&] {
    HWND dlg = FindWindowW(nullptr, base::wide("再通知時間の設定"_sj).c_str());
    if (!dlg || !IsWindowVisible(dlg) || next >= entries.size()) return;
    HWND edit = GetDlgItem(dlg, IDC_INPUT_EDIT);
    if (seenTexts) {
      wchar_t buf[64];
      GetWindowTextW(edit, buf, 64);
      seenTexts->push_back(base::cp932(buf));
    }
    const char* e = entries[next++];
    if (!e) {
      SendMessageW(GetDlgItem(dlg, IDCANCEL), BM_CLICK, 0, 0);
      return;
    }
    SetWindowTextW(edit, base::wide(e).c_str());
    SendMessageW(GetDlgItem(dlg, IDOK), BM_CLICK, 0, 0);
  };
  return tockle::InputMinutesInRange("再通知時間の設定"_sj, "何分後に再通知するか指定して下さい"_sj, lo, hi);
}

TEST(MinutesPrompt, AsksAgainUntilANumberAndKeepsTheLastEntry) {
  initApp();
  std::vector<std::string> seen;
  EXPECT_EQ(answerPrompt({"abc", "-3"}, &seen), -3);
  EXPECT_EQ(seen, (std::vector<std::string>{"", "abc"}));
  EXPECT_EQ(answerPrompt({"12x", nullptr}, nullptr), 0);
  EXPECT_EQ(answerPrompt({" 25 "}, nullptr), 25);
}

TEST(MinutesPrompt, ReNotificationRangeIsOneTo1439) {
  initApp();
  EXPECT_EQ(answerPrompt({"0", "1440", "-5", "1439"}, nullptr, 1, 1439), 1439);
  EXPECT_EQ(answerPrompt({"1"}, nullptr, 1, 1439), 1);
}

TEST(MinutesPrompt, MinutesToTimeRefusesADayOrMore) {
  EXPECT_DOUBLE_EQ(tockle::MinutesToTime(0), 0.0);
  EXPECT_NEAR(tockle::MinutesToTime(5), 5.0 / 1440, 1e-12);
  EXPECT_NEAR(tockle::MinutesToTime(1439), 1439.0 / 1440, 1e-12);
  EXPECT_THROW(tockle::MinutesToTime(1440), shared::EConvertError);
  EXPECT_THROW(tockle::MinutesToTime(-3), shared::EConvertError);  // 65,533 minutes
}

}  // namespace
