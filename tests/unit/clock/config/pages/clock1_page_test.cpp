// The page "時計1": clock kind, frame, transparency, display format, font and background loaded
// and saved (transparency capped); the clock-text preview; the resets that change nothing set no flag.
#include "clock/config/pages/clock1_page.h"

#include <gtest/gtest.h>

#include "support/fake_common_dialogs.h"
#include "unit/clock/config/pages/general_pages_fixture.h"

namespace {

using tockle::TClock1Page;

class Clock1Page : public test::GeneralPages {
 protected:
  TClock1Page& p() { return page<TClock1Page>(tockle::tabClock1); }
  test::FakeCommonDialogs dialogs;
};

TEST_F(Clock1Page, LoadsEachSettingAndSavesWhatTheUserChose) {
  struct {
    uint8_t kind;
    int transparent;
    bool autoOff, frame;
    int frameWidth;
    std::string format;
  } cases[] = {
      {0, 0, false, true, 0, "hh:nn"},
      {1, 50, true, false, 100, "yyyy/mm/dd"},
      {2, 90, false, true, 3, "t"},
      {3, 1, true, false, 1, "m/d"},
  };
  for (const auto& c : cases) {
    auto& s = host.value;
    s.ClockType = c.kind;
    s.ClockTransparent = c.transparent, s.AutooffTransparent = c.autoOff;
    s.ShowLikeFrame = c.frame, s.FrameWidth = c.frameWidth, s.DisplayType = c.format;
    s.ClockFontSize = 9 + c.kind;
    s.BackColor = 0x123400 + c.kind;
    open();
    SCOPED_TRACE(c.format);
    EXPECT_EQ(p().chkDigital.checked(), (c.kind & 1) != 0);
    EXPECT_EQ(p().chkAnalog.checked(), (c.kind & 2) != 0);
    EXPECT_EQ(p().edtProgressTransparent.text(), std::to_string(c.transparent));
    EXPECT_EQ(p().chkAutooffTransparent.enabled(), c.transparent != 0);
    EXPECT_EQ(p().chkAutooffTransparent.checked(), c.autoOff);
    EXPECT_EQ(p().chkFrame.checked(), c.frame);
    EXPECT_EQ(p().edtFrameWidth.text(), std::to_string(c.frameWidth));
    EXPECT_EQ(p().cmbClockType.text(), c.format);
    EXPECT_EQ(p().PreviewFont.size(), 9 + c.kind);
    EXPECT_EQ(p().PreviewBackColor, 0x123400u + c.kind);
    click(p().chkDigital);
    click(p().chkFrame);
    p().edtProgressTransparent.setText("100");  // beyond the cap: not taken
    p().edtFrameWidth.setText("7");
    ui::Font chosen("ＭＳ ゴシック"_sj, 14);
    chosen.setColor(0x0000FF);
    dialogs.fonts.push_back(chosen);
    click(p().btnFontChange);
    dialogs.colors.push_back(0x00FF00);
    click(p().btnChangeBkColor);
    p().cmbClockType.setText("hh:nn:ss");
    notify(p().cmbClockType, CBN_EDITCHANGE);
    apply();
    EXPECT_EQ(s.ClockType, c.kind ^ 1);
    EXPECT_EQ(s.ShowLikeFrame, !c.frame);
    EXPECT_EQ(s.FrameWidth, 7);
    EXPECT_EQ(s.ClockTransparent, c.transparent);
    EXPECT_EQ(s.ClockFontName, "ＭＳ ゴシック"_sj);
    EXPECT_EQ(s.ClockFontSize, 14);
    EXPECT_EQ(s.ClockFontColor, 0x0000FFu);
    EXPECT_EQ(s.BackColor, 0x00FF00u);
    EXPECT_EQ(s.DisplayType, "hh:nn:ss");
  }
}

TEST_F(Clock1Page, ThePreviewBreaksLinesShowsTheBatteryOnceAndFormatsEras) {
  open();
  p().cmbClockType.setText("#r#r#b#b");
  notify(p().cmbClockType, CBN_EDITCHANGE);
  EXPECT_EQ(p().PreviewFormatText, "\r\n\r\n[100%]#b");
  EXPECT_EQ(p().PreviewText, "\r\n\r\n[100%]#b");
  EXPECT_TRUE(changed());
  // Leaving the box with "#b" in it explains the battery colours.
  notify(p().cmbClockType, CBN_KILLFOCUS);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].substr(0, boxes[0].find(':')), "設定の確認"_sj);
  // An entry of the list previews as chosen.
  p().cmbClockType.insert(0, "gg");
  p().cmbClockType.setItemIndex(0);
  notify(p().cmbClockType, CBN_SELCHANGE);
  EXPECT_EQ(p().PreviewText, "令和"_sj);
}

TEST_F(Clock1Page, ResetsAskAndAResetThatChangesNothingSetsNoFlag) {
  host.value.ClockFontSize = 20;
  host.value.BackColor = 0x00FFFF;
  open();
  p().lblClockPreviewClick();
  p().pnlClockPreviewClick();
  EXPECT_EQ(p().PreviewFont.size(), 9);
  EXPECT_EQ(p().PreviewFont.color(), ui::systemColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(p().PreviewBackColor, ui::systemColor(COLOR_BTNFACE));
  EXPECT_TRUE(changed());
  apply();
  p().lblClockPreviewClick();
  p().pnlClockPreviewClick();
  EXPECT_FALSE(changed());
  EXPECT_EQ(boxes.size(), 4u);
  EXPECT_EQ(boxes[0], "フォントデフォルトの確認:フォントをデフォルトにします\r\nよろしいですか？"_sj);
  EXPECT_EQ(boxes[1], "背景色デフォルトの確認:背景色をデフォルトにします\r\nよろしいですか？"_sj);
}

}  // namespace
