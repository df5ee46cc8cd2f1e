// The tray icon against Wine's notification area: the entry, the tip, the mouse events built from
// the shell's callback messages, and the animation thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/text.h"
#include "clock/tray/tray_frames.h"
#include "clock/tray/tray_icon.h"
#include "support/tray_window.h"
#include "support/wait.h"
#include "ui/app.h"
#include "ui/subclass.h"

namespace {

using tockle::TrayButton;
using tockle::TTrayIcon;

// Handles the thread's messages for `ms` milliseconds, or until `done` says so.
template <typename Done>
void pumpFor(int ms, Done done) {
  ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(ms);
  while (!done() && GetTickCount64() < end) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}
void pumpFor(int ms) {
  pumpFor(ms, [] { return false; });
}

// Handles messages until the icon's wait for a second click has ended and its end was handled;
// false when no such wait ends.
bool clickWaitEnds(UINT id) {
  bool ended = false;
  ui::Subclass watch;
  watch.attach(TTrayIcon::CallbackWindow(), [&](UINT msg, WPARAM wp, LPARAM, LRESULT&) {
    if (msg == tockle::WM_TRAY_CLICK_DONE && wp == id) ended = true;
    return false;
  });
  return test::waitUntil([&] { return ended; });
}

// The shell's callback for one mouse message over the icon.
void shellSays(const TTrayIcon& icon, UINT mouseMessage) {
  SendMessageW(TTrayIcon::CallbackWindow(), tockle::WM_TRAY_CALLBACK, icon.Id(), mouseMessage);
}

// Whether the notification area holds the icon's entry (a change of nothing succeeds only then).
bool inTray(const TTrayIcon& icon) {
  NOTIFYICONDATAW nid{};
  nid.cbSize = NOTIFYICONDATAW_V1_SIZE;
  nid.hWnd = TTrayIcon::CallbackWindow();
  nid.uID = icon.Id();
  return Shell_NotifyIconW(NIM_MODIFY, &nid) != FALSE;
}

// The tray window's pixels; empty without a stand-alone tray window.
std::vector<uint32_t> trayPixels() { return test::trayShot().pixels; }

// A small icon without transparent pixels: it covers whatever the tray showed before.
base::Icon solidIcon() {
  int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  std::vector<uint32_t> green(static_cast<size_t>(cx * cy), 0xFF00A000);
  std::vector<uint8_t> opaque(static_cast<size_t>(((cx + 15) / 16) * 2 * cy), 0);
  base::GdiBitmap color(CreateBitmap(cx, cy, 1, 32, green.data()));
  base::GdiBitmap mask(CreateBitmap(cx, cy, 1, 1, opaque.data()));
  ICONINFO ii{TRUE, 0, 0, mask.get(), color.get()};
  return base::Icon(CreateIconIndirect(&ii));
}

struct Events {
  int clicks = 0;
  int doubleClicks = 0;
  ULONGLONG clickAt = 0;
  std::vector<std::string> log;
};

void listen(TTrayIcon& icon, Events& e) {
  icon.OnClick = [&e](TTrayIcon&) {
    ++e.clicks;
    e.clickAt = GetTickCount64();
    e.log.push_back("click");
  };
  icon.OnDblClick = [&e](TTrayIcon&) {
    ++e.doubleClicks;
    e.log.push_back("dblclick");
  };
}

class TrayIcon : public ::testing::Test {
 protected:
  void SetUp() override { icon.SetIcon(LoadIconW(nullptr, IDI_APPLICATION)); }
  TTrayIcon icon;
};

TEST_F(TrayIcon, AnimateRateBelow100IsStoredAs100) {
  EXPECT_EQ(icon.AnimateRate(), 500);
  icon.SetAnimateRate(50);
  EXPECT_EQ(icon.AnimateRate(), 100);
  icon.SetAnimateRate(350);
  EXPECT_EQ(icon.AnimateRate(), 350);
}

TEST_F(TrayIcon, TipIsCutAt62BytesOnACharacterBoundary) {
  EXPECT_EQ(icon.TipHelp(), "TipHelp");
  icon.SetTipHelp(std::string(70, 'x'));
  EXPECT_EQ(icon.TipHelp(), std::string(62, 'x'));
  // Bytes 62 and 63 hold one double-byte character: it goes whole.
  std::string tip = std::string(61, 'y') + "時計"_sj;
  icon.SetTipHelp(tip);
  EXPECT_EQ(icon.TipHelp(), std::string(61, 'y'));
  std::string fits = std::string(60, 'z') + "時"_sj;
  icon.SetTipHelp(fits + "計"_sj);
  EXPECT_EQ(icon.TipHelp(), fits);
}

TEST_F(TrayIcon, VisibleAddsAndRemovesTheEntry) {
  icon.SetTipHelp("12:00 - Tockle3");
  icon.SetVisible(true);
  EXPECT_TRUE(icon.Visible());
  EXPECT_TRUE(inTray(icon));
  icon.SetVisible(false);
  EXPECT_FALSE(icon.Visible());
  EXPECT_FALSE(inTray(icon));
}

TEST_F(TrayIcon, EntryDeletedFromOutsideReturnsAtTheNextRefresh) {
  icon.SetVisible(true);
  NOTIFYICONDATAW nid{};
  nid.cbSize = NOTIFYICONDATAW_V1_SIZE;
  nid.hWnd = TTrayIcon::CallbackWindow();
  nid.uID = icon.Id();
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &nid));
  ASSERT_FALSE(inTray(icon));
  EXPECT_NO_THROW(icon.SetTipHelp("after the task bar came back"));
  EXPECT_TRUE(inTray(icon));
}

