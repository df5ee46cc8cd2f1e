// The real clock's commands from outside: a hot key listed in "_hot3", the alarm request by
// WM_COPYDATA and the settings dialog it opens, the system menu on the right button and its
// settings entry, the missing system menu file, and what reaches the clock under its modal windows.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "base/handles.h"
#include "base/text.h"
#include "clock/config/pages/alarm_page_ids.h"
#include "clock/config/pages/general1_page_ids.h"
#include "shared/reg_ex.h"
#include "support/caption_fit.h"
#include "support/e2e.h"
#include "support/keys.h"

namespace {

const std::string kTitle = "Tockle 3 for Windows 9x/NT by Ruxel";
const std::string kKey = "Software\\Quorvane\\Tockle3";
const std::string kSettingsTitle = "環境設定 - Tockle 3"_sj;
constexpr int kTabsId = 4001;  // the settings dialog's page control
constexpr int kCtrlShiftF11 = 0x4000 | 0x2000 | VK_F11;
constexpr int kCtrlShiftF12 = 0x4000 | 0x2000 | VK_F12;
constexpr int kCtrlShiftF10 = 0x4000 | 0x2000 | VK_F10;

using test::visibleMenuOf;

void setDword(const std::string& key, const wchar_t* name, DWORD value) {
  HKEY k = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, base::wide(key).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &k, nullptr))
    return;
  RegSetValueExW(k, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  RegCloseKey(k);
}

// Whether the window's thread runs a move of a window (the system's move loop).
bool moving(HWND hwnd) {
  GUITHREADINFO info{sizeof info};
  return GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info) && (info.flags & GUI_INMOVESIZE);
}

// Left button down at (x, y) on the clock window, moved by (dx, dy), released; returns once the
// clock has handled the release.
void leftDrag(HWND hwnd, int x, int y, int dx, int dy) {
  RECT start{};
  GetWindowRect(hwnd, &start);
  SetCursorPos(x, y);
  INPUT down{}, move{}, up{};
  down.type = move.type = up.type = INPUT_MOUSE;
  down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  move.mi.dwFlags = MOUSEEVENTF_MOVE;
  up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(1, &down, sizeof down);
  // The clock takes the cursor's place when the button goes down: move only once it has.
  EXPECT_TRUE(test::waitUntil([&] { return moving(hwnd); }, 5000));
  for (int i = 1; i <= 5 && (dx || dy); ++i) {
    SetCursorPos(x + dx * i / 5, y + dy * i / 5);
    SendInput(1, &move, sizeof move);
  }
  // The move loop follows the cursor on its own time: release only once it has caught up. Under load
  // Wine's loop can miss the last motion; a user's hand would jiggle the mouse, and so does the wait.
  EXPECT_TRUE(test::waitUntil(
      [&] {
        RECT now{};
        GetWindowRect(hwnd, &now);
        if (now.left - start.left == dx && now.top - start.top == dy) return true;
        if (dx || dy) {
          SetCursorPos(x + dx + 1, y + dy);
          SetCursorPos(x + dx, y + dy);
        }
        return false;
      },
      5000));
  SendInput(1, &up, sizeof up);
  EXPECT_TRUE(test::waitUntil([&] { return !moving(hwnd); }, 5000));
  // Answered once the button's handler has run to its end (or opened a menu).
  DWORD_PTR ignored;
  SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
}

