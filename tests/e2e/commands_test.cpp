// The real clock's commands from outside: a hot key listed in "_hot3", the alarm request by
// WM_COPYDATA, the system menu on the right button, and the missing system menu file.
#include <gtest/gtest.h>

#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "support/e2e.h"
#include "support/keys.h"

namespace {

const std::string kTitle = "Tockle 3 for Windows 9x/NT by Ruxel";
const std::string kKey = "Software\\Quorvane\\Tockle3";
constexpr int kCtrlShiftF11 = 0x4000 | 0x2000 | VK_F11;

using test::visibleMenuOf;

void setDword(const std::string& key, const wchar_t* name, DWORD value) {
  HKEY k = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, base::wide(key).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &k, nullptr))
    return;
  RegSetValueExW(k, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  RegCloseKey(k);
}

// Left button down at (x, y) on the screen, moved by (dx, dy), released.
void leftDrag(int x, int y, int dx, int dy) {
  SetCursorPos(x, y);
  test::waitUntil([] { return false; }, 100);
  INPUT down{}, move{}, up{};
  down.type = move.type = up.type = INPUT_MOUSE;
  down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(1, &down, sizeof down);
  test::waitUntil([] { return false; }, 200);
  if (dx || dy) {
    for (int i = 1; i <= 5; ++i) {
      SetCursorPos(x + dx * i / 5, y + dy * i / 5);
      move.mi.dwFlags = MOUSEEVENTF_MOVE;
      SendInput(1, &move, sizeof move);
      test::waitUntil([] { return false; }, 50);
    }
  }
  SendInput(1, &up, sizeof up);
}

class Commands : public testing::Test {
 protected:
  void SetUp() override { test::deleteUserKey(kKey); }
  void TearDown() override {
    SetEnvironmentVariableW(L"TOCKLE_TEST_ALARM_REQUEST_FILE", nullptr);
    test::deleteUserKey(kKey);
  }
  HWND startClock() {
    if (!clock.start()) return nullptr;
    HWND hwnd = clock.waitForWindow(kTitle);
    if (hwnd) test::waitUntil([&] { return IsWindowVisible(hwnd) != 0; });
    return hwnd;
  }
  void stopClock(HWND hwnd) {
    PostMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(clock.waitExit(10000));
  }
  test::ProgramRun clock{"Tockle.exe"};
};

TEST_F(Commands, AHotKeyFromTheFileTogglesTheClockWindow) {
  clock.writeFile("_hot3", "-1=0\r\n7=" + std::to_string(kCtrlShiftF11) + "\r\n");
  HWND hwnd = startClock();
  ASSERT_NE(hwnd, nullptr);
  // The hot keys are registered by the first apply of the settings, before the window shows.
  test::pressKeys({VK_CONTROL, VK_SHIFT, VK_F11});
  EXPECT_TRUE(test::waitUntil([&] { return !IsWindowVisible(hwnd); }, 3000));
  test::pressKeys({VK_CONTROL, VK_SHIFT, VK_F11});
  EXPECT_TRUE(test::waitUntil([&] { return IsWindowVisible(hwnd) != 0; }, 3000));
  stopClock(hwnd);
}

TEST_F(Commands, ShowHideDoesNothingWithoutTheTrayIcon) {
  HKEY key = nullptr;
  ASSERT_EQ(
      RegCreateKeyExW(HKEY_CURRENT_USER, base::wide(kKey).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
      0);
  DWORD off = 0;
  RegSetValueExW(key, L"InTray", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&off), sizeof off);
  RegCloseKey(key);
  clock.writeFile("_hot3", "7=" + std::to_string(kCtrlShiftF11) + "\r\n");
  HWND hwnd = startClock();
  ASSERT_NE(hwnd, nullptr);
  test::pressKeys({VK_CONTROL, VK_SHIFT, VK_F11});
  test::waitUntil([] { return false; }, 1000);
  EXPECT_TRUE(IsWindowVisible(hwnd));
  stopClock(hwnd);
}

TEST_F(Commands, TheTrayIconsRightButtonOpensTheSystemMenu) {
  HWND hwnd = startClock();
  ASSERT_NE(hwnd, nullptr);
  HWND tray = nullptr;
  ASSERT_TRUE(test::waitUntil([&] { return (tray = test::findWindow("Wine System Tray")) != nullptr; }, 5000));
  HWND icon = GetWindow(tray, GW_CHILD);
  ASSERT_NE(icon, nullptr);
  PostMessageW(icon, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(4, 4));
  PostMessageW(icon, WM_RBUTTONUP, 0, MAKELPARAM(4, 4));
  HWND menu = nullptr;
  EXPECT_TRUE(test::waitUntil([&] { return (menu = visibleMenuOf(clock.processId())) != nullptr; }, 5000));
  test::pressKeys({VK_ESCAPE});
  EXPECT_TRUE(test::waitUntil([&] { return visibleMenuOf(clock.processId()) == nullptr; }, 3000));
  stopClock(hwnd);
}