TEST_F(TrayIcon, DestroyedIconLeavesTheTray) {
  auto other = std::make_unique<TTrayIcon>();
  other->SetIcon(LoadIconW(nullptr, IDI_INFORMATION));
  other->SetVisible(true);
  TTrayIcon& probe = *other;
  UINT id = probe.Id();
  ASSERT_TRUE(inTray(probe));
  other.reset();
  NOTIFYICONDATAW nid{};
  nid.cbSize = NOTIFYICONDATAW_V1_SIZE;
  nid.hWnd = TTrayIcon::CallbackWindow();
  nid.uID = id;
  EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &nid));
}

TEST(TrayIconWithoutIcon, VisibleStaysFalse) {
  if (ui::Application::instance().handle()) GTEST_SKIP() << "the application's icon stands in";
  TTrayIcon bare;
  bare.SetVisible(true);
  EXPECT_FALSE(bare.Visible());
}

TEST_F(TrayIcon, DoubleClickGivesOnlyTheDoubleClickEvent) {
  Events e;
  listen(icon, e);
  shellSays(icon, WM_LBUTTONDOWN);
  shellSays(icon, WM_LBUTTONUP);
  shellSays(icon, WM_LBUTTONDBLCLK);
  shellSays(icon, WM_LBUTTONUP);
  EXPECT_TRUE(clickWaitEnds(icon.Id()));
  EXPECT_EQ(e.log, std::vector<std::string>{"dblclick"});
}

TEST_F(TrayIcon, SingleClickComesAfterTheDoubleClickTime) {
  Events e;
  listen(icon, e);
  shellSays(icon, WM_LBUTTONDOWN);
  ULONGLONG released = GetTickCount64();
  shellSays(icon, WM_LBUTTONUP);
  EXPECT_EQ(e.clicks, 0);
  pumpFor(static_cast<int>(GetDoubleClickTime()) + 1000, [&e] { return e.clicks > 0; });
  ASSERT_EQ(e.log, std::vector<std::string>{"click"});
  ULONGLONG after = e.clickAt - released;
  // Tick counts step by up to 16 ms.
  EXPECT_GE(after + 16, GetDoubleClickTime() + 50);
}

TEST_F(TrayIcon, MouseUpHandlerTakesTheReleaseInsteadOfTheClick) {
  Events e;
  listen(icon, e);
  std::vector<TrayButton> ups;
  icon.OnMouseUp = [&ups](TTrayIcon&, TrayButton b, ui::ShiftState, int, int) { ups.push_back(b); };
  shellSays(icon, WM_LBUTTONUP);
  EXPECT_EQ(ups, std::vector<TrayButton>{TrayButton::Left});
  // Had that release begun a click, the next one would end it as a double click's second.
  icon.OnMouseUp = nullptr;
  shellSays(icon, WM_LBUTTONUP);
  EXPECT_TRUE(clickWaitEnds(icon.Id()));
  EXPECT_EQ(e.clicks, 1);
}

