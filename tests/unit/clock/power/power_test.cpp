// Power operations with a fake in place of the real calls: the question, its count-down, the
// force option and failures on the power area alone; the text on the clock window, the clock
// disabled under the question and a second request while it is open on the window.
#include "clock/power/power_area.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>

#include "base/handles.h"
#include "clock/alarm/alarm_area.h"
#include "clock/power/query_form.h"
#include "support/e2e.h"
#include "ui/app.h"
#include "ui/timer.h"
#include "unit/clock/clock_fixture.h"

namespace {

using Power = test::ClockFixture;

// The power area alone: the settings it reads, a fake in place of the real calls, and what it shows
// in place of the clock and asks of the alarms recorded.
class PowerArea : public testing::Test {
 protected:
  void SetUp() override {
    // A clock window closed in an earlier test ended the application's loops.
    ui::Application::instance().initialize("Tockle 3 for Windows 9x/NT", true);
    ui::Application::instance().resume();
  }
  tockle::TClockSettings settings;
  test::FakePower power;
  // The text in place of the clock ("" once the clock is back), and whether it goes by itself.
  std::string status;
  bool timed = false;
  // What the area asked of the alarms, in order (false: pause).
  std::vector<bool> alarmsActive;
  tockle::PowerArea area{settings,
                         {[this](bool show, bool persistent, const std::string& text) {
                            if (!show) status.clear();
                            if (show && !text.empty()) status = text;
                            timed = show && !persistent;
                          },
                          [this](bool active) { alarmsActive.push_back(active); }}};
};

// Runs step(dialog) every 50 ms while the question is open; step returns true when it is done.
class QueryDriver {
 public:
  explicit QueryDriver(std::function<bool(HWND)> step) : step_(std::move(step)) {
    timer_.onTimer = [this] {
      if (done_) return;
      HWND dlg = test::findWindow(tockle::TfrmQuery::title());
      if (dlg && IsWindowVisible(dlg)) done_ = step_(dlg);
    };
  }
  bool done() const { return done_; }

 private:
  std::function<bool(HWND)> step_;
  bool done_ = false;
  ui::Timer timer_{50, true};
};

void click(HWND dlg, int id) { SendMessageW(GetDlgItem(dlg, id), BM_CLICK, 0, 0); }

TEST(PowerFlags, ShutdownPowersOffUnlessToldAndForceAddsItsFlag) {
  EXPECT_EQ(tockle::exitWindowsFlags(0, false, false), 9u);
  EXPECT_EQ(tockle::exitWindowsFlags(0, true, false), 1u);
  EXPECT_EQ(tockle::exitWindowsFlags(0, false, true), 13u);
  EXPECT_EQ(tockle::exitWindowsFlags(0, true, true), 5u);
  EXPECT_EQ(tockle::exitWindowsFlags(1, false, false), 2u);
  EXPECT_EQ(tockle::exitWindowsFlags(1, true, true), 6u);
}

TEST_F(PowerArea, WithoutAQuestionItActsAtOnce) {
  settings.TimeRemain = -1;
  area.PowerOperation(0);
  settings.NoPoweroff = true;
  area.PowerOperation(0);
  EXPECT_EQ(power.exitFlags, (std::vector<UINT>{9, 1}));
  EXPECT_EQ(status, "Shutdown...");
  EXPECT_FALSE(timed);
}

TEST_F(PowerArea, SuspendAndHibernateShowATimedText) {
  settings.TimeRemain = -1;
  area.PowerOperation(2);
  EXPECT_EQ(status, "Suspending...");
  EXPECT_TRUE(timed);
  area.PowerOperation(3);
  EXPECT_EQ(status, "Hibernating...");
  ASSERT_EQ(power.powerStates.size(), 2u);
  EXPECT_TRUE(power.powerStates[0].suspend);
  EXPECT_FALSE(power.powerStates[0].force);
  EXPECT_FALSE(power.powerStates[1].suspend);
}

// Whoever paused the alarms (a notification starting its programs) keeps them paused.
TEST_F(PowerArea, WithoutAQuestionTheAlarmsAreLeftAsTheyAre) {
  settings.TimeRemain = -1;
  area.PowerOperation(2);
  EXPECT_TRUE(alarmsActive.empty());
}

// The window's pixels as its device context gives them now.
std::vector<uint32_t> windowPixels(HWND hwnd) {
  RECT r;
  GetClientRect(hwnd, &r);
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), r.right, -r.bottom, 1, 32, BI_RGB};
  void* bits = nullptr;
  HDC dc = GetDC(hwnd);
  base::MemDc mem(CreateCompatibleDC(dc));
  base::GdiBitmap bmp(CreateDIBSection(mem.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  base::SelectGuard select(mem.get(), bmp.get());
  BitBlt(mem.get(), 0, 0, r.right, r.bottom, dc, 0, 0, SRCCOPY);
  ReleaseDC(hwnd, dc);
  const auto* p = static_cast<const uint32_t*>(bits);
  return std::vector<uint32_t>(p, p + r.right * r.bottom);
}

TEST_F(Power, TheStatusTextIsOnTheWindowBeforeTheCallThatBlocks) {
  form.Settings.TimeRemain = -1;
  std::vector<uint32_t> atCall;
  power.onCall = [&] { atCall = windowPixels(form.handle()); };
  for (int kind = 0; kind <= 3; ++kind) {
    form.ShowClockMessage(false, false, "");
    UpdateWindow(form.handle());
    form.power().PowerOperation(kind);
    // What a paint shows now that the call has returned: the status text.
    RedrawWindow(form.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(atCall, windowPixels(form.handle())) << form.StatusText;
  }
}

TEST_F(Power, CancelDoesNothingAndBringsTheClockBack) {
  form.Settings.TimeRemain = 0;
  std::string status;
  bool forceEnabled = true, stopEnabled = true, clockEnabled = true;
  QueryDriver driver([&](HWND dlg) {
    status = form.StatusText;
    clockEnabled = IsWindowEnabled(form.handle());
    forceEnabled = IsWindowEnabled(GetDlgItem(dlg, IDC_QUERY_FORCE));
    stopEnabled = IsWindowEnabled(GetDlgItem(dlg, IDC_QUERY_STOP));
    click(dlg, IDCANCEL);
    return true;
  });
  form.power().PowerOperation(0);
  EXPECT_TRUE(driver.done());
  EXPECT_EQ(status, "Confirming...");
  EXPECT_FALSE(forceEnabled);
  EXPECT_FALSE(stopEnabled);
  // The question, owned by the hidden application window, still disables the clock under it.
  EXPECT_FALSE(clockEnabled);
  EXPECT_TRUE(IsWindowEnabled(form.handle()));
  EXPECT_EQ(power.calls(), 0u);
  EXPECT_TRUE(form.tmrClock.enabled());
  EXPECT_TRUE(form.alarms().manager()->Active());
}

TEST_F(PowerArea, OkActsOnTheKindChosenInTheList) {
  settings.TimeRemain = 0;
  int shownKind = -1;
  QueryDriver driver([&](HWND dlg) {
    HWND list = GetDlgItem(dlg, IDC_QUERY_MESSAGE);
    shownKind = static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0));
    SendMessageW(list, CB_SETCURSEL, 1, 0);
    click(dlg, IDOK);
    return true;
  });
  area.PowerOperation(0);
  EXPECT_EQ(shownKind, 0);
  EXPECT_EQ(power.exitFlags, (std::vector<UINT>{EWX_REBOOT}));
  EXPECT_EQ(status, "Reboot...");
}