TEST_F(Commands, ALeftClickRunsTheLeftButtonsCommandALeftDragOnlyMovesTheClock) {
  setDword(kKey, L"MouseOperation0", 100);
  setDword(kKey, L"ClockLeft", 100);
  setDword(kKey, L"ClockTop", 100);
  HWND hwnd = startClock();
  ASSERT_NE(hwnd, nullptr);
  RECT r0;
  GetWindowRect(hwnd, &r0);
  leftDrag(r0.left + 10, r0.top + 10, 60, 40);
  RECT r1{};
  EXPECT_TRUE(test::waitUntil(
      [&] {
        GetWindowRect(hwnd, &r1);
        return r1.left != r0.left;
      },
      3000));
  EXPECT_EQ(r1.left - r0.left, 60);
  EXPECT_EQ(r1.top - r0.top, 40);
  test::waitUntil([] { return false; }, 300);
  EXPECT_EQ(visibleMenuOf(clock.processId()), nullptr);
  leftDrag(r1.left + 10, r1.top + 10, 0, 0);
  EXPECT_TRUE(test::waitUntil([&] { return visibleMenuOf(clock.processId()) != nullptr; }, 3000));
  test::pressKeys({VK_ESCAPE});
  stopClock(hwnd);
}

TEST_F(Commands, AnAlarmRequestKeepsTheFirst256BytesOnACharacterBoundary) {
  std::string echo = clock.path("request.txt");
  SetEnvironmentVariableW(L"TOCKLE_TEST_ALARM_REQUEST_FILE", base::wide(echo).c_str());
  HWND hwnd = startClock();
  ASSERT_NE(hwnd, nullptr);
  // 255 single bytes, then double-byte characters: the one on bytes 256 and 257 is left out.
  std::string text(255, 'm');
  while (text.size() < 300) text += "予"_sj;
  COPYDATASTRUCT cds{1, static_cast<DWORD>(text.size()), text.data()};
  DWORD_PTR result = 99;
  ASSERT_TRUE(SendMessageTimeoutW(hwnd, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds), SMTO_NORMAL, 5000, &result));
  EXPECT_EQ(result, 0u);
  EXPECT_EQ(base::readFile(echo).value_or("?"), std::string(255, 'm'));
  // A request without data is ignored.
  COPYDATASTRUCT empty{1, 0, nullptr};
  SendMessageTimeoutW(hwnd, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&empty), SMTO_NORMAL, 5000, &result);
  EXPECT_EQ(base::readFile(echo).value_or("?"), std::string(255, 'm'));
  stopClock(hwnd);
}

TEST_F(Commands, TheRightButtonOpensTheSystemMenuWhoseLastItemEndsTheClock) {
  HWND hwnd = startClock();
  ASSERT_NE(hwnd, nullptr);
  RECT r;
  GetWindowRect(hwnd, &r);
  SetCursorPos(r.left + 10, r.top + 10);
  PostMessageW(hwnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
  HWND menu = nullptr;
  ASSERT_TRUE(test::waitUntil([&] { return (menu = visibleMenuOf(clock.processId())) != nullptr; }, 5000));
  test::waitUntil([] { return false; }, 300);
  test::captureWindow(menu, "system_menu.png");
  // The default test menu ends with the exit command.
  test::pressKeys({VK_UP});
  test::pressKeys({VK_RETURN});
  EXPECT_TRUE(clock.waitExit(10000));
}

TEST_F(Commands, AMissingSystemMenuFileIsReportedBeforeTheClockShows) {
  base::deleteFile(clock.path("_system3"));
  ASSERT_TRUE(clock.start());
  HWND box = clock.waitForWindow("システムメニュー設定エラー"_sj);
  ASSERT_NE(box, nullptr);
  HWND hwnd = test::findWindow(kTitle);
  EXPECT_TRUE(hwnd == nullptr || !IsWindowVisible(hwnd));
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  hwnd = clock.waitForWindow(kTitle);
  ASSERT_NE(hwnd, nullptr);
  EXPECT_TRUE(test::waitUntil([&] { return IsWindowVisible(hwnd) != 0; }));
  stopClock(hwnd);
}

}  // namespace
