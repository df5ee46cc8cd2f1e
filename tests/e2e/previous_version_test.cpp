// A running previous version: the clock asks once whether to close it, and Yes closes it.
#include <gtest/gtest.h>

#include "base/text.h"
#include "support/e2e.h"

namespace {

const std::string kTitle = "Tockle 3 for Windows 9x/NT by Ruxel";

// Stands in for the previous version's main window in this test process and records what it gets.
class OldClockWindow {
 public:
  OldClockWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OldClockWindow";
    RegisterClassW(&wc);
    hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"Tockle2MainWindow", WS_POPUP, 600, 600, 50, 20, nullptr, nullptr,
                            wc.hInstance, nullptr);
    closeRequests = 0;
  }
  ~OldClockWindow() { DestroyWindow(hwnd_); }
  static inline int closeRequests = 0;

 private:
  static LRESULT CALLBACK proc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_SYSCOMMAND && (w & 0xFFF0) == SC_CLOSE) {
      ++closeRequests;
      return 0;
    }
    return DefWindowProcW(h, m, w, l);
  }
  HWND hwnd_;
};

class PreviousVersion : public testing::TestWithParam<bool> {
 protected:
  void SetUp() override { test::deleteUserKey("Software\\Quorvane\\Tockle3"); }
  void TearDown() override { test::deleteUserKey("Software\\Quorvane\\Tockle3"); }
};

TEST_P(PreviousVersion, IsAskedAboutOnceAndClosedOnYes) {
  const bool yes = GetParam();
  OldClockWindow old;
  test::ProgramRun clock("Tockle.exe");
  ASSERT_TRUE(clock.start());
  HWND box = clock.waitForWindow("Ver.2.xx の検出"_sj);
  ASSERT_NE(box, nullptr);
  test::captureWindow(box, "previous_version_question.png");
  // The clock window is not shown while the question is open.
  HWND main = test::findWindow(kTitle);
  EXPECT_TRUE(main == nullptr || !IsWindowVisible(main));
  PostMessageW(box, WM_COMMAND, yes ? IDYES : IDNO, 0);
  HWND clockWindow = clock.waitForWindow(kTitle);
  ASSERT_NE(clockWindow, nullptr);
  ASSERT_TRUE(test::waitUntil([&] { return IsWindowVisible(clockWindow) != 0; }));
  // The clock sent its close request before it showed, and waited for this thread to take it.
  EXPECT_EQ(OldClockWindow::closeRequests, yes ? 1 : 0);
  EXPECT_EQ(clock.visibleWindowsBesides(clockWindow), 0);  // asked once only
  clock.close(kTitle);
  EXPECT_FALSE(clock.running());
}

INSTANTIATE_TEST_SUITE_P(Answers, PreviousVersion, testing::Values(true, false));

}  // namespace
