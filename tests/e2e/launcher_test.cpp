// The real clock's launcher menu: the left button (command 99 by default) pops it up and its access
// key starts the chosen item. Another process cannot read the menu under Wine; the started
// program's marker file proves the choice.
#include <gtest/gtest.h>

#include "base/files.h"
#include "base/text.h"
#include "shared/registry.h"
#include "support/e2e.h"
#include "support/keys.h"

namespace {

const std::string kTitle = "Tockle 3 for Windows 9x/NT by Ruxel";
const std::string kKey = "Software\\Quorvane\\Tockle3";

class Launcher : public testing::Test {
 protected:
  void SetUp() override { test::deleteUserKey(kKey); }
  void TearDown() override { test::deleteUserKey(kKey); }
  test::ProgramRun clock{"Tockle.exe"};
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
  ASSERT_TRUE(clock.start());
  HWND hwnd = clock.waitForWindow(kTitle);
  ASSERT_NE(hwnd, nullptr);
  ASSERT_TRUE(test::waitUntil([&] { return IsWindowVisible(hwnd) != 0; }));
  RECT r;
  GetWindowRect(hwnd, &r);
  test::leftClick(r.left + 10, r.top + 10);
  HWND menu = nullptr;
  ASSERT_TRUE(test::waitUntil([&] { return (menu = test::visibleMenuOf(clock.processId())) != nullptr; }, 5000));
  test::captureWindow(menu, "launcher_menu.png");
  // The item's automatic access key.
  test::pressKeys({'M'});
  EXPECT_TRUE(test::waitUntil([&] { return base::fileExists(marker); }, 10000));
  EXPECT_TRUE(base::fileExists(clock.path("_cache3")));
  PostMessageW(hwnd, WM_CLOSE, 0, 0);
  EXPECT_TRUE(clock.waitExit(10000));
}

}  // namespace