class Commands : public testing::Test {
 protected:
  void SetUp() override { test::deleteUserKey(kKey); }
  void TearDown() override { test::deleteUserKey(kKey); }
  HWND startClock() {
    HWND hwnd = clock.start() ? clock.waitForWindow(kTitle) : nullptr;
    if (hwnd) test::waitUntil([&] { return IsWindowVisible(hwnd) != 0; });
    if (!hwnd) ADD_FAILURE() << "no clock window: " << clock.state(kTitle);
    return hwnd;
  }
  // A right click on the clock: the system menu opens.
  static void rightClick(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    SetCursorPos(r.left + 10, r.top + 10);
    PostMessageW(hwnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
  }
  // The settings dialog opened with the alarm page alone, and its new alarm's message box.
  void waitForNewAlarm(HWND& dialog, HWND& message) {
    dialog = clock.waitForDialog(kSettingsTitle);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendMessageW(GetDlgItem(dialog, kTabsId), TCM_GETITEMCOUNT, 0, 0), 1);
    ASSERT_TRUE(
        test::waitUntil([&] { return (message = test::descendantById(dialog, IDC_ALARM_MESSAGE_TEXT)) != nullptr; }));
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
  ASSERT_TRUE(test::waitUntil([&] { return !IsWindowVisible(hwnd); }));
  test::pressKeys({VK_CONTROL, VK_SHIFT, VK_F11});
  EXPECT_TRUE(test::waitUntil([&] { return IsWindowVisible(hwnd) != 0; }));
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
  // The hot key waits in the clock's queue before a right button posted now: once the button's
  // menu shows, the hot key has been handled.
  PostMessageW(hwnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
  ASSERT_TRUE(test::waitUntil([&] { return visibleMenuOf(clock.processId()) != nullptr; }, 5000));
  EXPECT_TRUE(IsWindowVisible(hwnd));
  test::pressKeys({VK_ESCAPE});
  EXPECT_TRUE(test::waitUntil([&] { return visibleMenuOf(clock.processId()) == nullptr; }, 3000));
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
  leftDrag(hwnd, r0.left + 10, r0.top + 10, 60, 40);
  RECT r1{};
  GetWindowRect(hwnd, &r1);
  EXPECT_EQ(r1.left - r0.left, 60);
  EXPECT_EQ(r1.top - r0.top, 40);
  EXPECT_EQ(visibleMenuOf(clock.processId()), nullptr);
  leftDrag(hwnd, r1.left + 10, r1.top + 10, 0, 0);
  EXPECT_TRUE(test::waitUntil([&] { return visibleMenuOf(clock.processId()) != nullptr; }, 3000));
  test::pressKeys({VK_ESCAPE});
  stopClock(hwnd);
}

TEST_F(Commands, AnAlarmRequestReturnsAtOnceAndOpensTheNewAlarmPageWithTheFirst256Bytes) {
  HWND hwnd = startClock();
  ASSERT_NE(hwnd, nullptr);
  // 255 single bytes, then double-byte characters: the one on bytes 256 and 257 is left out.
  std::string text(255, 'm');
  while (text.size() < 300) text += "予"_sj;
  COPYDATASTRUCT cds{1, static_cast<DWORD>(text.size()), text.data()};
  DWORD_PTR result = 99;
  // The send returns while the dialog it opens is still to come or open.
  ASSERT_TRUE(SendMessageTimeoutW(hwnd, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds), SMTO_NORMAL, 5000, &result));
  EXPECT_EQ(result, 0u);
  HWND dialog = nullptr, message = nullptr;
  ASSERT_NO_FATAL_FAILURE(waitForNewAlarm(dialog, message));
  EXPECT_EQ(test::controlText(message), std::string(255, 'm'));
  // A second request while the dialog is open returns at once and is dropped.
  std::string second = "second";
  COPYDATASTRUCT cds2{1, static_cast<DWORD>(second.size()), second.data()};
  ASSERT_TRUE(SendMessageTimeoutW(hwnd, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds2), SMTO_NORMAL, 5000, &result));
  EXPECT_EQ(test::windowsTitled(kSettingsTitle).size(), 1u);
  EXPECT_EQ(test::controlText(message), std::string(255, 'm'));
  PostMessageW(dialog, WM_CLOSE, 0, 0);
  ASSERT_TRUE(test::waitUntil([&] { return !IsWindow(dialog); }));
  // A request without data is ignored.
  COPYDATASTRUCT empty{1, 0, nullptr};
  SendMessageTimeoutW(hwnd, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&empty), SMTO_NORMAL, 5000, &result);
  EXPECT_EQ(test::findWindow(kSettingsTitle), nullptr);
  stopClock(hwnd);
}

