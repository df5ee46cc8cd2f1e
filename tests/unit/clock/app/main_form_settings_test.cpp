// The clock window with its settings: start-up reads, the saves, what applying does to the window,
// and the clock text. (The first start and the takeover of the previous version's key are shown
// end to end.)
#include <gtest/gtest.h>

#include <memory>

#include "base/text.h"
#include "clock/app/main_form.h"
#include "support/e2e.h"
#include "unit/clock/clock_fixture.h"

namespace {

using base::encodeDateTime;
using tockle::TfrmMain;

class ClockSettings : public test::ClockWindowTest {
 protected:
  static std::unique_ptr<shared::TKzRegEx> open(const std::string& path) {
    auto r = std::make_unique<shared::TKzRegEx>();
    EXPECT_TRUE(r->OpenKey(path, true));
    return r;
  }
};

TEST_F(ClockSettings, StoredValuesReachTheComponentsAndTheWindow) {
  {
    auto r = open(key.path());
    r->WriteBool("AutoResize", false);
    r->WriteInteger("ClockLeft", 30);
    r->WriteInteger("ClockTop", 40);
    r->WriteInteger("ClockWidth", 200);
    r->WriteInteger("ClockHeight", 60);
    r->WriteInteger("HandWidth", 3);
    const BYTE kind = 2, style = ui::kBold | ui::kItalic;
    r->WriteBinaryData("ClockType", &kind, 1);
    r->WriteBinaryData("ClockFontStyle", &style, 1);
    r->WriteInteger("ClockFontColor", 0x0000FF);
    r->WriteInteger("ClockFontSize", 12);
    r->WriteString("ClockFontName", "ＭＳ ゴシック"_sj);
    r->WriteInteger("BackColor", 0x00FFFF);
  }
  TfrmMain& f = start();
  EXPECT_EQ(f.left(), 30);
  EXPECT_EQ(f.top(), 40);
  EXPECT_EQ(f.width(), 200);
  EXPECT_EQ(f.height(), 60);
  EXPECT_EQ(f.tmeMain.ClockKind, 2);
  EXPECT_EQ(f.tmeMain.CircleWidth, 3);
  EXPECT_EQ(f.lblClock.Font.style(), ui::kBold | ui::kItalic);
  EXPECT_EQ(f.lblClock.Font.color(), 0x0000FFu);
  EXPECT_EQ(f.lblClock.Font.size(), 12);
  EXPECT_EQ(f.lblClock.Font.name(), "ＭＳ ゴシック"_sj);
  EXPECT_EQ(f.lblClock.Color, 0x00FFFFu);
  // A move is saved at exit.
  SetWindowPos(f.handle(), nullptr, 50, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  end();
  auto r = open(key.path());
  EXPECT_EQ(r->SafeReadInteger("ClockLeft"), 50);
  EXPECT_EQ(r->SafeReadInteger("ClockTop"), 60);
  EXPECT_EQ(r->SafeReadString("ClockFontName"), "ＭＳ ゴシック"_sj);
}

TEST_F(ClockSettings, TransparencyAsAlphaValue) {
  TfrmMain& f = start();
  BYTE alpha = 0;
  DWORD flags = 0;
  f.Settings.ClockTransparent = 50;
  f.ApplySettings(false);
  EXPECT_TRUE(f.alphaBlend());
  ASSERT_TRUE(GetLayeredWindowAttributes(f.handle(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 127);
  f.Settings.ClockTransparent = 100;
  f.ApplySettings(false);
  ASSERT_TRUE(GetLayeredWindowAttributes(f.handle(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 0);
  f.Settings.ClockTransparent = 0;
  f.ApplySettings(false);
  EXPECT_FALSE(f.alphaBlend());
  EXPECT_EQ(TfrmMain::AlphaFor(0), 255);
  EXPECT_EQ(TfrmMain::AlphaFor(1), 252);
}

TEST_F(ClockSettings, TopMostFollowsTheLastApply) {
  // Another program's window on the desktop. (Wine keeps an owned window in the top-most band
  // when no window outside that band lies between it and its owner.)
  HWND other = CreateWindowExW(0, L"STATIC", L"other program", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr,
                               nullptr, nullptr);
  TfrmMain& f = start();
  f.Settings.AlwaysOnTop = false;
  f.ApplySettings(false);
  EXPECT_FALSE(f.topMost());
  f.FormShow();
  f.ApplySettings(false);
  EXPECT_FALSE(f.topMost());
  f.Settings.AlwaysOnTop = true;
  f.ApplySettings(false);
  EXPECT_TRUE(f.topMost());
  end();
  DestroyWindow(other);
}

TEST_F(ClockSettings, TheBatteryColoursOnlyTheShownText) {
  {
    auto r = open(key.path());
    r->WriteString("DisplayType", "#b hh:nn");
    r->WriteInteger("ClockFontColor", 0x123456);
  }
  battery = {1, 8, 80, 0, 0, 0};  // charging
  TfrmMain& f = start();
  EXPECT_EQ(f.BatteryText, "\"[AC 80%\"] ");
  ASSERT_EQ(f.tmeMain.Font, &f.BatteryFont);
  EXPECT_EQ(f.BatteryFont.color(), 0x008000u);
  EXPECT_EQ(f.BatteryFont.name(), f.lblClock.Font.name());
  EXPECT_EQ(f.lblClock.Font.color(), 0x123456u);
  // A change of the power state arrives as a broadcast.
  battery = {0, 4, 3, 0, 0, 0};
  SendMessageW(f.handle(), WM_POWERBROADCAST, PBT_APMPOWERSTATUSCHANGE, 0);
  EXPECT_EQ(f.BatteryFont.color(), 0x0000FFu);
  EXPECT_EQ(f.BatteryText, "\"[3%\"] ");
  f.SaveSettings();
  EXPECT_EQ(open(key.path())->SafeReadInteger("ClockFontColor"), 0x123456);
  // Without "#b" the text is drawn in the user's colour again.
  f.Settings.DisplayType = "hh:nn";
  f.ApplySettings(false);
  EXPECT_EQ(f.tmeMain.Font, &f.lblClock.Font);
}

class ClockText : public ClockSettings {
 protected:
  // Wednesday, 9 December 2026, 14:05:07.
  const base::DateTime time = encodeDateTime(2026, 12, 9, 14, 5, 7);
  std::string text(const std::string& format) { return window->FormatClockText(format, time); }
  void SetUp() override {
    ClockWindowTest::SetUp();
    make();
  }
};

TEST_F(ClockText, UsesTheFormatLanguage) {
  EXPECT_EQ(text("yyyy年m月d日"_sj), "2026年12月9日"_sj);
  EXPECT_EQ(text("hh:mm"), "14:05");
  EXPECT_EQ(text("'hh:mm' \"at\" h"), "hh:mm at 14");
  EXPECT_EQ(text("gge年 dddd"_sj), "令和8年 水曜日"_sj);
  EXPECT_EQ(text("hh#rnn"), "14#r05");
}

TEST_F(ClockText, AnEmptyFormatShowsDateAndTime) {
  EXPECT_EQ(text(""), "2026/12/9 14:05:07");
  EXPECT_EQ(text(" \t\r\n"), "2026/12/9 14:05:07");
}

TEST_F(ClockText, EveryInternetTimeIsReplaced) {
  // The rig runs in Japan's time zone: local midnight is 16:00 at UTC+1.
  EXPECT_EQ(window->FormatClockText("#i #i", encodeDateTime(2026, 12, 9)), "@666 @666");
  EXPECT_EQ(window->FormatClockText("#i", encodeDateTime(2026, 12, 9, 8)), "@000");
}

TEST_F(ClockText, TheBatteryShowsOnce) {
  window->Settings.DisplayType = "#b#b";
  battery = {1, 1, 80, 0, 0, 0};
  window->WMPowerBroadcast();
  // The second "#b" is text of the format: "#" and "b" are copied.
  EXPECT_EQ(text("#bhh:nn #b"), "[AC 80%] 14:05 #b");
  battery = {0, 255, 255, 0, 0, 0};
  window->WMPowerBroadcast();
  EXPECT_EQ(text("#b"), "[??]");
}

TEST_F(ClockText, WithoutBatteryInTheFormatTheStatusIsNotRead) {
  window->Settings.DisplayType = "hh:nn";
  bool read = false;
  window->ReadPowerStatus = [&](SYSTEM_POWER_STATUS&) { return read = true; };
  window->WMPowerBroadcast();
  EXPECT_FALSE(read);
  EXPECT_EQ(window->BatteryText, "");
}

}  // namespace
