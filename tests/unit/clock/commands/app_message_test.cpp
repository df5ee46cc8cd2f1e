// Mouse buttons on the clock and the tray icon as commands: wParam is compared exactly.
#include "clock/commands/app_message.h"

#include <gtest/gtest.h>

namespace {

using tockle::clockMouseAction;
using tockle::MouseActionKind;
using tockle::MouseOperations;
using tockle::TrayButton;

const MouseOperations kOps{31, 32, 33};

TEST(MouseTable, ShiftLeftRunsTheMiddleButtonsCommandWithOrWithoutFixClock) {
  for (bool fix : {false, true}) {
    auto a = clockMouseAction(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, fix, kOps);
    EXPECT_EQ(a.kind, MouseActionKind::Command);
    EXPECT_EQ(a.command, 32);
    EXPECT_TRUE(a.handled);
  }
}

TEST(MouseTable, CtrlLeftDragsOnlyWithFixClock) {
  auto fixed = clockMouseAction(WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, true, kOps);
  EXPECT_EQ(fixed.kind, MouseActionKind::Drag);
  EXPECT_TRUE(fixed.handled);
  // Without FixClock every left press drags and clicks when the cursor stayed.
  auto loose = clockMouseAction(WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, false, kOps);
  EXPECT_EQ(loose.kind, MouseActionKind::DragOrCommand);
  EXPECT_EQ(loose.command, 31);
}

TEST(MouseTable, PlainLeftRunsAtOnceWithFixClockAndAfterAStillDragWithout) {
  auto fixed = clockMouseAction(WM_LBUTTONDOWN, MK_LBUTTON, true, kOps);
  EXPECT_EQ(fixed.kind, MouseActionKind::Command);
  EXPECT_EQ(fixed.command, 31);
  // Shift + Ctrl is neither exact combination.
  auto both = clockMouseAction(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT | MK_CONTROL, true, kOps);
  EXPECT_EQ(both.kind, MouseActionKind::Command);
  EXPECT_EQ(both.command, 31);
  auto loose = clockMouseAction(WM_LBUTTONDOWN, MK_LBUTTON, false, kOps);
  EXPECT_EQ(loose.kind, MouseActionKind::DragOrCommand);
  EXPECT_EQ(loose.command, 31);
  EXPECT_TRUE(loose.handled);
}

TEST(MouseTable, MiddleButtonRunsItsCommandAndIsDispatchedFurther) {
  auto a = clockMouseAction(WM_MBUTTONDOWN, MK_MBUTTON | MK_CONTROL, false, kOps);
  EXPECT_EQ(a.kind, MouseActionKind::Command);
  EXPECT_EQ(a.command, 32);
  EXPECT_FALSE(a.handled);
}

TEST(MouseTable, ShiftOrCtrlRightOpensTheSettingsWhateverTheRightButtonSays) {
  auto plain = clockMouseAction(WM_RBUTTONDOWN, MK_RBUTTON, false, kOps);
  EXPECT_EQ(plain.command, 33);
  EXPECT_FALSE(plain.handled);
  for (WPARAM wp : {MK_RBUTTON | MK_SHIFT, MK_RBUTTON | MK_CONTROL, MK_RBUTTON | MK_LBUTTON}) {
    auto a = clockMouseAction(WM_RBUTTONDOWN, wp, true, kOps);
    EXPECT_EQ(a.kind, MouseActionKind::Command);
    EXPECT_EQ(a.command, 8);
  }
}

TEST(MouseTable, OtherMessagesAreLeftAlone) {
  for (UINT m : {WM_LBUTTONUP, WM_RBUTTONUP, WM_MOUSEMOVE, WM_LBUTTONDBLCLK, WM_KEYDOWN}) {
    auto a = clockMouseAction(m, MK_LBUTTON, false, kOps);
    EXPECT_EQ(a.kind, MouseActionKind::None);
    EXPECT_FALSE(a.handled);
  }
}

TEST(TrayButtons, LeftAndMiddleFollowTheSettingsRightIsAlwaysTheSystemMenu) {
  EXPECT_EQ(tockle::trayCommand(TrayButton::Left, kOps), 31);
  EXPECT_EQ(tockle::trayCommand(TrayButton::Middle, kOps), 32);
  EXPECT_EQ(tockle::trayCommand(TrayButton::Right, kOps), 100);
  EXPECT_EQ(tockle::trayCommand(TrayButton::Right, MouseOperations{99, 1, 8}), 100);
}

}  // namespace
