// The memo program beside the clock program in one folder: the memo notices the clock coming and
// going, sends its selection as a new alarm, offers the clock's clipboard history newest first,
// and asks about an outside change only once it is the active program.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "base/files.h"
#include "base/handles.h"
#include "base/text.h"
#include "clock/config/pages/alarm_page_ids.h"
#include "memo/chrome/commands.h"
#include "memo/clock_link/history_chooser_ids.h"
#include "shared/registry.h"
#include "support/e2e.h"
#include "support/memo_e2e.h"

namespace {

const std::string kClockTitle = "Tockle 3 for Windows 9x/NT by Ruxel";
const std::string kClockKey = "Software\\Quorvane\\Tockle3";
const std::string kSettingsTitle = "環境設定 - Tockle 3"_sj;
const std::string kChooserTitle = "クリップボード履歴の挿入 - Tavelo 3"_sj;

using memoe2e::statusText;

bool statusStartsWith(HWND main, const std::string& start) { return statusText(main).rfind(start, 0) == 0; }

// The editor's text with its line breaks as CR LF.
std::string editorText(HWND main) {
  std::string text = test::controlText(memoe2e::editorOf(main));
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))
      out += "\r\n";
    else
      out += text[i];
  }
  return out;
}

void command(HWND main, int id) { PostMessageW(main, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

class MemoBesideClock : public testing::Test {
 protected:
  void SetUp() override {
    test::deleteUserKey(memoe2e::kKey);
    test::deleteUserKey(kClockKey);
    // The memo runs from the clock's folder, as installed.
    CopyFileW(base::wide(base::programFolder() + "Memo.exe").c_str(), base::wide(clock.path("Memo.exe")).c_str(),
              FALSE);
  }
  void TearDown() override {
    if (memo) {
      TerminateProcess(memo.get(), 1);
      WaitForSingleObject(memo.get(), 5000);
    }
    test::deleteUserKey(memoe2e::kKey);
    test::deleteUserKey(kClockKey);
  }
  HWND startMemo(const std::string& doc) {
    clock.writeFile("memo.ntd", memoe2e::typeIIDocument(doc));
    memoe2e::setMemoFile(clock.path("memo.ntd"));
    std::wstring cmd = L"\"" + base::wide(clock.path("Memo.exe")) + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, base::wide(clock.folder()).c_str(),
                        &si, &pi))
      return nullptr;
    CloseHandle(pi.hThread);
    memo.reset(pi.hProcess);
    HWND main = nullptr;
    test::waitUntil([&] { return (main = test::findWindow(memoe2e::kTitle)) && IsWindowVisible(main); });
    return main;
  }
  HWND startClock() {
    if (!clock.start()) return nullptr;
    HWND hwnd = clock.waitForWindow(kClockTitle);
    if (hwnd) test::waitUntil([&] { return IsWindowVisible(hwnd) != 0; });
    return hwnd;
  }
  test::ProgramRun clock{"Tockle.exe"};
  base::KernelHandle memo;
};

TEST_F(MemoBesideClock, TheClockComingAndGoingSwitchesTheAlarmRequest) {
  HWND main = startMemo("メモ/*!/会議\\CrLf%10時から\\CrLf%\r\n"_sj);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(test::waitUntil([&] { return editorText(main) == "会議\r\n10時から\r\n"_sj; }));
  HWND editor = memoe2e::editorOf(main);
  SendMessageW(editor, EM_SETSEL, 0, -1);
  // No clock: the command is off and nothing arrives anywhere.
  command(main, memo::actSetAlarm);
  HWND clockWindow = startClock();
  ASSERT_NE(clockWindow, nullptr);
  char handle[16];
  snprintf(handle, sizeof handle, "%08X", static_cast<unsigned>(reinterpret_cast<UINT_PTR>(clockWindow)));
  ASSERT_TRUE(test::waitUntil(
      [&] { return statusText(main) == "Tockle 3 の起動を検知しました -> Connection Established w/ "_sj + handle; }));
  EXPECT_EQ(test::findWindow(kSettingsTitle), nullptr);

  // The selection arrives as the new alarm's message, its two lines as one.
  command(main, memo::actSetAlarm);
  HWND settings = clock.waitForWindow(kSettingsTitle);
  ASSERT_NE(settings, nullptr);
  // The dialog shows the new alarm with the text as its message.
  HWND message = nullptr;
  EXPECT_TRUE(test::waitUntil([&] {
    message = test::descendantById(settings, IDC_ALARM_MESSAGE_TEXT);
    return message && IsWindowVisible(message);
  }));
  EXPECT_EQ(test::controlText(message), "会議 10時から"_sj);
  PostMessageW(settings, WM_CLOSE, 0, 0);
  ASSERT_TRUE(test::waitUntil([&] { return !IsWindow(settings); }));

  clock.close(kClockTitle);
  EXPECT_TRUE(
      test::waitUntil([&] { return statusText(main) == "Tockle 3 の終了を検知しました -> Connection Lost"_sj; }));
}

