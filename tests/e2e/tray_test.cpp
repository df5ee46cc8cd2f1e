// The real Tockle.exe in the notification area: its icon comes with the window (or some seconds
// later with "/delayed-icon:N") and goes when the clock ends.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>

#include "base/files.h"
#include "base/handles.h"
#include "base/text.h"
#include "support/png.h"
#include "support/tray_window.h"

namespace {

const wchar_t kTitle[] = L"Tockle 3 for Windows 9x/NT by Ruxel";

template <typename Done>
bool waitFor(int ms, Done done) {
  ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(ms);
  while (GetTickCount64() < end) {
    if (done()) return true;
    Sleep(50);
  }
  return done();
}

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

class Clock {
 public:
  explicit Clock(const std::wstring& args = L"") {
    std::wstring exe = base::wide(base::programFolder()) + L"Tockle.exe";
    std::wstring cmd = L"\"" + exe + L"\" " + args;
    STARTUPINFOW si{sizeof si};
    PROCESS_INFORMATION pi{};
    if (CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
      process_.reset(pi.hProcess);
      CloseHandle(pi.hThread);
    }
  }
  ~Clock() {
    if (!process_) return;
    if (HWND main = FindWindowW(nullptr, kTitle)) PostMessageW(main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.get(), 10000) != WAIT_OBJECT_0) TerminateProcess(process_.get(), 1);
  }
  bool started() const { return static_cast<bool>(process_); }
  HWND window(int waitMs = 10000) const {
    HWND hwnd = nullptr;
    waitFor(waitMs, [&hwnd] { return (hwnd = FindWindowW(nullptr, kTitle)) != nullptr; });
    return hwnd;
  }
  bool ended(int waitMs) const { return WaitForSingleObject(process_.get(), static_cast<DWORD>(waitMs)) == 0; }

 private:
  base::KernelHandle process_;
};

class ClockTray : public testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Quorvane\\Tockle3"); }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Quorvane\\Tockle3"); }
};

TEST_F(ClockTray, IconComesWithTheWindowAndGoesWithTheClock) {
  ASSERT_FALSE(clockInTray());
  {
    Clock clock;
    ASSERT_TRUE(clock.started());
    HWND main = clock.window();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(waitFor(3000, [] { return clockInTray(); }));
    saveTrayShot("tray_clock.png");
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(clock.ended(10000));
  }
  EXPECT_FALSE(clockInTray());
}

TEST_F(ClockTray, DelayedIconComesAfterItsSeconds) {
  Clock clock(L"/delayed-icon:2");
  ASSERT_TRUE(clock.started());
  ASSERT_NE(clock.window(), nullptr);
  ULONGLONG shown = GetTickCount64();
  Sleep(1000);
  EXPECT_FALSE(clockInTray());
  EXPECT_TRUE(waitFor(4000, [] { return clockInTray(); }));
  ULONGLONG after = GetTickCount64() - shown;
  EXPECT_GE(after, 1500u);
}

}  // namespace
