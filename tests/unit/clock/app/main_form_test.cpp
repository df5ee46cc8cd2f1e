// The clock window created in-process: status texts, fitting, transparency and hiding.
#include "clock/app/main_form.h"

#include <gtest/gtest.h>

#include "support/e2e.h"
#include "unit/clock/alarm/alarm_test_util.h"
#include "clock/alarm/alarm_area.h"
#include "unit/clock/clock_fixture.h"

namespace {

using tockle::TfrmMain;

using MainForm = test::ClockFixture;

TEST_F(MainForm, StartsShowingStartingForTwoSeconds) {
  EXPECT_EQ(form.caption(), "Tockle 3 for Windows 9x/NT by Ruxel");
  EXPECT_TRUE(form.visible());
  EXPECT_TRUE(form.topMost());
  EXPECT_EQ(form.StatusText, "Starting...");
  EXPECT_FALSE(form.tmrClock.enabled());
  EXPECT_TRUE(form.tmrMessage.enabled());
  EXPECT_EQ(form.tmrMessage.interval(), 2000u);
  // The timed text ends by itself and the clock comes back.
  EXPECT_TRUE(test::waitUntil([&] { return form.tmrClock.enabled(); }, 4000));
  EXPECT_FALSE(form.tmrMessage.enabled());
}

TEST_F(MainForm, PersistentStatusStaysUntilWithdrawn) {
  form.ShowClockMessage(true, true, "Loading...");
  EXPECT_FALSE(form.tmrClock.enabled());
  EXPECT_FALSE(form.tmrMessage.enabled());
  EXPECT_EQ(form.StatusText, "Loading...");
  // An empty text changes only the timers.
  form.ShowClockMessage(true, false, "");
  EXPECT_EQ(form.StatusText, "Loading...");
  EXPECT_TRUE(form.tmrMessage.enabled());
  form.ShowClockMessage(false, false, "");
  EXPECT_TRUE(form.tmrClock.enabled());
  EXPECT_FALSE(form.tmrMessage.enabled());
  form.ShowClockMessage(true, false, "Alarming...");
  form.tmrMessageTimer();
  EXPECT_TRUE(form.tmrClock.enabled());
  EXPECT_FALSE(form.tmrMessage.enabled());
}

TEST_F(MainForm, ManualSizeNeverNarrows) {
  form.Settings.AutoResize = false;
  form.setBounds(0, 0, 300, 60);
  int w = 100, h = 20;
  form.tmeMainClockResize(form.tmeMain, w, h);
  EXPECT_EQ(w, 300);
  EXPECT_EQ(h, 60);
  w = 400;
  h = 20;
  form.tmeMainClockResize(form.tmeMain, w, h);
  EXPECT_EQ(w, 424);
  EXPECT_EQ(form.width(), 424);
  form.Settings.AutoResize = true;
  w = 100;
  h = 20;
  form.tmeMainClockResize(form.tmeMain, w, h);
  EXPECT_EQ(form.width(), 124);
  EXPECT_EQ(form.height(), 34);
}

TEST_F(MainForm, TransparencyFollowsTheSetting) {
  EXPECT_EQ(TfrmMain::AlphaFor(0), 255);
  EXPECT_EQ(TfrmMain::AlphaFor(50), 127);
  EXPECT_EQ(TfrmMain::AlphaFor(100), 0);
  form.Settings.ClockTransparent = 50;
  form.ApplySettings(false);
  EXPECT_TRUE(form.alphaBlend());
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(form.handle(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 127);
  form.Settings.ClockTransparent = 0;
  form.ApplySettings(false);
  EXPECT_FALSE(form.alphaBlend());
}

TEST_F(MainForm, MouseOverTurnsTransparencyOffUntilTheCursorLeaves) {
  form.Settings.ClockTransparent = 30;
  form.Settings.AutooffTransparent = true;
  form.ApplySettings(false);
  ASSERT_TRUE(form.alphaBlend());
  RECT r = form.bounds();
  SetCursorPos(r.left + 5, r.top + 5);
  form.FormMouseMove(0, 5, 5);
  EXPECT_FALSE(form.alphaBlend());
  EXPECT_TRUE(form.tmrControlTransparent.enabled());
  // Still inside: stays opaque, the timer waits for the next move.
  form.tmrControlTransparentTimer();
  EXPECT_FALSE(form.alphaBlend());
  EXPECT_FALSE(form.tmrControlTransparent.enabled());
  // Outside: transparent again.
  form.FormMouseMove(0, 5, 5);
  SetCursorPos(r.right + 50, r.bottom + 50);
  form.tmrControlTransparentTimer();
  EXPECT_TRUE(form.alphaBlend());
  // Shift held: the move is ignored.
  form.FormMouseMove(MK_SHIFT, 5, 5);
  EXPECT_TRUE(form.alphaBlend());
}

TEST_F(MainForm, RestingCursorHidesTheClockForAWhile) {
  form.Settings.MouseHoldInvisible = 300;
  form.Settings.MouseHoldInvisibleRestore = 0;
  RECT r = form.bounds();
  SetCursorPos(r.left + 7, r.top + 7);
  form.FormMouseMove(0, 7, 7);
  EXPECT_TRUE(form.tmrCheckCursorPos.enabled());
  form.tmrCheckCursorPos.setEnabled(false);  // the test drives the ticks itself
  form.tmrCheckCursorPosTimer();
  form.tmrCheckCursorPosTimer();
  EXPECT_EQ(form.HoldCount, 2);
  EXPECT_TRUE(form.visible());
  form.tmrCheckCursorPosTimer();
  EXPECT_FALSE(form.visible());
  EXPECT_FALSE(form.tmrCheckCursorPos.enabled());
  // A restore time of 0 brings the clock back after 100 ms instead of never.
  EXPECT_TRUE(form.tmrShowAgain.enabled());
  EXPECT_EQ(form.tmrShowAgain.interval(), 100u);
  EXPECT_TRUE(test::waitUntil([&] { return form.visible(); }, 3000));
  EXPECT_FALSE(form.tmrShowAgain.enabled());
  EXPECT_TRUE(form.tmrControlTransparent.enabled());
  EXPECT_TRUE(form.topMost());

  // A move before the time is up resets the count.
  form.FormMouseMove(0, 7, 7);
  form.tmrCheckCursorPos.setEnabled(false);
  form.tmrCheckCursorPosTimer();
  SetCursorPos(r.left + 9, r.top + 9);
  form.tmrCheckCursorPosTimer();
  EXPECT_FALSE(form.tmrCheckCursorPos.enabled());
  form.FormMouseMove(0, 9, 9);
  EXPECT_EQ(form.HoldCount, 0);
}

TEST_F(MainForm, AlwaysOnTopIsSetAndClearedDirectly) {
  form.Settings.AlwaysOnTop = false;
  form.ApplySettings(false);
  form.ApplySettings(false);
  form.FormShow();
  EXPECT_FALSE(form.topMost());
  form.Settings.AlwaysOnTop = true;
  form.ApplySettings(false);
  EXPECT_TRUE(form.topMost());
}

}  // namespace

namespace {

bool bitmapHas(const ui::Bitmap& bmp, COLORREF c) {
  for (int y = 0; y < bmp.height(); ++y)
    for (int x = 0; x < bmp.width(); ++x)
      if (bmp.pixelRgb(x, y) == c) return true;
  return false;
}

TEST_F(MainForm, AKeptFrameIsRedrawnWhenAnythingItShowsChanges) {
  form.ShowClockMessage(false, false, "");
  form.UpdateClock();
  const COLORREF red = RGB(255, 0, 0), green = RGB(0, 255, 0);
  EXPECT_FALSE(bitmapHas(form.OffscreenBitmap, red));
  form.lblClock.Font.setColor(0x0000FF);
  form.UpdateClock();
  EXPECT_TRUE(bitmapHas(form.OffscreenBitmap, red));
  form.tmeMain.SetBackColor(0x00FF00);
  form.UpdateClock();
  EXPECT_TRUE(bitmapHas(form.OffscreenBitmap, green));
  // A status text replaces the kept clock frame at once.
  form.ShowClockMessage(true, true, "Loading...");
  form.UpdateClock();
  EXPECT_EQ(form.tmeMain.Text, "Loading...");
}

TEST(FrameKey, OnlyDigitalFramesCanBeKept) {
  tockle::TTimeClock face;
  ui::Font font;
  face.SetFont(&font);
  face.SetClockKind(1);
  face.SetText("12:00");
  auto a = face.DigitalFrameKey(100, 30);
  ASSERT_TRUE(a);
  EXPECT_EQ(a, face.DigitalFrameKey(100, 30));
  EXPECT_NE(a, face.DigitalFrameKey(101, 30));
  font.setStyle(ui::kBold);
  EXPECT_NE(a, face.DigitalFrameKey(100, 30));
  face.SetClockKind(3);
  EXPECT_FALSE(face.DigitalFrameKey(100, 30));
}

}  // namespace

namespace {

TEST_F(MainForm, CommandTwentyOneShowsTheVersionOfTheClock) {
  std::string seen;
  ui::Timer closer(100, true);
  closer.onTimer = [&] {
    for (HWND box : test::windowsTitled("バージョン情報"_sj)) {
      DWORD pid = 0;
      GetWindowThreadProcessId(box, &pid);
      if (pid != GetCurrentProcessId()) continue;
      seen = test::dialogText(box);
      PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
  };
  form.ExecuteCommand(21);
  EXPECT_NE(seen.find("Version 3.51  (Build 631)"), std::string::npos) << seen;
  EXPECT_NE(seen.find("Tockle for Windows 9x/NT"), std::string::npos) << seen;
}

// Closing, and the end of the session (log-off, shut-down), after which the program may be ended
// at any moment: the same is written, and nothing is asked.
class ClockClosing : public test::ClockWindowTest, public testing::WithParamInterface<bool> {};

TEST_P(ClockClosing, DeletesTheHistoryClearsReNotificationsAndWritesTheSettings) {
  TfrmMain& f = start();
  writeFile("_history3", "captured");
  f.Settings.ClipHistory.ClearWhenExit = 1;
  f.Settings.DisplayType = "hh:nn";
  f.alarms().manager()->AddItem(alarm_test::alarm("again", alarm_test::tod(9, 0), alarm_test::tod(9, 7), true));
  f.alarms().manager()->AddItem(alarm_test::alarm("kept", alarm_test::tod(10, 0), alarm_test::tod(10, 7)));
  f.alarms().manager()->ClearReCall = true;
  if (GetParam()) {
    EXPECT_EQ(SendMessageW(f.handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    SendMessageW(f.handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  } else {
    end();
  }
  EXPECT_FALSE(base::fileExists(folder.file("_history3")));
  EXPECT_EQ(tockle::TKzManagerTockle(folder.file("_alarm3")).Count, 1);
  shared::TKzRegEx r;
  ASSERT_TRUE(r.OpenKeyReadOnly(key.path()));
  EXPECT_EQ(r.SafeReadString("DisplayType"), "hh:nn");
  EXPECT_EQ(asked, 0);
}

INSTANTIATE_TEST_SUITE_P(CloseOrSessionEnd, ClockClosing, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                           return std::string(info.param ? "SessionEnd" : "Close");
                         });

}  // namespace
