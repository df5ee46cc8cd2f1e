// The page "時計2": analog colours, circle width and the size rule loaded and saved; a chosen
// colour shows in the analog preview.
#include "clock/config/pages/clock2_page.h"

#include <gtest/gtest.h>

#include "support/fake_common_dialogs.h"
#include "unit/clock/config/pages/general_pages_fixture.h"

namespace {

using tockle::TClock2Page;

class Clock2Page : public test::GeneralPages {
 protected:
  TClock2Page& p() { return page<TClock2Page>(tockle::tabClock2); }
  test::FakeCommonDialogs dialogs;
};

TEST_F(Clock2Page, LoadsEachSettingAndSavesWhatTheUserChose) {
  struct {
    ui::Color colors[4];
    int circle;
    bool autoResize;
    int height, width;
  } cases[] = {
      {{0x0000FF, 0x00FF00, 0xFF0000, 0x000000}, 0, true, -50, 250},
      {{0x111111, 0x222222, 0x333333, 0x444444}, 100, false, 150, -50},
  };
  for (const auto& c : cases) {
    auto& s = host.value;
    for (int i = 0; i < 4; ++i) s.AnalogColor[i] = c.colors[i];
    s.HandWidth = c.circle;
    s.AutoResize = c.autoResize, s.AutoHeight = c.height, s.AutoWidth = c.width;
    open();
    EXPECT_EQ(p().edtCircleFrame.text(), std::to_string(c.circle));
    EXPECT_EQ(p().rdbAutoResize.checked(), c.autoResize);
    EXPECT_EQ(p().rdbManual.checked(), !c.autoResize);
    EXPECT_EQ(p().trbAutoHeight.position(), c.height);
    EXPECT_EQ(p().trbAutoWidth.position(), c.width);
    EXPECT_EQ(p().cmbAnalogColor.itemIndex(), 0);
    // The second hand gets a colour of its own; the circle one more pixel through the arrow.
    p().cmbAnalogColor.setItemIndex(2);
    dialogs.colors.push_back(0xABCDEF);
    click(p().Button3);
    SendMessageW(p().edtCircleFrame.handle(), WM_KEYDOWN, c.circle == 100 ? VK_DOWN : VK_UP, 0);
    click(c.autoResize ? p().rdbManual : p().rdbAutoResize);
    apply();
    EXPECT_EQ(s.AnalogColor[0], c.colors[0]);
    EXPECT_EQ(s.AnalogColor[2], 0xABCDEFu);
    EXPECT_EQ(s.AnalogColor[3], c.colors[3]);
    EXPECT_EQ(s.HandWidth, c.circle == 100 ? 99 : c.circle + 1);
    EXPECT_EQ(p().tmePreview.CircleWidth, s.HandWidth);
    EXPECT_EQ(s.AutoResize, !c.autoResize);
    EXPECT_EQ(s.AutoHeight, c.height);
  }
}

TEST_F(Clock2Page, AChosenCircleColourShowsInTheAnalogPreview) {
  host.value.HandWidth = 3;
  open();
  p().cmbAnalogColor.setItemIndex(3);
  dialogs.colors.push_back(0x3366CC);
  click(p().Button3);
  EXPECT_TRUE(changed());
  ui::Bitmap preview(81, 81);
  p().FormPaint(preview.canvas());
  int circle = 0;
  for (int y = 0; y < 81; ++y)
    for (int x = 0; x < 81; ++x) circle += preview.pixelRgb(x, y) == 0x3366CC;
  EXPECT_GT(circle, 100);
  EXPECT_EQ(preview.pixelRgb(0, 0), ui::toRgb(ui::systemColor(COLOR_BTNFACE)));
}

}  // namespace
