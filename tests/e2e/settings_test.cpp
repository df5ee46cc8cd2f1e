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
#include "shared/KzRegEx.h"
#include "support/temp_folder.h"
#include "support/test_key.h"

namespace {

const char kKey[] = "Software\\Quorvane\\Tockle3";
const char kOldKey[] = "Software\\Quorvane\\Tockle2";
const char kMainTitle[] = "Tockle 3 for Windows 9x/NT by Ruxel";

// Polls cond every 20 ms until it holds or timeoutMs passed.
template <typename Cond>
bool waitUntil(Cond cond, DWORD timeoutMs = 15000) {
  DWORD start = GetTickCount();
  while (!cond()) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(20);
  }
  return true;
}

// A top-level window of the given process with exactly this title.
HWND windowOf(DWORD pid, const std::string& title) {
  std::wstring w = base::wide(title);
  for (HWND h = FindWindowExW(nullptr, nullptr, nullptr, w.c_str()); h;
       h = FindWindowExW(nullptr, h, nullptr, w.c_str())) {
    DWORD owner = 0;
    GetWindowThreadProcessId(h, &owner);
    if (owner == pid) return h;
  }
  return nullptr;
}

// Tockle.exe copied into a folder of its own and run from there.
class Clock {
 public:
  Clock() {
    std::string exe = folder_.file("Tockle.exe");
    EXPECT_TRUE(CopyFileW(base::wide(base::programFolder() + "Tockle.exe").c_str(), base::wide(exe).c_str(), FALSE));
    std::wstring cmd = L"\"" + base::wide(exe) + L"\"";
    STARTUPINFOW si{sizeof si};
    PROCESS_INFORMATION pi{};
    EXPECT_TRUE(CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               base::wide(folder_.path()).c_str(), &si, &pi));
    process_.reset(pi.hProcess);
    CloseHandle(pi.hThread);
    pid_ = pi.dwProcessId;
  }
  ~Clock() {
    if (running()) {
      TerminateProcess(process_.get(), 1);
      WaitForSingleObject(process_.get(), 5000);
    }
  }
  HWND waitForWindow(const std::string& title) const {
    HWND h = nullptr;
    waitUntil([&] { return (h = windowOf(pid_, title)) != nullptr || !running(); });
    return h;
  }
  HWND find(const std::string& title) const { return windowOf(pid_, title); }
  // The main window once start-up has ended (it shows itself last).
  HWND waitUntilShown() const {
    HWND h = waitForWindow(kMainTitle);
    if (!h || !waitUntil([&] { return IsWindowVisible(h) != FALSE; })) return nullptr;
    return h;
  }
  bool running() const { return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }
  bool close() const {
    HWND h = find(kMainTitle);
    if (!h) return false;
    PostMessageW(h, WM_CLOSE, 0, 0);
    return WaitForSingleObject(process_.get(), 15000) == WAIT_OBJECT_0;
  }

 private:
  test::TempFolder folder_;
  base::KernelHandle process_;
  DWORD pid_ = 0;
};

using Dump = test::KeyDump;
Dump dump(const char* path) {
  shared::TRegistry r;
  return r.OpenKeyReadOnly(path) ? test::dumpKey(r.CurrentKey()) : Dump{};
}

std::string dialogText(HWND box) {
  std::string all;
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    wchar_t text[512] = {};
    GetWindowTextW(c, text, 512);
    all += base::cp932(text) + "|";
  }
  return all;
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
    r.WriteString("DisplayType", "hh:nn:ss");
    r.WriteInteger("TimeOut", 1500);
  }
  // Answers the takeover question on the real box.
  static void answer(const Clock& clock, int button) {
    HWND box = clock.waitForWindow("設定の継承"_sj);
    ASSERT_NE(box, nullptr);
    // The box has its title before its text and buttons.
    EXPECT_TRUE(waitUntil([&] {
      return dialogText(box).find("旧バージョンのレジストリ設定が見つかりました"_sj) != std::string::npos &&
             GetDlgItem(box, button) != nullptr;
    }));
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
  }
};

TEST_F(ClockSettingsE2E, FirstStartAsksNothingAndStoresEveryValueAtExit) {
  {
    Clock clock;
    ASSERT_NE(clock.waitUntilShown(), nullptr);
    EXPECT_EQ(clock.find("設定の継承"_sj), nullptr);
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
    ASSERT_NE(clock.waitUntilShown(), nullptr);
    // Stored under the new key at once.
    shared::TKzRegEx r;
    ASSERT_TRUE(r.OpenKeyReadOnly(kKey));
    EXPECT_EQ(r.SafeReadString("App0"), "メモ帳"_sj);
    EXPECT_EQ(r.SafeReadString("AppPath0"), "C:\\windows\\notepad.exe");
    EXPECT_EQ(r.SafeReadString("AppFolder0"), "C:\\windows");
    EXPECT_EQ(r.SafeReadString("AppParam0"), "/a");
    EXPECT_EQ(r.SafeReadString("App1"), "電卓"_sj);
    EXPECT_TRUE(r.ValueExists("AppPath1"));
    EXPECT_FALSE(r.ValueExists("AppIcon0"));
    EXPECT_EQ(r.SafeReadString("DisplayType"), "hh:nn:ss");
    EXPECT_EQ(r.SafeReadInteger("TimeOut"), 1500);
    EXPECT_EQ(r.SafeReadInteger("MouseOperation0"), 99);
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

TEST_F(ClockSettingsE2E, AValueOfTheWrongTypeIsRewrittenAsItsDefault) {
  {
    shared::TRegistry r;
    ASSERT_TRUE(r.OpenKey(kKey, true));
    r.WriteString("DrawIconSize", "24");
    r.WriteInteger("NTPServer", 5);
    r.WriteInteger("TimeOut", 1200);
    r.WriteString("DisplayType", "hh:nn");
  }
  {
    Clock clock;
    ASSERT_NE(clock.waitUntilShown(), nullptr);
    ASSERT_TRUE(clock.close());
  }
  shared::TKzRegEx r;
  ASSERT_TRUE(r.OpenKeyReadOnly(kKey));
  EXPECT_EQ(r.SafeReadInteger("DrawIconSize"), 16);
  EXPECT_EQ(r.SafeReadString("NTPServer"), "ntp.nict.jp");
  EXPECT_EQ(r.SafeReadInteger("TimeOut"), 1200);
  EXPECT_EQ(r.SafeReadString("DisplayType"), "hh:nn");
}

}  // namespace
