// The end of the session, as a log-off sends it to every program of the desktop ("wineboot
// --end-session": WM_QUERYENDSESSION and WM_ENDSESSION to each top-level window, then the end of
// each process): what the real memo and clock write at close is on disk afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include "base/files.h"
#include "base/text.h"
#include "shared/registry.h"
#include "support/e2e.h"
#include "support/memo_e2e.h"

namespace {

using namespace memoe2e;

const std::string kClockKey = "Software\\Quorvane\\Tockle3";
const std::string kClockTitle = "Tockle 3 for Windows 9x/NT by Ruxel";

std::string setting(const std::string& key, const char* name) {
  shared::TRegistry r;
  return r.OpenKeyReadOnly(key) && r.ValueExists(name) ? r.ReadString(name) : "<missing>";
}

TEST(SessionEnd, TheTypedTextTheBackupAndBothProgramsSettingsAreWritten) {
  test::deleteUserKey(kKey);
  test::deleteUserKey(kClockKey);
  test::ProgramRun clock("Tockle.exe");
  ASSERT_TRUE(clock.start());
  HWND clockWindow = clock.waitForWindow(kClockTitle);
  ASSERT_NE(clockWindow, nullptr);
  ASSERT_TRUE(test::waitUntil([&] { return IsWindowVisible(clockWindow) != 0; }));
  test::ProgramRun memo("Memo.exe");
  HWND main = startOn(memo, "memo.ntd", typeIIDocument("A/*!/old\\CrLf%\r\n"));
  ASSERT_NE(main, nullptr);
  typeAtStart(editorOf(main), L"typed ");

  wchar_t system[MAX_PATH] = {};
  GetSystemDirectoryW(system, MAX_PATH);
  DWORD code = 1;
  ASSERT_TRUE(test::runAndWait(base::cp932(system) + "\\wineboot.exe", "--end-session", 60000, &code));
  EXPECT_EQ(code, 0u);
  EXPECT_TRUE(memo.waitExit(10000)) << memo.state(kTitle);
  EXPECT_TRUE(clock.waitExit(10000)) << clock.state(kClockTitle);

  EXPECT_NE(base::readFile(memo.path("memo.ntd")).value_or("").find("A/*!/typed old"), std::string::npos);
  EXPECT_NE(base::readFile(memo.path("memo.bak")).value_or("").find("A/*!/typed old"), std::string::npos);
  EXPECT_EQ(setting(kKey, "LastTab"), "A");
  EXPECT_EQ(setting(kClockKey, "DisplayType"), "yyyy/mm/dd hh:nn");
  test::deleteUserKey(kKey);
  test::deleteUserKey(kClockKey);
}

}  // namespace
