// The real memo program: its first start registers the document type with the shell, Ctrl+F
// opens the find dialog and its find-next button selects the text in the editor, F6 inserts the
// date; the replace dialog replaces the match the user sees, and all matches as one edit.
#include <windows.h>

#include <dlgs.h>
#include <gtest/gtest.h>

#include "base/text.h"
#include "shared/registry.h"
#include "support/e2e.h"
#include "support/memo_e2e.h"
#include "support/wait.h"

namespace {

using namespace memoe2e;

std::string classesValue(const std::string& key) {
  shared::TRegistry r;
  r.RootKey = HKEY_CLASSES_ROOT;  // under Wine HKLM\Software\Classes
  return r.OpenKeyReadOnly(key) ? r.ReadString("") : "<missing>";
}

// The visible dialog the program opened over its main window.
HWND ownedDialog(HWND main) {
  for (HWND h : test::topLevelWindows()) {
    wchar_t cls[16] = {};
    GetClassNameW(h, cls, 16);
    if (GetWindow(h, GW_OWNER) == main && IsWindowVisible(h) && std::wstring(cls) == L"#32770") return h;
  }
  return nullptr;
}

class MemoFindProgram : public testing::Test {
 protected:
  void SetUp() override {
    test::deleteUserKey(kKey);
    shared::TRegistry r;
    r.RootKey = HKEY_CLASSES_ROOT;
    r.DeleteKey(".ntd");
    r.DeleteKey("TaveloMemo");
  }
  void TearDown() override { test::deleteUserKey(kKey); }
};

TEST_F(MemoFindProgram, TheFirstStartRegistersTheTypeAndTheFindDialogSelectsWhatItFinds) {
  test::ProgramRun memo("Memo.exe");
  ASSERT_TRUE(memo.start());
  ASSERT_TRUE(answerWizard(memo, memo.path("notes.ntd"))) << memo.state(kTitle);
  HWND main = memo.waitForWindow(kTitle);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(test::waitUntil([&] { return IsWindowVisible(main); }));

  EXPECT_EQ("TaveloMemo", classesValue(".ntd"));
  EXPECT_EQ("Taveloメモドキュメント"_sj, classesValue("TaveloMemo"));
  const std::string icon = classesValue("TaveloMemo\\DefaultIcon");
  EXPECT_TRUE(base::equalsNoCase(icon.substr(icon.size() - 10), "Memo.exe,1")) << icon;
  EXPECT_EQ("\"" + icon.substr(0, icon.size() - 2) + "\" \"%1\"", classesValue("TaveloMemo\\shell\\open\\command"));

  HWND editor = editorOf(main);
  typeAtStart(editor, L"abc needle ");
  pressKeys(main, {VK_CONTROL, 'F'});
  HWND dialog = nullptr;
  ASSERT_TRUE(test::waitUntil([&] { return (dialog = ownedDialog(main)) != nullptr; }));
  SetDlgItemTextW(dialog, edt1, L"NEEDLE");
  // Posted: should the find ask a question instead, the test fails here rather than waiting on the box.
  PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  ASSERT_TRUE(test::waitUntil([&] { return SendMessageW(editor, EM_GETSEL, 0, 0) == MAKELONG(4, 10); }));

  SendMessageW(editor, EM_SETSEL, 0, 0);
  pressKeys(main, {VK_F6});
  EXPECT_TRUE(test::waitUntil([&] {
    wchar_t text[64] = {};
    SendMessageW(editor, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
    return std::wstring(text).find(L"\u5e74") == 4 && std::wstring(text).find(L"\u65e5") == 10;  // yyyy年mm月dd日
  }));
  memo.close(kTitle);
}

// The editor's whole text (UTF-16, line breaks CR LF).
std::wstring editorText(HWND editor) {
  std::wstring text(static_cast<size_t>(SendMessageW(editor, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
  text.resize(static_cast<size_t>(
      SendMessageW(editor, WM_GETTEXT, static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

// The replace dialog opened by Ctrl+R with its find and replace texts filled in.
HWND replaceDialog(HWND main, const wchar_t* find, const wchar_t* with) {
  pressKeys(main, {VK_CONTROL, 'R'});
  HWND dialog = nullptr;
  if (!test::waitUntil([&] { return (dialog = ownedDialog(main)) != nullptr; })) return nullptr;
  SetDlgItemTextW(dialog, edt1, find);
  SetDlgItemTextW(dialog, edt2, with);
  return dialog;
}

TEST_F(MemoFindProgram, ReplaceReplacesTheSelectedMatchAndSelectsTheNext) {
  test::ProgramRun memo("Memo.exe");
  HWND main = startOn(memo, "memo.ntd", typeIIDocument("A/*!/検索結果 XgXin 検索結果\\CrLf%\r\n"_sj));
  ASSERT_NE(main, nullptr);
  HWND editor = nullptr;
  ASSERT_TRUE(test::waitUntil([&] { return !editorText(editor = editorOf(main)).empty(); }));
  SendMessageW(editor, EM_SETSEL, 0, 4);
  HWND dialog = replaceDialog(main, L"検索結果", L"R");
  ASSERT_NE(dialog, nullptr);
  PostMessageW(GetDlgItem(dialog, psh1), BM_CLICK, 0, 0);
  ASSERT_TRUE(test::waitUntil([&] { return editorText(editor) == L"R XgXin 検索結果\r\n"; }))
      << base::toUtf8(base::cp932(editorText(editor)));
  EXPECT_TRUE(test::waitUntil([&] { return SendMessageW(editor, EM_GETSEL, 0, 0) == MAKELONG(8, 12); }));
  memo.close(kTitle);
}

TEST_F(MemoFindProgram, ReplaceAllIsOneEditThatOneUndoTakesBackWithTheCaretKept) {
  std::string tab;
  for (int i = 0; i < 400; ++i) tab += "ABCDEFGHIJ " + std::to_string(i) + " あいう\\CrLf";
  test::ProgramRun memo("Memo.exe");
  HWND main = startOn(memo, "memo.ntd", typeIIDocument("A/*!/"_sj + base::fromUtf8(tab) + "%\r\n"));
  ASSERT_NE(main, nullptr);
  HWND editor = nullptr;
  ASSERT_TRUE(test::waitUntil([&] { return !editorText(editor = editorOf(main)).empty(); }));
  const std::wstring before = editorText(editor);
  const LONG caret = static_cast<LONG>(before.find(L"ABCDEFGHIJ 300 ")) + 11;
  SendMessageW(editor, EM_SETSEL, caret, caret);
  HWND dialog = replaceDialog(main, L"abcdefghij", L"Z");
  ASSERT_NE(dialog, nullptr);
  PostMessageW(GetDlgItem(dialog, psh2), BM_CLICK, 0, 0);
  ASSERT_TRUE(test::waitUntil([&] { return statusText(main) == "置換しました -> 400 個"_sj; })) << statusText(main);
  // The text is new to the control as a whole: look for the editor again.
  const std::wstring after = editorText(editorOf(main));
  EXPECT_EQ(after.find(L"ABCDEFGHIJ"), std::wstring::npos);
  EXPECT_EQ(after.size(), before.size() - 400 * 9);
  DWORD from = 0, to = 0;
  SendMessageW(editorOf(main), EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
  EXPECT_EQ(from, static_cast<DWORD>(after.find(L"Z 300 ")) + 2);
  pressKeys(main, {VK_CONTROL, 'Z'});
  EXPECT_TRUE(test::waitUntil([&] { return editorText(editorOf(main)) == before; }));
  memo.close(kTitle);
}

}  // namespace