TEST_F(Commands, NewAlarmOpensWithTheDefaultMessageAndTheClockTakesNoClickUnderIt) {
  clock.writeFile("_hot3", "2=" + std::to_string(kCtrlShiftF11) + "\r\n");
  HWND hwnd = startClock();
  ASSERT_NE(hwnd, nullptr);
  test::pressKeys({VK_CONTROL, VK_SHIFT, VK_F11});
  HWND dialog = nullptr, message = nullptr;
  ASSERT_NO_FATAL_FAILURE(waitForNewAlarm(dialog, message));
  EXPECT_EQ(test::controlText(message), "設定時刻になりました"_sj);
  // The clock lies under the modal dialog: a click on it opens nothing.
  EXPECT_FALSE(IsWindowEnabled(hwnd));
  rightClick(hwnd);
  // Cancel, posted after the click: once the dialog is gone the click has been handled.
  PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
  ASSERT_TRUE(test::waitUntil([&] { return !IsWindow(dialog); }));
  DWORD_PTR ignored;
  SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
  EXPECT_EQ(visibleMenuOf(clock.processId()), nullptr);
  EXPECT_TRUE(IsWindowEnabled(hwnd));
  stopClock(hwnd);
}

TEST_F(Commands, ABadHotKeyLineIsShownInTheErrorBoxAndTheClockGoesOn) {
  clock.writeFile("_hot3", "abc=5\r\n");
  ASSERT_TRUE(clock.start());
  // The box carries the application's title, as the hidden application window does.
  HWND box = nullptr;
  ASSERT_TRUE(test::waitUntil([&] {
    for (HWND h : test::windowsTitled("Tockle 3 for Windows 9x/NT")) {
      wchar_t cls[16] = {};
      GetClassNameW(h, cls, 16);
      if (IsWindowVisible(h) && std::wstring(cls) == L"#32770") box = h;
    }
    return box != nullptr;
  }));
  EXPECT_TRUE(test::dialogShows(box, "abc=5"));
  PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  HWND hwnd = clock.waitForWindow(kTitle);
  ASSERT_NE(hwnd, nullptr);
  EXPECT_TRUE(test::waitUntil([&] { return IsWindowVisible(hwnd) != 0; }));
  stopClock(hwnd);
}

TEST_F(Commands, TheSystemMenusSettingsEntryOpensAllPagesAndOkKeepsTheClock) {
  HWND hwnd = startClock();
  ASSERT_NE(hwnd, nullptr);
  rightClick(hwnd);
  ASSERT_TRUE(test::waitUntil([&] { return visibleMenuOf(clock.processId()) != nullptr; }, 5000));
  // The test menu's first entry is the settings command.
  test::pressKeys({VK_DOWN});
  test::pressKeys({VK_RETURN});
  HWND dialog = clock.waitForDialog(kSettingsTitle);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(SendMessageW(GetDlgItem(dialog, kTabsId), TCM_GETITEMCOUNT, 0, 0), 9);
  test::captureWindow(dialog, "settings_dialog.png");
  PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  ASSERT_TRUE(test::waitUntil([&] { return !IsWindow(dialog); }));
  EXPECT_TRUE(IsWindowVisible(hwnd));
  EXPECT_TRUE(clock.running());
  stopClock(hwnd);
}

TEST_F(Commands, TheRightButtonOpensTheSystemMenuWhoseLastItemEndsTheClock) {
  HWND hwnd = startClock();
  ASSERT_NE(hwnd, nullptr);
  rightClick(hwnd);
  HWND menu = nullptr;
  ASSERT_TRUE(test::waitUntil([&] { return (menu = visibleMenuOf(clock.processId())) != nullptr; }, 5000));
  test::captureWindow(menu, "system_menu.png");
  // The default test menu ends with the exit command.
  test::pressKeys({VK_UP});
  test::pressKeys({VK_RETURN});
  EXPECT_TRUE(clock.waitExit(10000));
}

