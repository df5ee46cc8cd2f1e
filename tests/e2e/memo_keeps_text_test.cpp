// The real memo program closing while a tab file cannot be written: it asks before giving up the
// typed text, and the text is still in the editor.
#include <windows.h>

#include <gtest/gtest.h>

#include "base/files.h"
#include "base/text.h"
#include "support/e2e.h"
#include "support/memo_e2e.h"

namespace {

using namespace memoe2e;

class MemoKeepsText : public testing::Test {
 protected:
  void SetUp() override { test::deleteUserKey(kKey); }
  void TearDown() override { test::deleteUserKey(kKey); }
};

std::wstring editorText(HWND editor) {
  wchar_t buf[512] = {};
  SendMessageW(editor, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buf));
  return buf;
}

TEST_F(MemoKeepsText, ClosingWithAnUnwritableTabFileAsksAndKeepsTheText) {
  test::ProgramRun memo("Memo.exe");
  memo.writeFile("a.txt", "first\r\n");
  HWND main = startOn(memo, "memo.ntd", "[Tavelo Document Type III]\r\n;c\r\nA=a.txt\r\n");
  ASSERT_NE(main, nullptr);
  HWND editor = editorOf(main);
  typeAtStart(editor, L"typed");
  HANDLE held = CreateFileW(base::wide(memo.path("a.txt")).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  PostMessageW(main, WM_CLOSE, 0, 0);
  // The question comes under the application's title (its hidden owner window has that title too).
  HWND box = nullptr;
  ASSERT_TRUE(test::waitUntil([&] {
    for (HWND w : test::windowsTitled("Tavelo for Windows 9x/NT"))
      if (IsWindowVisible(w)) box = w;
    return box != nullptr;
  }));
  EXPECT_TRUE(test::dialogShows(box, "保存せずに閉じますか？"_sj)) << test::dialogText(box);
  EXPECT_NE(editorText(editor).find(L"typed"), std::wstring::npos);
  click(box, IDNO);
  ASSERT_TRUE(test::waitUntil([&] { return !IsWindow(box); }));
  EXPECT_TRUE(IsWindow(main));
  CloseHandle(held);
  memo.close(kTitle);
  EXPECT_EQ(base::readFile(memo.path("a.txt")).value_or("").substr(0, 5), "typed");
}

}  // namespace
