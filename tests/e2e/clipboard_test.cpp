// The clock records the clipboard: the real Tockle.exe, run from a temporary folder, and a helper
// program that copies text from another process.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/handles.h"
#include "base/text.h"
#include "shared/stretchable_file.h"
#include "support/clipboard.h"
#include "support/e2e.h"
#include "support/temp_folder.h"

namespace {

const char kMainTitle[] = "Tockle 3 for Windows 9x/NT by Ruxel";
const wchar_t kSettingsKey[] = L"Software\\Quorvane\\Tockle3";

// Copies text from another process: the helper puts the CP932 bytes on the clipboard as CF_TEXT.
void copyFromHelper(const std::string& cp932) {
  test::TempFolder dir;
  std::string file = dir.file("text.bin");
  ASSERT_TRUE(base::writeFileAtomic(file, cp932));
  DWORD code = 99;
  ASSERT_TRUE(test::runAndWait(base::programFolder() + "clip_set.exe", "\"" + file + "\"", 10000, &code));
  ASSERT_EQ(code, 0u);
}

// The texts of the history file, oldest first; nothing while the clock holds it.
std::vector<std::string> historyTexts(const std::string& path) {
  std::vector<std::string> texts;
  auto bytes = base::readFile(path);
  if (!bytes) return texts;
  shared::TMemoryStream m(*bytes);
  std::string text;
  while (m.Remaining() >= 8) {
    shared::TKzStretchableFileOperation::ReadDouble(m);
    if (!shared::TKzStretchableFileOperation::ReadString(m, text)) break;
    texts.push_back(text);
  }
  return texts;
}

// The clock, run from its own temporary folder.
class ClockRun {
 public:
  std::string history() const { return run_.path("_history3"); }

  // Starts the clock and waits until its window shows (it is then in the clipboard viewer chain).
  bool start() {
    if (!run_.start()) return false;
    main_ = run_.waitForWindow(kMainTitle);
    return main_ && test::waitUntil([&] { return IsWindowVisible(main_) != 0; });
  }
  bool running() const { return run_.running(); }
  // Visible top-level windows of the clock besides its main window (error boxes and the like).
  int otherWindows() const { return run_.visibleWindowsBesides(main_); }
  HWND waitForBox(const std::string& title) const { return run_.waitForDialog(title); }
  void stop() { run_.close(kMainTitle); }

 private:
  test::ProgramRun run_{"Tockle.exe"};
  HWND main_ = nullptr;
};

void writeClipHistory(int letterFrom, int letterTo, int lineFrom, int lineTo, int maxCount, int dayLimit,
                      bool unuseHis = false, bool clearWhenExit = false) {
  unsigned char record[28] = {};
  record[24] = unuseHis;
  record[25] = clearWhenExit;
  int32_t fields[6] = {letterFrom, letterTo, lineFrom, lineTo, maxCount, dayLimit};
  for (int f = 0; f < 6; ++f)
    for (int b = 0; b < 4; ++b)
      record[f * 4 + b] = static_cast<unsigned char>(static_cast<uint32_t>(fields[f]) >> (8 * b));
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr), 0);
  RegSetValueExW(key, L"ClipHistory", 0, REG_BINARY, record, sizeof record);
  RegCloseKey(key);
}

class ClipboardCapture : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey); }
  void TearDown() override {
    clock.stop();
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
  }
  // Copies text and waits until the clock has recorded it.
  bool copyAndWait(const std::string& text) {
    copyFromHelper(text);
    return test::waitUntil([&] {
      auto t = historyTexts(clock.history());
      return !t.empty() && t.back() == text;
    });
  }
  ClockRun clock;
};

TEST_F(ClipboardCapture, RecordsCopiedTextButNotWhatWasThereAtStart) {
  copyFromHelper("before the clock started");
  ASSERT_TRUE(clock.start());
  const std::string japanese = "日本語のテキスト\r\n二行目（表）"_sj;
  ASSERT_TRUE(copyAndWait(japanese));
  EXPECT_EQ(historyTexts(clock.history()), std::vector<std::string>{japanese});
  // Blanks and line breaks at the ends go; inner line breaks become CR LF.
  copyFromHelper("  one\ntwo\n\n");
  EXPECT_TRUE(test::waitUntil([&] {
    auto t = historyTexts(clock.history());
    return !t.empty() && t.back() == "one\r\ntwo";
  }));
  // A copied text already in the history moves to the newest place.
  ASSERT_TRUE(copyAndWait(japanese));
  EXPECT_EQ(historyTexts(clock.history()), (std::vector<std::string>{"one\r\ntwo", japanese}));
}