TEST_F(Commands, AMissingSystemMenuFileIsReportedAndTheSettingsDialogMakesTheDefaultMenuBeforeTheClockShows) {
  base::deleteFile(clock.path("_system3"));
  ASSERT_TRUE(clock.start());
  HWND box = clock.waitForWindow("システムメニュー設定エラー"_sj);
  ASSERT_NE(box, nullptr);
  HWND hwnd = test::findWindow(kTitle);
  EXPECT_TRUE(hwnd == nullptr || !IsWindowVisible(hwnd));
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  HWND dialog = clock.waitForDialog(kSettingsTitle);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(SendMessageW(GetDlgItem(dialog, kTabsId), TCM_GETITEMCOUNT, 0, 0), 9);
  // The default menu of the shipped command list, written as the dialog opened.
  const std::string power = "電源(&P)"_sj;
  const std::string defaults = test::systemMenuFile({{"nil", "メモ帳(&M)"_sj, 1},
                                                     {"nil", "クリップボード履歴(&H)"_sj, 4},
                                                     {"nil", "-", -1},
                                                     {"nil", power, 0},
                                                     {power, "Windows を終了(&U)"_sj, 10},
                                                     {power, "Windows を再起動(&R)"_sj, 11},
                                                     {power, "サスペンド(&S)"_sj, 12},
                                                     {power, "休止状態(&I)"_sj, 17},
                                                     {"nil", "-", -1},
                                                     {"nil", "常に手前(&T)"_sj, 5},
                                                     {"nil", "時刻合わせ(&N)"_sj, 6},
                                                     {"nil", "-", -1},
                                                     {"nil", "環境設定(&O)..."_sj, 8},
                                                     {"nil", "バージョン情報(&A)"_sj, 21},
                                                     {"nil", "終了(&X)"_sj, 22}});
  EXPECT_EQ(base::readFile(clock.path("_system3")), defaults);
  PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  ASSERT_TRUE(test::waitUntil([&] { return !IsWindow(dialog); }));
  EXPECT_EQ(base::readFile(clock.path("_system3")), defaults);
  hwnd = clock.waitForWindow(kTitle);
  ASSERT_NE(hwnd, nullptr);
  EXPECT_TRUE(test::waitUntil([&] { return IsWindowVisible(hwnd) != 0; }));
  stopClock(hwnd);
}

// Hot keys for the settings dialog (F11), the about box (F12) and always-on-top (F10).
class UnderModal : public Commands {
 protected:
  HWND startWithHotKeys() {
    clock.writeFile("_hot3", "8=" + std::to_string(kCtrlShiftF11) + "\r\n21=" + std::to_string(kCtrlShiftF12) +
                                 "\r\n5=" + std::to_string(kCtrlShiftF10) + "\r\n");
    return startClock();
  }
  HWND openSettings() {
    test::pressKeys({VK_CONTROL, VK_SHIFT, VK_F11});
    HWND dialog = clock.waitForDialog(kSettingsTitle);
    if (dialog) test::waitUntil([&] { return GetForegroundWindow() == dialog; });
    if (!dialog) ADD_FAILURE() << "no settings dialog: " << clock.state(kTitle) << test::inputState(nullptr);
    return dialog;
  }
};

TEST_F(UnderModal, ACloseFromOutsideBringsTheSettingsDialogForwardAndTheClockStays) {
  HWND hwnd = startWithHotKeys();
  ASSERT_NE(hwnd, nullptr);
  HWND dialog = openSettings();
  ASSERT_NE(dialog, nullptr);
  // Another program's window takes the foreground, then asks the clock to close.
  HWND other = test::findWindow("Wine System Tray");
  if (other) SetForegroundWindow(other);
  DWORD_PTR result = 0;
  ASSERT_TRUE(SendMessageTimeoutW(hwnd, WM_CLOSE, 0, 0, SMTO_NORMAL, 5000, &result));
  EXPECT_TRUE(test::waitUntil([&] { return GetForegroundWindow() == dialog; })) << test::inputState(dialog);
  EXPECT_TRUE(clock.running());
  EXPECT_TRUE(IsWindow(dialog));
  EXPECT_TRUE(IsWindow(hwnd));
  PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
  ASSERT_TRUE(test::waitUntil([&] { return !IsWindow(dialog); }));
  stopClock(hwnd);
}

