#include "clock/app/window_fit.h"

#include <gtest/gtest.h>

#include "clock/tray/delayed_icon.h"

namespace {

using tockle::FitInput;
using tockle::fitWindow;

TEST(WindowFit, AutomaticSizeFollowsTheTextBothWays) {
  auto r = fitWindow(FitInput{true, false, 20, 10, 330, 91, 100, 20});
  EXPECT_TRUE(r.resized);
  EXPECT_EQ(r.width, 124);
  EXPECT_EQ(r.height, 34);
  // A narrower text narrows the window again.
  r = fitWindow(FitInput{true, false, 20, 10, 124, 34, 60, 20});
  EXPECT_EQ(r.width, 84);
  // Nothing to do when the size already fits.
  r = fitWindow(FitInput{true, false, 20, 10, 84, 34, 60, 20});
  EXPECT_FALSE(r.resized);
  // With the analog face the window is square on the text's width.
  r = fitWindow(FitInput{true, true, 20, 10, 10, 10, 100, 20});
  EXPECT_EQ(r.width, 124);
  EXPECT_EQ(r.height, 114);
}

TEST(WindowFit, ManualSizeOnlyGrows) {
  auto r = fitWindow(FitInput{false, false, 20, 10, 200, 50, 100, 20});
  EXPECT_FALSE(r.resized);
  r = fitWindow(FitInput{false, false, 20, 10, 200, 50, 250, 20});
  EXPECT_TRUE(r.resized);
  EXPECT_EQ(r.width, 274);
  EXPECT_EQ(r.height, 50);
  r = fitWindow(FitInput{false, false, 20, 10, 200, 50, 100, 60});
  EXPECT_EQ(r.width, 200);
  EXPECT_EQ(r.height, 74);
  r = fitWindow(FitInput{false, true, 20, 10, 200, 50, 100, 60});
  EXPECT_EQ(r.width, 124);
  EXPECT_EQ(r.height, 114);
}

TEST(DelayedIcon, ReadsTheSecondsOrShowsAtOnce) {
  EXPECT_EQ(tockle::delayedIconSeconds("/delayed-icon:5"), 5u);
  EXPECT_EQ(tockle::delayedIconSeconds("/DELAYED-ICON:12"), 12u);
  EXPECT_EQ(tockle::delayedIconSeconds(""), 0u);
  EXPECT_EQ(tockle::delayedIconSeconds("/delayed-icon:abc"), 0u);
  EXPECT_EQ(tockle::delayedIconSeconds("/delayed-icon:"), 0u);
  EXPECT_EQ(tockle::delayedIconSeconds("/delayed-icon:-3"), 0u);
  EXPECT_EQ(tockle::delayedIconSeconds("/delayed-icon:4294968"), 0u);
  EXPECT_EQ(tockle::delayedIconSeconds("/other:5"), 0u);
}

}  // namespace
