// The clock face painted into a memory bitmap and read back.
#include "clock/face/clock_face.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using tockle::TTimeClock;

constexpr ui::Color kBack = 0x000000, kHour = 0x0000FF, kMinute = 0x00FF00, kSecond = 0xFFFFFF, kCircle = 0xFF0000;

SYSTEMTIME at(WORD h, WORD m, WORD s, WORD ms = 0) {
  SYSTEMTIME st{};
  st.wYear = 2026;
  st.wMonth = 12;
  st.wDay = 9;
  st.wHour = h;
  st.wMinute = m;
  st.wSecond = s;
  st.wMilliseconds = ms;
  return st;
}

struct AnalogFace {
  TTimeClock face;
  ui::Bitmap bmp{220, 220};
  explicit AnalogFace(SYSTEMTIME time, int circleWidth = 0) {
    face.TimeCount.timeSource = [time] { return time; };
    face.TimeCount.tickSource = [] { return DWORD{1000000}; };
    face.SetClockKind(2);
    face.SetBorderWidth(0);
    face.SetBackColor(kBack);
    face.SetHourHandColor(kHour);
    face.SetMinuteHandColor(kMinute);
    face.SetSecondHandColor(kSecond);
    face.SetCircleColor(kCircle);
    face.SetCircleWidth(circleWidth);
    face.SetClockArea(POINT{110, 110}, 100.0f);
    face.Paint(bmp.canvas());
  }
  COLORREF at(int x, int y) const { return bmp.pixelRgb(x, y); }
  // The pixel r pixels from the centre in the direction of a clock angle (0 = 12 o'clock).
  COLORREF along(float degrees, float r) const {
    float a = degrees * 3.14159265f / 180.0f;
    return at(110 + static_cast<int>(std::lround(r * std::sin(a))),
              110 - static_cast<int>(std::lround(r * std::cos(a))));
  }
};

TEST(ClockFace, HandsPointWhereTheTimeSays) {
  AnalogFace three(at(3, 0, 0));
  EXPECT_FLOAT_EQ(three.face.TimeCount.FracHours * 30, 90.0f);
  EXPECT_EQ(three.along(90, 60), kHour);   // hour hand towards 3 o'clock
  EXPECT_EQ(three.along(90, 85), kBack);   // ... and no longer than 80 % of the radius
  EXPECT_EQ(three.along(0, 88), kSecond);  // the second hand's outline lies over the minute hand's tip
  EXPECT_EQ(three.along(0, 60), kMinute);  // minute hand towards 12, filled
  EXPECT_EQ(three.along(180, 50), kBack);

  AnalogFace halfPast(at(3, 30, 0));
  EXPECT_FLOAT_EQ(halfPast.face.TimeCount.FracHours * 30, 105.0f);
  EXPECT_EQ(halfPast.along(105, 60), kHour);
  EXPECT_EQ(halfPast.along(180, 60), kMinute);
}

TEST(ClockFace, SecondHandTipLies95PixelsFromTheCentre) {
  AnalogFace face(at(3, 0, 0));
  // At second 0 the tip is straight above the centre: (110, 110 - 95).
  EXPECT_EQ(face.at(110, 15), kSecond);
  EXPECT_EQ(face.at(110, 13), kBack);
  // The second hand is an outline: its inside shows the minute hand below it.
  EXPECT_EQ(face.at(110, 40), kMinute);
}

TEST(ClockFace, CircleWidthZeroDrawsNoCircle) {
  AnalogFace none(at(3, 0, 0), 0);
  AnalogFace one(at(3, 0, 0), 1);
  auto circleOnRow = [](const AnalogFace& f) {
    for (int x = 200; x < 215; ++x)
      if (f.at(x, 110) == kCircle) return true;
    return false;
  };
  EXPECT_FALSE(circleOnRow(none));
  EXPECT_TRUE(circleOnRow(one));
  EXPECT_EQ(none.along(90, 60), kHour);
}

struct DigitalFace {
  TTimeClock face;
  ui::Font font{"MS UI Gothic", 12};
  ui::Bitmap bmp;
  int reportedW = -1, reportedH = -1;
  DigitalFace(const std::string& text, int border, bool doubled, int w = 200, int h = 60) : bmp(w, h) {
    face.SetClockKind(1);
    face.SetFont(&font);
    font.setColor(0xFFFFFF);
    face.SetBackColor(kBack);
    face.SetBorderWidth(border);
    face.SetDoubleBorder(doubled);
    face.SetText(text);
    face.OnClockResize = [this](TTimeClock&, int& w2, int& h2) {
      reportedW = w2;
      reportedH = h2;
    };
    face.Paint(bmp.canvas());
  }
  int width(const std::string& s) {
    ui::Canvas& c = bmp.canvas();
    c.font = &font;
    return c.textWidth(s);
  }
  int height(const std::string& s) {
    ui::Canvas& c = bmp.canvas();
    c.font = &font;
    return c.textHeight(s);
  }
};