TEST_F(UnderModal, AnAlarmRequestUnderTheAboutBoxOpensTheNewAlarmOnceItCloses) {
  HWND hwnd = startWithHotKeys();
  ASSERT_NE(hwnd, nullptr);
  test::pressKeys({VK_CONTROL, VK_SHIFT, VK_F12});
  HWND about = clock.waitForDialog("バージョン情報"_sj);
  ASSERT_NE(about, nullptr);
  test::captureDialog(about, "Tockle-about-box");
  std::string text = "メモからのアラーム"_sj;
  COPYDATASTRUCT cds{1, static_cast<DWORD>(text.size()), text.data()};
  DWORD_PTR result = 99;
  ASSERT_TRUE(SendMessageTimeoutW(hwnd, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds), SMTO_NORMAL, 5000, &result));
  EXPECT_EQ(result, 0u);
  EXPECT_EQ(test::findWindow(kSettingsTitle), nullptr);
  PostMessageW(GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
  HWND dialog = nullptr, message = nullptr;
  ASSERT_NO_FATAL_FAILURE(waitForNewAlarm(dialog, message));
  EXPECT_EQ(test::controlText(message), text);
  EXPECT_FALSE(IsWindow(about));
  PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
  ASSERT_TRUE(test::waitUntil([&] { return !IsWindow(dialog); }));
  stopClock(hwnd);
}

TEST_F(UnderModal, AHeldBackHotKeyLeavesTheSettingsDialogActive) {
  HWND hwnd = startWithHotKeys();
  ASSERT_NE(hwnd, nullptr);
  HWND dialog = openSettings();
  ASSERT_NE(dialog, nullptr);
  ASSERT_EQ(GetForegroundWindow(), dialog) << test::inputState(dialog);
  const bool topMost = (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  // The about box is held back; always-on-top, pressed after it, runs: once it has, both were handled.
  test::pressKeys({VK_CONTROL, VK_SHIFT, VK_F12});
  test::pressKeys({VK_CONTROL, VK_SHIFT, VK_F10});
  ASSERT_TRUE(test::waitUntil([&] { return ((GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) != topMost; }));
  EXPECT_EQ(GetForegroundWindow(), dialog) << test::inputState(dialog);
  EXPECT_EQ(test::findWindow("バージョン情報"_sj), nullptr);
  PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
  ASSERT_TRUE(test::waitUntil([&] { return !IsWindow(dialog); }));
  stopClock(hwnd);
}

// The dialog edits a copy: an OK whose alarm step fails, then Cancel, leaves the clock on top and
// stores it so at exit.
TEST_F(UnderModal, CancelAfterAFailedOkKeepsTheClockOnTop) {
  clock.writeFile("_alarm3", "[Initial]\r\nCount=0\r\n");
  HWND hwnd = startWithHotKeys();
  ASSERT_NE(hwnd, nullptr);
  HWND dialog = openSettings();
  ASSERT_NE(dialog, nullptr);
  HWND onTop = test::descendantById(dialog, IDC_STAY_ON_TOP);
  ASSERT_NE(onTop, nullptr);
  ASSERT_EQ(SendMessageW(onTop, BM_GETCHECK, 0, 0), BST_CHECKED);
  DWORD_PTR ignored;
  SendMessageTimeoutW(onTop, BM_CLICK, 0, 0, SMTO_NORMAL, 5000, &ignored);
  ASSERT_EQ(SendMessageW(onTop, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  SendMessageTimeoutW(test::descendantById(dialog, IDC_ALARM_CLEAR_RECALL), BM_CLICK, 0, 0, SMTO_NORMAL, 5000,
                      &ignored);
  {
    // Another program holds the alarm file: the alarm step of the OK fails.
    base::FileHandle hold(
        CreateFileW(base::wide(clock.path("_alarm3")).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(hold);
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    HWND box = nullptr;
    ASSERT_TRUE(test::waitUntil([&] {
      for (HWND h : test::windowsTitled("Tockle 3 for Windows 9x/NT"))
        if (IsWindowVisible(h) && h != hwnd) box = h;
      return box != nullptr;
    })) << clock.state(kTitle);
    test::waitUntil([&] { return GetDlgItem(box, IDOK) != nullptr; });
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(test::waitUntil([&] { return !IsWindow(box); }));
  }
  ASSERT_TRUE(IsWindow(dialog));
  EXPECT_EQ(SendMessageW(onTop, BM_GETCHECK, 0, 0), BST_UNCHECKED);  // the edit is still there
  PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
  ASSERT_TRUE(test::waitUntil([&] { return !IsWindow(dialog); }));
  EXPECT_TRUE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
  stopClock(hwnd);
  shared::TKzRegEx reg;
  ASSERT_TRUE(reg.OpenKeyReadOnly(kKey));
  EXPECT_EQ(reg.SafeReadInteger("AlwaysOnTop"), 1);
}

}  // namespace