TEST_F(TrayIcon, ButtonsAndMovesReportTheirButtonAndTheCursor) {
  struct Press {
    TrayButton button;
    ui::ShiftState shift;
    bool down;
  };
  std::vector<Press> presses;
  int moves = 0;
  ui::ShiftState moveShift = 99;
  icon.OnMouseDown = [&](TTrayIcon&, TrayButton b, ui::ShiftState s, int, int) { presses.push_back({b, s, true}); };
  icon.OnMouseUp = [&](TTrayIcon&, TrayButton b, ui::ShiftState s, int, int) { presses.push_back({b, s, false}); };
  POINT cursor{};
  GetCursorPos(&cursor);
  POINT seen{-1, -1};
  icon.OnMouseMove = [&](TTrayIcon&, ui::ShiftState s, int x, int y) {
    ++moves;
    moveShift = s;
    seen = {x, y};
  };
  for (UINT m :
       {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_RBUTTONDBLCLK}) {
    shellSays(icon, m);
  }
  ASSERT_EQ(presses.size(), 5u);
  EXPECT_TRUE(presses[0].button == TrayButton::Right && presses[0].shift == MK_RBUTTON && presses[0].down);
  EXPECT_TRUE(presses[1].button == TrayButton::Right && presses[1].shift == MK_RBUTTON && !presses[1].down);
  EXPECT_TRUE(presses[2].button == TrayButton::Middle && presses[2].shift == MK_MBUTTON && presses[2].down);
  EXPECT_TRUE(presses[3].button == TrayButton::Middle && presses[3].shift == MK_MBUTTON && !presses[3].down);
  EXPECT_TRUE(presses[4].button == TrayButton::Left && presses[4].shift == MK_LBUTTON && presses[4].down);
  EXPECT_EQ(moves, 1);
  EXPECT_EQ(moveShift, 0u);
  EXPECT_EQ(seen.x, cursor.x);
  EXPECT_EQ(seen.y, cursor.y);
}

TEST_F(TrayIcon, DisabledIconReportsNothingAndDropsAPendingClick) {
  Events e;
  listen(icon, e);
  int others = 0;
  icon.OnMouseDown = [&others](TTrayIcon&, TrayButton, ui::ShiftState, int, int) { ++others; };
  icon.OnMouseMove = [&others](TTrayIcon&, ui::ShiftState, int, int) { ++others; };
  shellSays(icon, WM_LBUTTONUP);  // a click waits for the double-click time
  icon.SetEnabled(false);
  for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_MOUSEMOVE}) shellSays(icon, m);
  icon.SetEnabled(true);
  EXPECT_TRUE(clickWaitEnds(icon.Id()));
  EXPECT_EQ(others, 0);
  EXPECT_TRUE(e.log.empty());
}

TEST_F(TrayIcon, ClickOfAnIconDestroyedMeanwhileIsDropped) {
  Events e;
  auto gone = std::make_unique<TTrayIcon>();
  listen(*gone, e);
  shellSays(*gone, WM_LBUTTONUP);
  UINT goneId = gone->Id();
  gone.reset();
  listen(icon, e);
  EXPECT_TRUE(clickWaitEnds(goneId));
  EXPECT_TRUE(e.log.empty());
}

TEST_F(TrayIcon, CallbacksForUnknownIdsAreIgnored) {
  Events e;
  listen(icon, e);
  SendMessageW(TTrayIcon::CallbackWindow(), tockle::WM_TRAY_CALLBACK, icon.Id() + 1000, WM_LBUTTONDBLCLK);
  EXPECT_TRUE(e.log.empty());
}

TEST(TrayIconCount, AHundredIconsAtMost) {
  std::vector<std::unique_ptr<TTrayIcon>> icons;
  try {
    while (icons.size() < tockle::kMaxTrayIcons) icons.push_back(std::make_unique<TTrayIcon>());
  } catch (const tockle::ENotifyIconError&) {
    FAIL() << "failed at icon " << icons.size() + 1;
  }
  EXPECT_THROW(TTrayIcon extra, tockle::ENotifyIconError);
  // Ids follow the creation order.
  for (size_t i = 1; i < icons.size(); ++i) EXPECT_EQ(icons[i]->Id(), icons[i - 1]->Id() + 1);
  icons.clear();
  TTrayIcon again;
  EXPECT_EQ(again.Id(), 1u);
}

TEST_F(TrayIcon, AnimationNeedsFrames) {
  icon.StartAnimate(0);
  EXPECT_FALSE(icon.Animating());
  icon.StopAnimate();
  EXPECT_FALSE(icon.Animating());
}

