// The real Tockle.exe: one borderless, top-most window without a task-bar button that shows
// "Starting..." and then the clock; a second start hands over to the first and ends.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "base/text.h"
#include "shared/reg_ex.h"
#include "support/e2e.h"
#include "support/png.h"

namespace {

const std::string kTitle = "Tockle 3 for Windows 9x/NT by Ruxel";
const std::string kKey = "Software\\Quorvane\\Tockle3";

class ClockWindow : public testing::Test {
 protected:
  void SetUp() override { test::deleteUserKey(kKey); }
  void TearDown() override { test::deleteUserKey(kKey); }
};

// The dominant non-background colour count in a window: a cheap sign that something was drawn.
int distinctColours(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  HDC screen = GetDC(nullptr);
  int distinct = 0;
  COLORREF first = GetPixel(screen, r.left + 3, r.top + 3);
  for (int y = r.top + 2; y < r.bottom - 2; y += 2)
    for (int x = r.left + 2; x < r.right - 2; x += 2)
      if (GetPixel(screen, x, y) != first) ++distinct;
  ReleaseDC(nullptr, screen);
  return distinct;
}

TEST_F(ClockWindow, StartsAsOneBorderlessTopMostWindow) {
  test::ProgramRun clock("Tockle.exe");
  ASSERT_TRUE(clock.start());
  HWND hwnd = clock.waitForWindow(kTitle);
  ASSERT_NE(hwnd, nullptr);
  ASSERT_TRUE(test::waitUntil([&] { return IsWindowVisible(hwnd) != 0; }));

  LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  LONG ex = GetWindowLongW(hwnd, GWL_EXSTYLE);
  EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_DLGFRAME));
  EXPECT_TRUE(ex & WS_EX_TOPMOST);
  EXPECT_FALSE(ex & WS_EX_APPWINDOW);
  // No task-bar button: a tool window, as is the application's hidden window.
  EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
  HWND app = clock.waitForWindow("Tockle 3 for Windows 9x/NT");
  ASSERT_NE(app, nullptr);
  EXPECT_TRUE(GetWindowLongW(app, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(IsWindowVisible(app));

  // "Starting..." first; then, about 2 s after, the clock text, which is wider than the status.
  RECT r0;
  GetWindowRect(hwnd, &r0);
  EXPECT_GT(distinctColours(hwnd), 10);
  test::captureWindow(hwnd, "clock_starting.png");
  ASSERT_TRUE(test::waitUntil(
      [&] {
        RECT r;
        GetWindowRect(hwnd, &r);
        return (r.right - r.left) > (r0.right - r0.left);
      },
      6000));
  EXPECT_GT(distinctColours(hwnd), 10);
  EXPECT_FALSE(test::captureWindow(hwnd, "clock_window.png").empty());

  PostMessageW(hwnd, WM_CLOSE, 0, 0);
  DWORD code = 99;
  EXPECT_TRUE(clock.waitExit(10000, &code));
  EXPECT_EQ(code, 0u);
  EXPECT_TRUE(test::windowsTitled(kTitle).empty());
}

// Started together, neither has a window yet: the second still gives way and ends.
TEST_F(ClockWindow, TwoQuickStartsShowOneWindow) {
  test::ProgramRun clock("Tockle.exe");
  ASSERT_TRUE(clock.start());
  DWORD code = 99;
  base::KernelHandle second;
  ASSERT_TRUE(test::secondQuickStart(clock, "Tockle.exe", &code, second));
  EXPECT_EQ(code, 0u);
  HWND hwnd = nullptr;
  ASSERT_TRUE(test::waitUntil([&] { return (hwnd = test::findWindow(kTitle)) && IsWindowVisible(hwnd); }));
  EXPECT_EQ(test::windowsTitled(kTitle).size(), 1u);
  PostMessageW(hwnd, WM_CLOSE, 0, 0);
  EXPECT_TRUE(
      test::waitUntil([&] { return !clock.running() && WaitForSingleObject(second.get(), 0) == WAIT_OBJECT_0; }));
}

TEST_F(ClockWindow, SecondStartHandsOverAndEnds) {
  test::ProgramRun clock("Tockle.exe");
  ASSERT_TRUE(clock.start());
  HWND hwnd = clock.waitForWindow(kTitle);
  ASSERT_NE(hwnd, nullptr);

  DWORD code = 99;
  ASSERT_TRUE(test::runAndWait(clock.path("Tockle.exe"), "", 10000, &code));
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(test::windowsTitled(kTitle).size(), 1u);
  EXPECT_EQ(test::windowsTitled("Tockle 3 for Windows 9x/NT").size(), 1u);
  EXPECT_TRUE(clock.running());

  PostMessageW(hwnd, WM_CLOSE, 0, 0);
  EXPECT_TRUE(clock.waitExit(10000));
}

// The clock window's size and pixels.
struct Shot {
  LONG width = 0, height = 0;
  std::vector<uint32_t> pixels;
  bool operator==(const Shot&) const = default;
};

Shot shotOf(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  return {r.right - r.left, r.bottom - r.top, test::screenPixels(r)};
}

// The clock refits its window while it paints, and Wine puts a frame on the screen only once the
// program next waits for messages: until then the window has its new size but still shows (part
// of) the frame before. A frame drawn for the window's size has the shadow of its border along
// the right and the bottom edge.
bool paintedAtItsSize(const Shot& shot) {
  if (shot.pixels.empty()) return false;
  const COLORREF c = GetSysColor(COLOR_BTNSHADOW);
  const uint32_t shadow = GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
  const auto at = [&](LONG x, LONG y) { return shot.pixels[static_cast<size_t>(y * shot.width + x)]; };
  for (LONG y = 0; y < shot.height; ++y)
    if (at(shot.width - 1, y) != shadow) return false;
  for (LONG x = 0; x < shot.width; ++x)
    if (at(x, shot.height - 1) != shadow) return false;
  return true;
}

void savePng(const Shot& shot, const std::string& name) {
  test::writePng(test::resultsFolder() + name, shot.pixels.data(), shot.width, shot.height);
}

// Starts the clock with a display format and waits until it shows its text instead of its
// start-up status ("Starting...", of another width), painted whole.
HWND startShowing(test::ProgramRun& clock, const std::string& format) {
  shared::TKzRegEx r;
  if (!r.OpenKey(kKey, true)) return nullptr;
  r.WriteString("DisplayType", format);
  HWND hwnd = nullptr;
  if (!clock.start() || !(hwnd = clock.waitForWindow(kTitle)) ||
      !test::waitUntil([&] { return IsWindowVisible(hwnd) != 0; }))
    return nullptr;
  const LONG status = shotOf(hwnd).width;
  return test::waitUntil([&] {
    const Shot shot = shotOf(hwnd);
    return shot.width != status && paintedAtItsSize(shot);
  })
             ? hwnd
             : nullptr;
}

// Runs in Japan, and again in two zones whose summers together cover the year.
TEST_F(ClockWindow, InternetTimeCountsFromTheRealUtc) {
  test::keepClockClearOfTray();
  test::ProgramRun clock("Tockle.exe");
  // The beat and the local hour, so that the zone shows as well.
  HWND hwnd = startShowing(clock, "#i hh");
  ASSERT_NE(hwnd, nullptr) << clock.state(kTitle);
  // A shot with what the real UTC time says the clock shows then.
  Shot shown;
  char expected[16] = {};
  ASSERT_TRUE(test::waitUntil(
      [&] {
        SYSTEMTIME st, local;
        GetSystemTime(&st);
        GetLocalTime(&local);
        const long long ms = ((st.wHour * 60 + st.wMinute) * 60 + st.wSecond) * 1000LL + st.wMilliseconds;
        const long long intoHour = (local.wMinute * 60 + local.wSecond) * 1000LL + local.wMilliseconds;
        const long long atUtcPlusOne = (ms + 3600000) % 86400000, intoBeat = atUtcPlusOne % 86400;
        // Well inside one beat (86.4 s) and one hour: the clock repaints every second.
        if (intoBeat < 2000 || intoBeat > 84000 || intoHour < 2000 || intoHour > 3598000) return false;
        shown = shotOf(hwnd);
        if (!paintedAtItsSize(shown)) return false;  // refitted to a beat of another width
        std::snprintf(expected, sizeof expected, "@%03lld %02d", atUtcPlusOne / 86400, local.wHour);
        return true;
      },
      60000));
  PostMessageW(hwnd, WM_CLOSE, 0, 0);
  ASSERT_TRUE(clock.waitExit(10000));
  // The same clock showing that text as it stands looks exactly the same.
  HWND again = startShowing(clock, expected);
  ASSERT_NE(again, nullptr);
  Shot last;
  const bool same = test::waitUntil([&] { return (last = shotOf(again)) == shown; });
  EXPECT_TRUE(same) << "not shown: " << expected;
  if (!same) {
    savePng(shown, "clock_internet_time_shown.png");
    savePng(last, "clock_internet_time_again.png");
  }
  PostMessageW(again, WM_CLOSE, 0, 0);
  EXPECT_TRUE(clock.waitExit(10000));
}

}  // namespace