TEST(ClockFace, DoubleBorderIsRaisedGapSunken) {
  DigitalFace f("", 2, true, 50, 30);
  const COLORREF hi = GetSysColor(COLOR_BTNHIGHLIGHT), sh = GetSysColor(COLOR_BTNSHADOW);
  ASSERT_NE(hi, sh);
  // Left edge, middle row: 2 px highlight, 1 px gap, 2 px shadow, then the background.
  EXPECT_EQ(f.bmp.pixelRgb(0, 15), hi);
  EXPECT_EQ(f.bmp.pixelRgb(1, 15), hi);
  EXPECT_EQ(f.bmp.pixelRgb(2, 15), kBack);
  EXPECT_EQ(f.bmp.pixelRgb(3, 15), sh);
  EXPECT_EQ(f.bmp.pixelRgb(4, 15), sh);
  EXPECT_EQ(f.bmp.pixelRgb(5, 15), kBack);
  // Right edge mirrored.
  EXPECT_EQ(f.bmp.pixelRgb(49, 15), sh);
  EXPECT_EQ(f.bmp.pixelRgb(48, 15), sh);
  EXPECT_EQ(f.bmp.pixelRgb(47, 15), kBack);
  EXPECT_EQ(f.bmp.pixelRgb(46, 15), hi);
  EXPECT_EQ(f.bmp.pixelRgb(45, 15), hi);
  // Top and bottom.
  EXPECT_EQ(f.bmp.pixelRgb(25, 0), hi);
  EXPECT_EQ(f.bmp.pixelRgb(25, 3), sh);
  EXPECT_EQ(f.bmp.pixelRgb(25, 29), sh);
  EXPECT_EQ(f.bmp.pixelRgb(25, 26), hi);
}

TEST(ClockFace, MeasuresTheWidestLineAndGrowsByTheBorder) {
  DigitalFace plain("12:34", 0, false);
  EXPECT_EQ(plain.reportedW, plain.width("12:34"));
  EXPECT_EQ(plain.reportedH, plain.height("12:34"));

  DigitalFace doubled("12:34", 2, true);
  EXPECT_EQ(doubled.reportedW, doubled.width("12:34") + 4);
  EXPECT_EQ(doubled.reportedH, doubled.height("12:34") + 4);

  DigitalFace two("ABCDE#rABCDEFGHIJ", 1, false);
  EXPECT_EQ(two.reportedW, two.width("ABCDEFGHIJ") + 1);
  EXPECT_EQ(two.reportedH, two.height("ABCDE#rABCDEFGHIJ") * 2 + 1);
  DigitalFace longFirst("ABCDEFGHIJ#rABCDE", 1, false);
  EXPECT_EQ(longFirst.reportedW, two.reportedW);

  // With a proportional font fewer bytes can be the wider line: "WWW" is wider than "iiiii".
  DigitalFace narrowLong("iiiii#rWWW", 0, false);
  EXPECT_EQ(narrowLong.reportedW, std::max(narrowLong.width("iiiii"), narrowLong.width("WWW")));
}

TEST(ClockFace, DrawsEveryLineOfAMultiLineText) {
  DigitalFace f("ABCDE#rABCDEFGHIJ", 0, false, 200, 80);
  // With the size granted as measured, the text box is the two lines' height from the top.
  int h = f.height("A");
  int y0 = 0;
  auto inked = [&](int yFrom, int yTo) {
    int n = 0;
    for (int y = yFrom; y < yTo; ++y)
      for (int x = 0; x < 200; ++x)
        if (f.bmp.pixelRgb(x, y) != kBack) ++n;
    return n;
  };
  EXPECT_GT(inked(y0, y0 + h), 0);
  EXPECT_GT(inked(y0 + h, y0 + 2 * h), inked(y0, y0 + h));  // the second line is the longer one
  EXPECT_EQ(inked(y0 + 2 * h, 80), 0);
}

TEST(TimeCount, RebasesEachMinuteAndSurvivesTickWrap) {
  tockle::TTimeCount tc;
  SYSTEMTIME now = at(12, 0, 59, 900);
  DWORD tick = 0xFFFFFF00u;
  tc.timeSource = [&] { return now; };
  tc.tickSource = [&] { return tick; };
  tc.Update();
  EXPECT_FALSE(tc.Synced);
  EXPECT_NEAR(tc.FracSeconds, 59.9f, 1e-3);

  // Still the first second: the base keeps following the wall clock.
  now = at(12, 0, 59, 950);
  tick += 50;
  tc.Update();
  EXPECT_FALSE(tc.Synced);
  EXPECT_NEAR(tc.FracSeconds, 59.95f, 1e-3);

  // Next second (a new minute): synced; across the tick counter's wrap the fraction stays right.
  now = at(12, 1, 0, 0);
  tick += 0x150;  // wraps past 0
  ASSERT_LT(tick, 0x100u);
  tc.Update();
  EXPECT_TRUE(tc.Synced);
  EXPECT_NEAR(tc.FracSeconds, 0.0f, 1e-3);
  EXPECT_NEAR(tc.FracMinutes, 1.0f, 1e-4);
  EXPECT_NEAR(tc.FracHours, 12.0f + 1.0f / 60, 1e-4);

  // Within the minute only the tick moves the hand: the wall clock's whole seconds do not re-base.
  now = at(12, 1, 2, 0);
  tick += 2500;
  tc.Update();
  EXPECT_NEAR(tc.FracSeconds, 2.5f, 1e-3);
}

TEST(Coord, TurnsClockwiseOnScreen) {
  tockle::TCoord c;
  c.Setup(90, 1, 100, 100);
  POINT p = c.Transform(POINT{0, -50});
  EXPECT_EQ(p.x, 150);
  EXPECT_EQ(p.y, 100);
  c.Setup(0, 2, 10, 10);
  p = c.Transform(POINT{3, -4});
  EXPECT_EQ(p.x, 16);
  EXPECT_EQ(p.y, 2);
}

}  // namespace