// The clock's frames are made when its first alarm animates the icon, once.
TEST_F(TrayIcon, FramesFromASourceAreMadeAtTheFirstAnimation) {
  tockle::TrayFrames frames;
  int made = 0;
  icon.SetAnimateIconSource([&] {
    ++made;
    return frames.handle();
  });
  EXPECT_EQ(made, 0);
  for (int i = 0; i < 2; ++i) {
    icon.StartAnimate(0);
    EXPECT_TRUE(icon.Animating());
    icon.StopAnimate();
  }
  EXPECT_EQ(made, 1);
}

TEST_F(TrayIcon, ContinuousAnimationRunsUntilStopped) {
  tockle::TrayFrames frames;
  ASSERT_EQ(ImageList_GetImageCount(frames.handle()), tockle::kTrayFrameCount);
  icon.SetAnimateIcons(frames.handle());
  icon.SetAnimateRate(60000);
  icon.SetVisible(true);
  icon.StartAnimate(0);
  EXPECT_TRUE(icon.Animating());
  // Frames cannot be swapped while the animation runs.
  icon.SetAnimateIcons(nullptr);
  EXPECT_EQ(icon.AnimateIcons(), frames.handle());
  pumpFor(350);
  ULONGLONG before = GetTickCount64();
  icon.StopAnimate();
  EXPECT_FALSE(icon.Animating());
  // Stopping does not wait for the minute's pause between frames to run out.
  EXPECT_LT(GetTickCount64() - before, 30000u);
  EXPECT_TRUE(inTray(icon));
  // And it can run again.
  icon.StartAnimate(0);
  EXPECT_TRUE(icon.Animating());
  icon.StopAnimate();
}

// An icon with a static icon that has no transparent pixels (it covers whatever frame the tray
// showed before) and the clock's frames, in the tray; `still` is the tray with the static icon.
class TrayIconOnScreen : public TrayIcon {
 protected:
  void SetUp() override {
    icon.SetIcon(solid.get());
    icon.SetAnimateIcons(frames.handle());
    icon.SetAnimateRate(100);
    icon.SetVisible(true);
    // The tray shows the icon once its green is there.
    test::waitUntil(
        [&] {
          still = trayPixels();
          return std::any_of(still.begin(), still.end(), [](uint32_t p) { return (p & 0xFFFFFF) == 0x00A000; });
        },
        5000);
    if (still.empty()) GTEST_SKIP() << "no stand-alone tray window to look at";
  }
  // The frames go before the icon (a member of the base): no animation may outlive them.
  void TearDown() override { icon.StopAnimate(); }
  base::Icon solid = solidIcon();
  tockle::TrayFrames frames;
  std::vector<uint32_t> still;
};

TEST_F(TrayIconOnScreen, StepAnimationShowsAFramePerCall) {
  icon.StartAnimate(1);
  EXPECT_TRUE(icon.Animating());
  std::vector<uint32_t> first;
  pumpFor(1000, [&] { return (first = trayPixels()) != still; });
  ASSERT_NE(first, still);
  // No further frame comes by itself: the animation waits for the next call.
  EXPECT_TRUE(test::waitUntil([&] { return icon.AnimationIdle(); }));
  EXPECT_TRUE(icon.Animating());
  EXPECT_EQ(trayPixels(), first);
  icon.StartAnimate(1);
  std::vector<uint32_t> second;
  pumpFor(1000, [&] { return (second = trayPixels()) != first; });
  EXPECT_NE(second, first);
  icon.StopAnimate();
  EXPECT_FALSE(icon.Animating());
  EXPECT_TRUE(test::waitUntil([&] { return trayPixels() == still; }, 5000));
}

TEST_F(TrayIcon, DestroyedWhileAnimating) {
  tockle::TrayFrames frames;
  auto animated = std::make_unique<TTrayIcon>();
  animated->SetIcon(LoadIconW(nullptr, IDI_APPLICATION));
  animated->SetAnimateIcons(frames.handle());
  animated->SetVisible(true);
  animated->StartAnimate(0);
  pumpFor(120);
  animated.reset();
  SUCCEED();
}

TEST_F(TrayIconOnScreen, AnimationChangesTheIconInTheTray) {
  icon.StartAnimate(0);
  // Frames follow one another, each unlike the static icon.
  std::vector<uint32_t> last = still;
  int changes = 0;
  EXPECT_TRUE(test::waitUntil([&] {
    std::vector<uint32_t> now = trayPixels();
    if (now != last) {
      EXPECT_NE(now, still);
      ++changes;
      last = now;
    }
    return changes >= 4;
  }));
  icon.StopAnimate();
  EXPECT_TRUE(test::waitUntil([&] { return trayPixels() == still; }, 5000));
}

}  // namespace