TEST_F(MemoBesideClock, TheClocksHistoryIsOfferedNewestFirstAndInsertedWithALineBreak) {
  HWND clockWindow = startClock();
  ASSERT_NE(clockWindow, nullptr);
  HWND main = startMemo("メモ/*!/abc\\CrLf%\r\n"_sj);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(test::waitUntil([&] { return editorText(main) == "abc\r\n"; }));
  for (const char* text : {"古いテキスト", "新しいテキスト"}) {
    test::TempFolder dir;
    ASSERT_TRUE(base::writeFileAtomic(dir.file("text.bin"), base::fromUtf8(text)));
    DWORD code = 99;
    ASSERT_TRUE(
        test::runAndWait(base::programFolder() + "clip_set.exe", "\"" + dir.file("text.bin") + "\"", 10000, &code));
    ASSERT_TRUE(test::waitUntil([&] {
      return base::readFile(clock.path("_history3")).value_or("").find(base::fromUtf8(text)) != std::string::npos;
    }));
  }
  SendMessageW(memoe2e::editorOf(main), EM_SETSEL, 0, 0);
  command(main, memo::mnuClipHistory);
  HWND chooser = test::findWindow(kChooserTitle);
  ASSERT_TRUE(test::waitUntil([&] { return (chooser = test::findWindow(kChooserTitle)) && IsWindowVisible(chooser); }));
  // The first row, the newest text, chosen with the keyboard.
  HWND list = GetDlgItem(chooser, IDC_CLIP_LIST);
  PostMessageW(list, WM_KEYDOWN, VK_HOME, 0);
  memoe2e::click(chooser, IDOK);
  ASSERT_TRUE(test::waitUntil([&] { return !IsWindow(chooser); }));
  EXPECT_TRUE(test::waitUntil([&] { return editorText(main).rfind("新しいテキスト\r\nabc"_sj, 0) == 0; }))
      << editorText(main);
}

TEST_F(MemoBesideClock, AnOutsideChangeIsAskedAboutOnlyOnceTheMemoIsActive) {
  {
    shared::TRegistry r;
    uint8_t ask = 1;
    ASSERT_TRUE(r.OpenKey(memoe2e::kKey, true));
    r.WriteBinaryData("ReloadOption", &ask, 1);
  }
  HWND main = startMemo("メモ/*!/abc\\CrLf%\r\n"_sj);
  ASSERT_NE(main, nullptr);
  // The document is loaded: its age is the one the memo remembers.
  ASSERT_TRUE(test::waitUntil([&] { return editorText(main) == "abc\r\n"; }));
  // Another program in front, then the document changes.
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(other);
  ASSERT_TRUE(test::waitUntil([&] { return GetForegroundWindow() == other; }, 3000));
  std::string doc = clock.path("memo.ntd");
  ASSERT_TRUE(base::writeFileAtomic(doc, memoe2e::typeIIDocument("メモ/*!/theirs\\CrLf%\r\n"_sj)));
  base::FileHandle f(
      CreateFileW(base::wide(doc).c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(f);
  FILETIME ft;
  GetSystemTimeAsFileTime(&ft);
  ULARGE_INTEGER t{{ft.dwLowDateTime, ft.dwHighDateTime}};
  t.QuadPart += 24ULL * 3600 * 10000000ULL;  // a day on: never the age the memo remembered
  ft = FILETIME{t.LowPart, t.HighPart};
  ASSERT_TRUE(SetFileTime(f.get(), nullptr, nullptr, &ft)) << GetLastError();
  f.reset();
  // A tick of the memo's timer passes while it is inactive: the clock it notices in that tick.
  ASSERT_NE(startClock(), nullptr);
  ASSERT_TRUE(test::waitUntil([&] { return statusStartsWith(main, "Tockle 3 の起動を検知しました"_sj); }));
  EXPECT_EQ(test::findWindow("再読み込みの確認"_sj), nullptr);
  // Brought to the front, it asks.
  SetForegroundWindow(main);
  HWND box = nullptr;
  ASSERT_TRUE(test::waitUntil([&] { return (box = test::findWindow("再読み込みの確認"_sj)) != nullptr; }));
  EXPECT_TRUE(test::dialogShows(box, "メモファイルが外部で更新されました"_sj));
  PostMessageW(box, WM_COMMAND, IDYES, 0);
  EXPECT_TRUE(test::waitUntil([&] { return editorText(main) == "theirs\r\n"; })) << editorText(main);
  DestroyWindow(other);
}

}  // namespace
