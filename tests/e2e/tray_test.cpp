// The real Tockle.exe in the notification area: its icon comes with the window (or some seconds
// later with "/delayed-icon:N") and goes when the clock ends; idle there, it holds no library only
// a rare action needs.
#include <windows.h>

#include <psapi.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <vector>
#include <string>

#include "base/text.h"
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

// The lower-case file names of the DLLs a process has loaded.
std::vector<std::wstring> loadedLibraries(DWORD pid) {
  std::vector<std::wstring> names;
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (!process) return names;
  HMODULE modules[512];
  DWORD bytes = 0;
  if (EnumProcessModules(process, modules, sizeof modules, &bytes)) {
    for (DWORD i = 0; i < bytes / sizeof(HMODULE) && i < 512; ++i) {
      wchar_t name[MAX_PATH];
      if (!GetModuleBaseNameW(process, modules[i], name, MAX_PATH)) continue;
      std::wstring lower(name);
      for (wchar_t& c : lower) c = static_cast<wchar_t>(std::towlower(c));
      names.push_back(lower);
    }
  }
  CloseHandle(process);
  return names;
}

// What only a rare action needs (dialogs and image lists, sounds, time synchronisation, choosers,
// launcher icons) is not loaded by an idle clock showing its tray icon: together about 3 MB.
TEST_F(ClockTray, IdleClockHoldsNoLibraryOnlyRareActionsNeed) {
  ASSERT_NE(start(), nullptr);
  ASSERT_TRUE(test::waitUntil(clockInTray, 3000));
  std::vector<std::wstring> loaded = loadedLibraries(clock.processId());
  ASSERT_FALSE(loaded.empty());
  for (const wchar_t* rare : {L"comctl32.dll", L"winmm.dll", L"ws2_32.dll", L"comdlg32.dll", L"msimg32.dll"}) {
    EXPECT_EQ(std::find(loaded.begin(), loaded.end(), rare), loaded.end()) << base::cp932(rare);
  }
}

TEST_F(ClockTray, DelayedIconComesAfterItsSeconds) {
  ASSERT_NE(start("/delayed-icon:2"), nullptr);
  EXPECT_FALSE(clockInTray());
  EXPECT_TRUE(test::waitUntil(clockInTray));
}

}  // namespace