// How long the count-down takes is a figure of the clock bench.
TEST_F(PowerArea, TheCountDownConfirmsByItselfAfterItsTime) {
  settings.TimeRemain = 2;
  LRESULT ticks = 0;
  bool forceEnabled = true;
  QueryDriver driver([&](HWND dlg) {
    ticks = SendMessageW(GetDlgItem(dlg, IDC_QUERY_PROGRESS), PBM_GETRANGE, FALSE, 0);
    forceEnabled = IsWindowEnabled(GetDlgItem(dlg, IDC_QUERY_FORCE));
    return true;
  });
  area.PowerOperation(0);
  EXPECT_EQ(ticks, 2 * 4 + 1);  // a quarter second each
  EXPECT_FALSE(forceEnabled);   // only with ForceIfHung
  EXPECT_EQ(power.exitFlags, (std::vector<UINT>{9}));
}

TEST_F(PowerArea, ForceIsOfferedDuringACountDownWithForceIfHung) {
  settings.TimeRemain = 30;
  settings.ForceIfHung = true;
  QueryDriver driver([&](HWND dlg) {
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dlg, IDC_QUERY_FORCE)));
    click(dlg, IDC_QUERY_FORCE);
    click(dlg, IDOK);
    return true;
  });
  area.PowerOperation(0);
  EXPECT_EQ(power.exitFlags, (std::vector<UINT>{13}));
}

TEST_F(PowerArea, StopKeepsTheQuestionOpenUntilAnswered) {
  settings.TimeRemain = 1;
  int step = 0;
  DWORD stoppedAt = 0;
  bool barEnabled = true, stopEnabled = true;
  QueryDriver driver([&](HWND dlg) {
    if (step == 0) {
      click(dlg, IDC_QUERY_STOP);
      stoppedAt = GetTickCount();
      barEnabled = IsWindowEnabled(GetDlgItem(dlg, IDC_QUERY_PROGRESS));
      stopEnabled = IsWindowEnabled(GetDlgItem(dlg, IDC_QUERY_STOP));
      step = 1;
      return false;
    }
    // Well past the count-down's end, the question still waits.
    if (GetTickCount() - stoppedAt < 2000) return false;
    click(dlg, IDCANCEL);
    return true;
  });
  area.PowerOperation(1);
  EXPECT_TRUE(driver.done());
  EXPECT_FALSE(barEnabled);
  EXPECT_FALSE(stopEnabled);
  EXPECT_EQ(power.calls(), 0u);
}

TEST_F(Power, ASecondRequestWhileTheQuestionIsOpenIsDropped) {
  form.Settings.TimeRemain = 0;
  size_t callsDuring = 99;
  QueryDriver driver([&](HWND dlg) {
    form.power().PowerOperation(0);
    form.ExecuteCommand(11);
    callsDuring = power.calls();
    EXPECT_EQ(test::windowsTitled(tockle::TfrmQuery::title()).size(), 1u);
    click(dlg, IDCANCEL);
    return true;
  });
  form.power().PowerOperation(0);
  EXPECT_EQ(callsDuring, 0u);
  EXPECT_EQ(power.calls(), 0u);
}

TEST_F(PowerArea, AFailureShowsATimedText) {
  settings.TimeRemain = -1;
  power.privilege = false;
  area.PowerOperation(0);
  EXPECT_EQ(power.calls(), 0u);
  EXPECT_TRUE(timed);
  EXPECT_NE(status, "Shutdown...");
  power.privilege = true;
  power.succeed = false;
  area.PowerOperation(1);
  EXPECT_EQ(power.calls(), 1u);
  EXPECT_TRUE(timed);
  EXPECT_NE(status, "Reboot...");
}

}  // namespace
