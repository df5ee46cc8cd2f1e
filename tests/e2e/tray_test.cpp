// The real Tockle.exe in the notification area: its icon comes with the window (or some seconds
// later with "/delayed-icon:N") and goes when the clock ends.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>

#include "support/e2e.h"
#include "support/png.h"
#include "support/tray_window.h"

namespace {

const std::string kTitle = "Tockle 3 for Windows 9x/NT by Ruxel";

// The clock's entry in the notification area exists when a change of nothing to it succeeds.
bool clockInTray() {
  HWND callback = FindWindowW(L"TockleTrayCallback", nullptr);
  if (!callback) return false;
  NOTIFYICONDATAW nid{};
  nid.cbSize = NOTIFYICONDATAW_V1_SIZE;
  nid.hWnd = callback;
  nid.uID = 1;
  return Shell_NotifyIconW(NIM_MODIFY, &nid) != FALSE;
}

void saveTrayShot(const std::string& name) {
  test::TrayShot shot = test::trayShot();
  if (!shot.pixels.empty()) test::writePng(test::resultsFolder() + name, shot.pixels.data(), shot.width, shot.height);
}

class ClockTray : public testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Quorvane\\Tockle3"); }
  void TearDown() override {
    clock.close(kTitle);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Quorvane\\Tockle3");
  }
  // Starts the clock and waits until its window shows.
  HWND start(const std::string& arguments = "") {
    if (!clock.start(arguments)) return nullptr;
    HWND main = clock.waitForWindow(kTitle);
    return main && test::waitUntil([&] { return IsWindowVisible(main) != 0; }) ? main : nullptr;
  }
  test::ProgramRun clock{"Tockle.exe"};
};

TEST_F(ClockTray, IconComesWithTheWindowAndGoesWithTheClock) {
  ASSERT_FALSE(clockInTray());
  HWND main = start();
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(test::waitUntil(clockInTray, 3000));
  saveTrayShot("tray_clock.png");
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(clock.waitExit(10000));
  EXPECT_FALSE(clockInTray());
}

TEST_F(ClockTray, DelayedIconComesAfterItsSeconds) {
  ASSERT_NE(start("/delayed-icon:2"), nullptr);
  EXPECT_FALSE(clockInTray());
  EXPECT_TRUE(test::waitUntil(clockInTray));
}

}  // namespace