TEST_F(ClipboardCapture, TheThirtyFirstTextDropsTheOldest) {
  ASSERT_TRUE(clock.start());
  for (int i = 1; i <= 31; ++i) ASSERT_TRUE(copyAndWait("text " + std::to_string(i))) << i;
  // The new text is appended first and the oldest dropped in a second write.
  std::vector<std::string> texts;
  EXPECT_TRUE(test::waitUntil([&] { return (texts = historyTexts(clock.history())).size() == 30u; }));
  ASSERT_EQ(texts.size(), 30u);
  EXPECT_EQ(texts.front(), "text 2");
  EXPECT_EQ(texts.back(), "text 31");
}

// Another program holds the history file without sharing while texts are copied: every viewer
// further down still hears of each change, the clock keeps the texts, says once (naming the file)
// that it cannot write them, and once the hold ends every text is in the file, in order.
TEST_F(ClipboardCapture, TextsCopiedWhileAnotherProgramHoldsTheHistoryReachItInOrderAfterTheHold) {
  test::ClipboardViewer below;
  ASSERT_TRUE(clock.start());
  int start = below.draws;
  std::vector<std::string> expected;
  for (int i = 1; i <= 3; ++i) {
    expected.push_back("seen " + std::to_string(i));
    ASSERT_TRUE(copyAndWait(expected.back()));
    EXPECT_TRUE(test::waitUntil([&] { return below.draws == start + i; })) << below.draws - start;
  }
  {
    base::FileHandle held(CreateFileW(base::wide(clock.history()).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    for (int i = 4; i <= 6; ++i) {
      expected.push_back("while held " + std::to_string(i));
      copyFromHelper(expected.back());
      EXPECT_TRUE(test::waitUntil([&] { return below.draws == start + i; })) << below.draws - start;
    }
    HWND box = clock.waitForBox("履歴保存エラー"_sj);
    ASSERT_TRUE(box);
    EXPECT_TRUE(test::dialogShows(box, clock.history() + " に書き込めません(ほかのプログラムが使用中です)"_sj))
        << test::dialogText(box);
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(test::waitUntil([&] { return clock.otherWindows() == 0; }));
  }
  EXPECT_TRUE(test::waitUntil([&] { return historyTexts(clock.history()) == expected; }))
      << historyTexts(clock.history()).size();
  expected.push_back("after release");
  ASSERT_TRUE(copyAndWait(expected.back()));
  EXPECT_EQ(historyTexts(clock.history()), expected);
  EXPECT_EQ(clock.otherWindows(), 0);
  EXPECT_TRUE(test::waitUntil([&] { return below.draws == start + 7; }));
}

// A text the history still refuses when the clock closes waits beside it for the next start.
TEST_F(ClipboardCapture, TextsTheHistoryStillRefusesAtTheCloseReachItAtTheNextStart) {
  ASSERT_TRUE(clock.start());
  ASSERT_TRUE(copyAndWait("before"));
  {
    base::FileHandle held(CreateFileW(base::wide(clock.history()).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    copyFromHelper("while held");
    // The box says the text is waiting in the clock.
    HWND box = clock.waitForBox("履歴保存エラー"_sj);
    ASSERT_TRUE(box);
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(test::waitUntil([&] { return clock.otherWindows() == 0; }));
    clock.stop();
    EXPECT_TRUE(base::fileExists(clock.history() + ".unwritten"));
  }
  ASSERT_TRUE(clock.start());
  std::vector<std::string> expected{"before", "while held"};
  EXPECT_TRUE(test::waitUntil([&] { return historyTexts(clock.history()) == expected; }))
      << historyTexts(clock.history()).size();
  EXPECT_FALSE(base::fileExists(clock.history() + ".unwritten"));
}

// The history file's newest text, read only when the file's size or time changed since the last
// look: a quick succession of looks does not keep the file open while the clock writes it.
class NewestHistoryText {
 public:
  explicit NewestHistoryText(std::string path) : path_(std::move(path)) {}
  bool is(const std::string& text) {
    WIN32_FILE_ATTRIBUTE_DATA a{};
    if (!GetFileAttributesExW(base::wide(path_).c_str(), GetFileExInfoStandard, &a)) return false;
    Stamp stamp{a.nFileSizeLow, a.ftLastWriteTime.dwLowDateTime, a.ftLastWriteTime.dwHighDateTime};
    if (stamp != seen_) {
      auto texts = historyTexts(path_);
      if (texts.empty()) return false;  // held by the clock: look again
      seen_ = stamp;
      newest_ = texts.back();
    }
    return newest_ == text;
  }

 private:
  using Stamp = std::array<DWORD, 3>;
  std::string path_;
  Stamp seen_{};
  std::string newest_;
};

// Another program copies one text after another, twenty a second at most, while the system's
// clipboard manager also opens the clipboard after each change: every text is recorded, in order.
// Each text stays until the clock has recorded it: on a loaded machine the clock may not get to
// run before the next text would have replaced this one, and no program can read a text it never
// saw. TOCKLE_CLIP_BURST sets the number of texts.
TEST_F(ClipboardCapture, EveryTextOfAQuickBurstIsRecordedInOrder) {
  const char* n = std::getenv("TOCKLE_CLIP_BURST");
  const int count = n ? std::atoi(n) : 40;
  writeClipHistory(0, 0, 0, 0, 300, 15);
  ASSERT_TRUE(clock.start());
  NewestHistoryText newest(clock.history());
  std::vector<std::string> expected;
  ULONGLONG lastCopy = 0;
  for (int i = 1; i <= count; ++i) {
    // The pace: each text stays at least 50 ms from the moment it is there.
    ULONGLONG since = GetTickCount64() - lastCopy;
    if (i > 1 && since < 50) Sleep(static_cast<DWORD>(50 - since));
    expected.push_back("burst " + std::to_string(i));
    ASSERT_TRUE(test::setClipboardCp932(expected.back()));
    lastCopy = GetTickCount64();
    ASSERT_TRUE(test::waitUntil([&] { return newest.is(expected.back()); })) << expected.back();
  }
  EXPECT_EQ(historyTexts(clock.history()), expected);
}

TEST_F(ClipboardCapture, LetterAndLineFilters) {
  writeClipHistory(1, 10, 1, 2, 30, 15);
  ASSERT_TRUE(clock.start());
  copyFromHelper("12345678901");           // 11 bytes
  copyFromHelper("a\r\nb\r\nc");           // 3 lines
  ASSERT_TRUE(copyAndWait("あいう"_sj));   // 6 bytes, 1 line
  copyFromHelper("abc\r\n\r\nd");          // 9 bytes, 3 lines
  ASSERT_TRUE(copyAndWait("ab\r\ncdef"));  // 8 bytes, 2 lines
  EXPECT_EQ(historyTexts(clock.history()), (std::vector<std::string>{"あいう"_sj, "ab\r\ncdef"}));
}

TEST_F(ClipboardCapture, NotRecordingKeepsTheClockOutOfTheChain) {
  writeClipHistory(0, 0, 0, 0, 30, 15, true, false);
  test::ClipboardViewer below;
  ASSERT_TRUE(clock.start());
  int start = below.draws;
  copyFromHelper("not recorded");
  // The viewer hears of it straight from the system: the chain holds no clock.
  EXPECT_TRUE(test::waitUntil([&] { return below.draws == start + 1; }));
  // Closing waits behind anything the clock had still to do.
  clock.stop();
  EXPECT_FALSE(base::fileExists(clock.history()));
}

TEST_F(ClipboardCapture, HistoryClearedAtExitWhenAsked) {
  writeClipHistory(0, 0, 0, 0, 30, 15, false, true);
  ASSERT_TRUE(clock.start());
  ASSERT_TRUE(copyAndWait("gone at exit"));
  clock.stop();
  EXPECT_FALSE(base::fileExists(clock.history()));
}

}  // namespace
