// The clock's settings end to end: the real Tockle.exe on the real settings key, with the
// takeover question of the previous version's key answered on the real message box.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/handles.h"
#include "base/text.h"
#include "shared/reg_ex.h"
#include "support/e2e.h"
#include "support/test_key.h"

namespace {

const char kKey[] = "Software\\Quorvane\\Tockle3";
const char kOldKey[] = "Software\\Quorvane\\Tockle2";
const char kMainTitle[] = "Tockle 3 for Windows 9x/NT by Ruxel";

// Tockle.exe copied into a folder of its own and run from there.
class Clock {
 public:
  Clock() { EXPECT_TRUE(run_.start()); }
  HWND waitForWindow(const std::string& title) const { return run_.waitForWindow(title); }
  HWND find(const std::string& title) const { return run_.waitForWindow(title, 0); }
  // The main window once start-up has ended (it shows itself last).
  HWND waitUntilShown() const {
    HWND h = waitForWindow(kMainTitle);
    if (!h || !test::waitUntil([&] { return IsWindowVisible(h) != FALSE; })) return nullptr;
    return h;
  }
  bool close() {
    run_.close(kMainTitle);
    return !run_.running();
  }

 private:
  test::ProgramRun run_{"Tockle.exe"};
};

using Dump = test::KeyDump;
Dump dump(const char* path) {
  shared::TRegistry r;
  return r.OpenKeyReadOnly(path) ? test::dumpKey(r.CurrentKey()) : Dump{};
}

class ClockSettingsE2E : public testing::Test {
 protected:
  void SetUp() override { clean(); }
  void TearDown() override { clean(); }
  static void clean() {
    shared::TRegistry r;
    r.DeleteKey(kKey);
    r.DeleteKey(kOldKey);
  }
  static void writeOldKey() {
    shared::TRegistry r;
    ASSERT_TRUE(r.OpenKey(kOldKey, true));
    r.WriteString("App0", "メモ帳"_sj);
    r.WriteString("AppPath0", "C:\\windows\\notepad.exe");
    r.WriteString("AppFolder0", "C:\\windows");
    r.WriteString("AppParam0", "/a");
    r.WriteString("AppIcon0", "C:\\x.ico");
    r.WriteString("App1", "電卓"_sj);
    r.WriteString("App3", "after a gap");
    r.WriteString("DisplayType", "hh:nn:ss");
    r.WriteInteger("TimeOut", 1500);
    r.WriteBool("AlwaysOnTop", false);
  }
  // Answers the takeover question on the real box.
  static void answer(const Clock& clock, int button) {
    HWND box = clock.waitForWindow("設定の継承"_sj);
    ASSERT_NE(box, nullptr);
    // The box has its title before its text and buttons.
    EXPECT_TRUE(test::waitUntil([&] {
      return test::dialogText(box).find("旧バージョンのレジストリ設定が見つかりました"_sj) != std::string::npos &&
             GetDlgItem(box, button) != nullptr;
    }));
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
  }
};

TEST_F(ClockSettingsE2E, FirstStartAsksNothingAndStoresEveryValueAtExit) {
  {
    Clock clock;
    HWND main = clock.waitUntilShown();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(clock.find("設定の継承"_sj), nullptr);
    EXPECT_TRUE(GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
    ASSERT_TRUE(clock.close());
  }
  Dump d = dump(kKey);
  EXPECT_EQ(d.size(), 44u);
  EXPECT_EQ(d.count("NoPoweroff"), 0u);
  for (const char* name : {"DrawIcon", "AlwaysOnTop", "InTray", "HistoryHint", "HotKey", "SystemIcon", "AutoResize"}) {
    EXPECT_EQ(d[name], (std::pair<DWORD, std::vector<BYTE>>{REG_DWORD, {1, 0, 0, 0}})) << name;
  }
  for (const char* name : {"DiableAccessKey", "FixClock", "DialUp", "ShowLikeFrame", "ForceIfHung", "TimeRemain"}) {
    EXPECT_EQ(d[name], (std::pair<DWORD, std::vector<BYTE>>{REG_DWORD, {0, 0, 0, 0}})) << name;
  }
  EXPECT_EQ(d["ClockType"], (std::pair<DWORD, std::vector<BYTE>>{REG_BINARY, {1}}));
  EXPECT_EQ(d["ClockFontStyle"], (std::pair<DWORD, std::vector<BYTE>>{REG_BINARY, {0}}));
  EXPECT_EQ(d["ClipHistory"].first, DWORD{REG_BINARY});
  EXPECT_EQ(d["ClipHistory"].second,
            (std::vector<BYTE>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 0, 0, 0, 15, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(d["TimeOut"].second, (std::vector<BYTE>{0xEE, 0x02, 0, 0}));
  EXPECT_EQ(d["MouseOperation0"].second, (std::vector<BYTE>{99, 0, 0, 0}));
  EXPECT_EQ(d["MouseOperation2"].second, (std::vector<BYTE>{100, 0, 0, 0}));
  EXPECT_EQ(d["BackColor"].second, (std::vector<BYTE>{0x0F, 0, 0, 0xFF}));
  EXPECT_EQ(d["DisplayType"].first, DWORD{REG_SZ});
  shared::TKzRegEx r;
  ASSERT_TRUE(r.OpenKeyReadOnly(kKey));
  EXPECT_EQ(r.SafeReadString("DisplayType"), "yyyy/mm/dd hh:nn");
  EXPECT_EQ(r.SafeReadString("ClockFontName"), "MS UI Gothic");
  EXPECT_EQ(r.SafeReadInteger("ClockFontSize"), 9);
}

TEST_F(ClockSettingsE2E, TakingOverThePreviousVersionsKey) {
  writeOldKey();
  const Dump before = dump(kOldKey);
  {
    Clock clock;
    answer(clock, IDYES);
    HWND main = clock.waitUntilShown();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
    // Stored under the new key at once.
    shared::TKzRegEx r;
    ASSERT_TRUE(r.OpenKeyReadOnly(kKey));
    EXPECT_EQ(r.SafeReadString("App0"), "メモ帳"_sj);
    EXPECT_EQ(r.SafeReadString("AppPath0"), "C:\\windows\\notepad.exe");
    EXPECT_EQ(r.SafeReadString("AppFolder0"), "C:\\windows");
    EXPECT_EQ(r.SafeReadString("AppParam0"), "/a");
    EXPECT_EQ(r.SafeReadString("App1"), "電卓"_sj);
    EXPECT_TRUE(r.ValueExists("AppPath1"));  // a part the old key lacks is taken over empty
    EXPECT_EQ(r.SafeReadString("AppPath1"), "");
    EXPECT_FALSE(r.ValueExists("AppIcon0"));
    EXPECT_FALSE(r.ValueExists("App3"));  // the list ends at its first gap
    EXPECT_EQ(r.SafeReadString("DisplayType"), "hh:nn:ss");
    EXPECT_EQ(r.SafeReadInteger("TimeOut"), 1500);
    EXPECT_EQ(r.SafeReadInteger("MouseOperation0"), 99);
    EXPECT_EQ(r.SafeReadInteger("AlwaysOnTop"), 0);
    ASSERT_TRUE(clock.close());
  }
  EXPECT_EQ(dump(kOldKey), before);
  EXPECT_EQ(dump(kKey).size(), 44u + 8u);
  // Asked once only.
  Clock again;
  ASSERT_NE(again.waitUntilShown(), nullptr);
  EXPECT_EQ(again.find("設定の継承"_sj), nullptr);
  ASSERT_TRUE(again.close());
}

TEST_F(ClockSettingsE2E, DecliningTheTakeoverStartsWithDefaults) {
  writeOldKey();
  const Dump before = dump(kOldKey);
  {
    Clock clock;
    answer(clock, IDNO);
    ASSERT_NE(clock.waitUntilShown(), nullptr);
    ASSERT_TRUE(clock.close());
  }
  EXPECT_EQ(dump(kOldKey), before);
  shared::TKzRegEx r;
  ASSERT_TRUE(r.OpenKeyReadOnly(kKey));
  EXPECT_FALSE(r.ValueExists("App0"));
  EXPECT_EQ(r.SafeReadString("DisplayType"), "yyyy/mm/dd hh:nn");
  r.CloseKey();
  Clock again;
  ASSERT_NE(again.waitUntilShown(), nullptr);
  EXPECT_EQ(again.find("設定の継承"_sj), nullptr);
  ASSERT_TRUE(again.close());
}

}  // namespace
