// The real clock's launcher menu: the left button (command 99 by default) pops it up and its access
// key starts the chosen item. Another process cannot read the menu under Wine; the started
// program's marker file proves the choice.
#include <gtest/gtest.h>

#include "base/files.h"
#include "base/text.h"
#include "clock/config/pages/launcher_page_ids.h"
#include "shared/registry.h"
#include "support/e2e.h"
#include "support/keys.h"

namespace {

const std::string kTitle = "Tockle 3 for Windows 9x/NT by Ruxel";
const std::string kKey = "Software\\Quorvane\\Tockle3";

class Launcher : public testing::Test {
 protected:
  void SetUp() override {
    test::deleteUserKey(kKey);
    test::keepClockClearOfTray();
  }
  void TearDown() override { test::deleteUserKey(kKey); }
  // Starts the clock and waits for its window to show.
  bool start() {
    if (!clock.start()) return false;
    hwnd = clock.waitForWindow(kTitle);
    return hwnd && test::waitUntil([&] { return IsWindowVisible(hwnd) != 0; });
  }
  // The left button on the clock; the menu window once it shows.
  HWND popUp() {
    RECT r;
    GetWindowRect(hwnd, &r);
    const POINT at{r.left + 10, r.top + 10};
    EXPECT_TRUE(test::waitUntil([&] { return WindowFromPoint(at) == hwnd; })) << test::inputState(hwnd);
    test::leftClick(at.x, at.y);
    HWND menu = nullptr;
    test::waitUntil([&] { return (menu = test::visibleMenuOf(clock.processId())) != nullptr; }, 5000);
    if (!menu) ADD_FAILURE() << "no menu: " << test::inputState(hwnd);
    return menu;
  }
  test::ProgramRun clock{"Tockle.exe"};
  HWND hwnd = nullptr;
};

TEST_F(Launcher, TheLeftButtonPopsUpTheMenuAndAnAccessKeyStartsTheItem) {
  const std::string marker = clock.path("marker.txt");
  shared::TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(kKey, true));
  for (auto [name, value] : {std::pair<const char*, std::string>{"App0", "-"},
                             {"AppPath0", "[区切り]"_sj},
                             {"App1", "Marker"},
                             {"AppPath1", base::programFolder() + "write_marker.exe"},
                             {"AppParam1", marker},
                             {"AppIconPath1", clock.path("Tockle.exe")}})
    reg.WriteString(name, value);
  reg.CloseKey();
  ASSERT_TRUE(start());
  HWND menu = popUp();
  ASSERT_NE(menu, nullptr);
  test::captureWindow(menu, "launcher_menu.png");
  // The item's automatic access key.
  test::pressKeys({'M'});
  EXPECT_TRUE(test::waitUntil([&] { return base::fileExists(marker); }, 10000));
  EXPECT_TRUE(base::fileExists(clock.path("_cache3")));
  PostMessageW(hwnd, WM_CLOSE, 0, 0);
  EXPECT_TRUE(clock.waitExit(10000));
}

TEST_F(Launcher, AnItemRegisteredOnTheLauncherPageRebuildsTheMenuAndStartsFromIt) {
  const std::string marker = clock.path("marker.txt");
  ASSERT_TRUE(start());
  // The empty menu's settings entry opens the dialog on the launcher page.
  ASSERT_NE(popUp(), nullptr);
  test::pressKeys({'S'});
  HWND dialog = clock.waitForDialog("環境設定 - Tockle 3"_sj);
  ASSERT_NE(dialog, nullptr);
  SendMessageW(test::descendantById(dialog, IDC_LAUNCH_NEW), BM_CLICK, 0, 0);
  for (auto [id, text] : {std::pair<int, std::string>{IDC_LAUNCH_NAME, "Marker"},
                          {IDC_LAUNCH_PATH, base::programFolder() + "write_marker.exe"},
                          {IDC_LAUNCH_PARAM, marker}})
    SendMessageW(test::descendantById(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(base::wide(text).c_str()));
  SendMessageW(test::descendantById(dialog, IDC_LAUNCH_REGISTER), BM_CLICK, 0, 0);
  PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  ASSERT_TRUE(test::waitUntil([&] { return !IsWindow(dialog); }));
  // OK rebuilt the menu before the dialog went: a fresh cache and the item's image number.
  EXPECT_TRUE(base::fileExists(clock.path("_cache3")));
  shared::TRegistry reg;
  ASSERT_TRUE(reg.OpenKeyReadOnly(kKey));
  EXPECT_EQ(reg.ReadString("App0"), "Marker");
  EXPECT_TRUE(reg.ValueExists("AppCache0"));
  reg.CloseKey();
  // The item is chosen after a restart: under Wine without a window manager, a menu opened just
  // after a dialog has closed is now and then cancelled at once (a late focus change between the
  // X windows sends the clock WM_CANCELMODE).
  PostMessageW(hwnd, WM_CLOSE, 0, 0);
  ASSERT_TRUE(clock.waitExit(10000));
  ASSERT_TRUE(start());
  ASSERT_NE(popUp(), nullptr);
  test::pressKeys({'M'});
  EXPECT_TRUE(test::waitUntil([&] { return base::fileExists(marker); }, 10000));
  PostMessageW(hwnd, WM_CLOSE, 0, 0);
  EXPECT_TRUE(clock.waitExit(10000));
}

}  // namespace
