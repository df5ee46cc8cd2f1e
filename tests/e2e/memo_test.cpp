// The real memo program: single instance, the document wizard at the first start, what closing
// writes (the shown tab and the backup, or no backup), the missing-document flow and a missing tab
// file that concerns its tab only.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "base/files.h"
#include "base/handles.h"
#include "base/text.h"
#include "memo/chrome/commands.h"
#include "memo/dialogs/new_wizard_ids.h"
#include "shared/about_ids.h"
#include "support/e2e.h"
#include "support/memo_e2e.h"

namespace {

using namespace memoe2e;

std::vector<std::string> filesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW(base::wide(folder + "*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    std::string n = base::cp932(fd.cFileName);
    if (n != "." && n != "..") names.push_back(n);
  } while (FindNextFileW(h, &fd));
  FindClose(h);
  std::sort(names.begin(), names.end());
  return names;
}

// Double-byte text as rich text writes it: every byte as \'xx.
std::string rtfEscaped(const std::string& cp932) {
  std::string out;
  char buf[8];
  for (unsigned char c : cp932) {
    snprintf(buf, sizeof buf, "\\'%02x", c);
    out += buf;
  }
  return out;
}

// The text length of a control of the program (GetWindowTextLength does not ask another process).
LRESULT textLength(HWND control) { return SendMessageW(control, WM_GETTEXTLENGTH, 0, 0); }

class MemoProgram : public testing::Test {
 protected:
  void SetUp() override { test::deleteUserKey(kKey); }
  void TearDown() override { test::deleteUserKey(kKey); }
};

TEST_F(MemoProgram, ASecondStartActivatesTheFirstAndEnds) {
  test::ProgramRun memo("Memo.exe");
  ASSERT_NE(startOn(memo, "one.ntd", typeIIDocument("メモ/*!/一行目\\CrLf%\r\n"_sj)), nullptr);
  DWORD exitCode = 99;
  ASSERT_TRUE(test::runAndWait(memo.path("Memo.exe"), "", 10000, &exitCode));
  EXPECT_EQ(exitCode, 0u);
  EXPECT_EQ(test::windowsTitled(kTitle).size(), 1u);
  EXPECT_EQ(test::windowsTitled("Tavelo for Windows 9x/NT").size(), 1u);  // the application's title
  EXPECT_TRUE(memo.running());
  memo.close(kTitle);
  EXPECT_FALSE(memo.running());
}

// Started together, neither has a window yet: the second still gives way, waits for the first's
// window and ends.
TEST_F(MemoProgram, TwoQuickStartsShowOneWindow) {
  test::ProgramRun memo("Memo.exe");
  memo.writeFile("one.ntd", typeIIDocument("メモ/*!/一行目\\CrLf%\r\n"_sj));
  setMemoFile(memo.path("one.ntd"));
  ASSERT_TRUE(memo.start());
  DWORD exitCode = 99;
  base::KernelHandle second;
  ASSERT_TRUE(test::secondQuickStart(memo, "Memo.exe", &exitCode, second)) << memo.state(kTitle);
  EXPECT_EQ(exitCode, 0u);
  HWND window = nullptr;
  ASSERT_TRUE(test::waitUntil([&] { return (window = test::findWindow(kTitle)) && IsWindowVisible(window); }));
  EXPECT_EQ(test::windowsTitled(kTitle).size(), 1u);
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(
      test::waitUntil([&] { return !memo.running() && WaitForSingleObject(second.get(), 0) == WAIT_OBJECT_0; }));
}

TEST_F(MemoProgram, TheFirstStartRunsTheWizardAndClosingWritesTheTabAndTheBackup) {
  test::ProgramRun memo("Memo.exe");
  ASSERT_TRUE(memo.start());
  const std::string doc = memo.path("notes.ntd");
  ASSERT_TRUE(answerWizard(memo, doc)) << memo.state(kTitle);

  HWND main = memo.waitForWindow(kTitle);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(test::waitUntil([&] { return base::fileExists(doc) && IsWindowVisible(main); }));
  HWND editor = editorOf(main);
  ASSERT_NE(editor, nullptr);
  typeAtStart(editor, L"\u65e5\u672c\u8a9e\u306e\u30e1\u30e2");  // 日本語のメモ
  test::captureWindow(main, "memo_window.png");
  memo.close(kTitle);
  ASSERT_FALSE(memo.running());

  std::string written = base::readFile(doc).value_or("");
  EXPECT_NE(written.find("<!--Tavelo Document Type II-->"), std::string::npos);
  // The welcome tab is rich text: the Japanese is there as CP932 bytes escaped in code page 932.
  EXPECT_NE(written.find("\\ansicpg932"), std::string::npos);
  EXPECT_NE(written.find(rtfEscaped("日本語のメモ"_sj)), std::string::npos) << written;
  std::string backup = base::readFile(memo.path("notes.bak")).value_or("");
  EXPECT_NE(backup.find(rtfEscaped("日本語のメモ"_sj)), std::string::npos);
}

TEST_F(MemoProgram, ClosingWithoutBackupStillSavesTheTabButWritesNoBackup) {
  test::ProgramRun memo("Memo.exe");
  HWND main = startOn(memo, "two.ntd", typeIIDocument("メモ/*!/abc\\CrLf%\r\n"_sj));
  ASSERT_NE(main, nullptr);
  typeAtStart(editorOf(main), L"\u3042x");  // あx
  PostMessageW(main, WM_COMMAND, memo::mnuExitWithoutSave, 0);
  ASSERT_TRUE(memo.waitExit(10000));
  EXPECT_NE(base::readFile(memo.path("two.ntd")).value_or("").find("あxabc"_sj), std::string::npos);
  EXPECT_FALSE(base::fileExists(memo.path("two.bak")));
}

TEST_F(MemoProgram, TypingIntoALargeTabAsItShowsKeepsTheWholeTabBehindTheTypedText) {
  std::string stored;
  for (int i = 0; i < 20000; ++i) stored += "行 http://x/"_sj + std::to_string(i) + "\\CrLf%";
  test::ProgramRun memo("Memo.exe");
  HWND main = startOn(memo, "large.ntd", typeIIDocument("大/*!/"_sj + stored + "\r\n"));
  ASSERT_NE(main, nullptr);
  // The editor that shows the tab's first screen stays while the rest comes in.
  HWND editor = nullptr;
  ASSERT_TRUE(test::waitUntil([&] {
    editor = editorOf(main);
    return textLength(editor) > 0;
  }));
  typeAtStart(editor, L"y");
  PostMessageW(main, WM_COMMAND, memo::mnuExitWithoutSave, 0);
  ASSERT_TRUE(memo.waitExit(20000));
  std::string doc = base::readFile(memo.path("large.ntd")).value_or("");
  EXPECT_NE(doc.find("大/*!/y"_sj + stored), std::string::npos) << doc.size() << " bytes";
}

TEST_F(MemoProgram, AMissingDocumentBringsTheWizardAndCancelEndsWithoutWritingAnyFile) {
  test::ProgramRun memo("Memo.exe");
  setMemoFile(memo.path("gone.ntd"));
  std::vector<std::string> before = filesIn(memo.folder());
  ASSERT_TRUE(memo.start());
  HWND wizard = memo.waitForWindow("新規作成ウィザード"_sj);
  ASSERT_NE(wizard, nullptr);
  click(wizard, IDCANCEL);
  DWORD exitCode = 99;
  ASSERT_TRUE(memo.waitExit(10000, &exitCode));
  EXPECT_EQ(filesIn(memo.folder()), before);
}

TEST_F(MemoProgram, AMissingTabFileConcernsThatTabOnly) {
  test::ProgramRun memo("Memo.exe");
  memo.writeFile("b.txt", "second tab\r\n");
  HWND main = startOn(memo, "split.ntd", "[Tavelo Document Type III]\r\n;test\r\nA=a.txt\r\nB=b.txt\r\n");
  ASSERT_NE(main, nullptr) << memo.state(kTitle);
  // No wizard: the program goes on with the document.
  EXPECT_EQ(memo.waitForWindow("新規作成ウィザード"_sj, 1500), nullptr);
  EXPECT_EQ(textLength(editorOf(main)), 0);
  // The other tab still loads: select it and reload the document.
  HWND tabs = FindWindowExW(main, nullptr, WC_TABCONTROLW, nullptr);
  SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
  PostMessageW(main, WM_COMMAND, memo::mnuReload, 0);
  EXPECT_TRUE(test::waitUntil([&] { return textLength(editorOf(main)) > 0; }, 5000));
  test::captureWindow(main, "memo_missing_tab.png");
  memo.close(kTitle);
  EXPECT_FALSE(base::fileExists(memo.path("a.txt")));
  EXPECT_EQ(base::readFile(memo.path("b.txt")).value_or(""), "second tab\r\n");
  EXPECT_EQ(base::readFile(memo.path("split.ntd")).value_or(""),
            "[Tavelo Document Type III]\r\n;test\r\nA=a.txt\r\nB=b.txt\r\n");
}

TEST_F(MemoProgram, ANewDocumentFromTheWizardSavesTheShownTabFirst) {
  test::ProgramRun memo("Memo.exe");
  HWND main = startOn(memo, "old.ntd", typeIIDocument("メモ/*!/abc\\CrLf%\r\n"_sj));
  ASSERT_NE(main, nullptr);
  typeAtStart(editorOf(main), L"\u3044z");  // いz
  PostMessageW(main, WM_COMMAND, memo::mnuNewFile, 0);
  const std::string next = memo.path("new.ntd");
  ASSERT_TRUE(answerWizard(memo, next)) << memo.state(kTitle);
  ASSERT_TRUE(test::waitUntil([&] { return base::fileExists(next); }));
  EXPECT_NE(base::readFile(memo.path("old.ntd")).value_or("").find("いzabc"_sj), std::string::npos);
  memo.close(kTitle);
  EXPECT_FALSE(memo.running());
}

TEST_F(MemoProgram, TheVersionDialogShowsTheMemosOwnVersionResource) {
  test::ProgramRun memo("Memo.exe");
  HWND main = startOn(memo, "about.ntd", typeIIDocument("メモ/*!/abc\\CrLf%\r\n"_sj));
  ASSERT_NE(main, nullptr);
  PostMessageW(main, WM_COMMAND, memo::mnuAbout, 0);
  HWND about = memo.waitForWindow("バージョン情報"_sj);
  ASSERT_NE(about, nullptr);
  ASSERT_TRUE(test::waitUntil([&] { return IsWindowVisible(about) != 0; }));
  auto text = [&](int id) {
    wchar_t buf[256] = {};
    GetDlgItemTextW(about, id, buf, 256);
    return base::cp932(buf);
  };
  EXPECT_EQ(text(IDC_ABOUT_PRODUCT), "Tavelo for Windows 9x/NT");
  EXPECT_EQ(text(IDC_ABOUT_VERSION), "Version 3.51  (Build 330)");
  // The shipped build is marked non-support: the notice instead of the contact group.
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(about, IDC_ABOUT_NOTICE)));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(about, IDC_ABOUT_CONTACT)));
  test::captureWindow(about, "memo_about.png");
  PostMessageW(about, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(test::waitUntil([&] { return !IsWindow(about); }));
  memo.close(kTitle);
}

}  // namespace
