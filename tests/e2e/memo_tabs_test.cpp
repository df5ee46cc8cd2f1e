// The real memo program's tabs: a new tab right after typing keeps the typed text, Ctrl+Tab wraps
// around, renames and moves reach the document, the program reopens on its last tab, the last tab
// is never deleted, and a tab switched to rich text is saved as RTF.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "base/files.h"
#include "base/text.h"
#include "memo/chrome/commands.h"
#include "shared/input_box_ids.h"
#include "shared/reg_ex.h"
#include "support/e2e.h"
#include "support/memo_e2e.h"
#include "support/test_key.h"

namespace {

using namespace memoe2e;
using Names = std::vector<std::string>;

test::KeyDump dumpKey(const char* path) {
  shared::TRegistry r;
  return r.OpenKeyReadOnly(path) ? test::dumpKey(r.CurrentKey()) : test::KeyDump{};
}

class MemoTabsProgram : public testing::Test {
 protected:
  void SetUp() override { test::deleteUserKey(kKey); }
  void TearDown() override { test::deleteUserKey(kKey); }

  void command(HWND main, int id) { PostMessageW(main, WM_COMMAND, id, 0); }
  // Answers the program's input box with text (OK); false when the box does not come.
  bool answerInput(const test::ProgramRun& memo, const std::string& caption, const std::string& text) {
    HWND box = memo.waitForWindow(caption);
    if (!box || !test::waitUntil([&] { return IsWindowVisible(box) != 0; })) return false;
    SetDlgItemTextW(box, IDC_INPUT_EDIT, base::wide(text).c_str());
    click(box, IDOK);
    return test::waitUntil([&] { return !IsWindow(box); });
  }
  std::string lastTabSetting() {
    shared::TRegistry r;
    if (!r.OpenKeyReadOnly(kKey) || !r.ValueExists("LastTab")) return "<missing>";
    return r.ReadString("LastTab");
  }
};

const std::string kThreeTabs = typeIIDocument("A/*!/first\\CrLf%\r\nB/*!/second\\CrLf%\r\nC/*!/third\\CrLf%\r\n");

TEST_F(MemoTabsProgram, TypingThenANewTabWithinASecondKeepsTheTypedText) {
  test::ProgramRun memo("Memo.exe");
  HWND main = startOn(memo, "memo.ntd", typeIIDocument("メモ/*!/一行目\\CrLf%\r\n"_sj));
  ASSERT_NE(main, nullptr);
  typeAtStart(editorOf(main), L"abc");
  command(main, memo::actNewTab);
  ASSERT_TRUE(answerInput(memo, "新規タブ名"_sj, "タブ1"_sj));
  ASSERT_TRUE(test::waitUntil([&] { return tabNames(main) == Names{"メモ"_sj, "タブ1"_sj}; }));
  // Before any timer could have saved it, the document already holds what was typed.
  std::string doc = base::readFile(memo.path("memo.ntd")).value_or("");
  EXPECT_NE(doc.find("メモ/*!/abc一行目"_sj), std::string::npos) << doc;
  EXPECT_NE(doc.find("タブ1/*!/"_sj), std::string::npos) << doc;
  EXPECT_EQ(selectedTab(main), 0);  // the tab shown stays shown
  memo.close(kTitle);
}

TEST_F(MemoTabsProgram, CtrlTabWrapsAroundBothWays) {
  setSetting("LastTab", "C");
  test::ProgramRun memo("Memo.exe");
  HWND main = startOn(memo, "memo.ntd", kThreeTabs);
  ASSERT_NE(main, nullptr);
  ASSERT_EQ(selectedTab(main), 2);
  pressKeys(main, {VK_CONTROL, VK_TAB});
  EXPECT_TRUE(test::waitUntil([&] { return selectedTab(main) == 0; }, 3000));
  pressKeys(main, {VK_CONTROL, VK_SHIFT, VK_TAB});
  EXPECT_TRUE(test::waitUntil([&] { return selectedTab(main) == 2; }, 3000));
  pressKeys(main, {VK_CONTROL, VK_SHIFT, VK_TAB});
  EXPECT_TRUE(test::waitUntil([&] { return selectedTab(main) == 1; }, 3000));
  memo.close(kTitle);
}

TEST_F(MemoTabsProgram, RenamesAndMovesReachTheDocumentAndTheProgramReopensOnTheLastTab) {
  setSetting("LastTab", "B");
  test::ProgramRun memo("Memo.exe");
  HWND main = startOn(memo, "memo.ntd", kThreeTabs);
  ASSERT_NE(main, nullptr);
  ASSERT_EQ(selectedTab(main), 1);
  command(main, memo::actTabNameChange);
  ASSERT_TRUE(answerInput(memo, "タブ名の変更"_sj, "名前"_sj));
  ASSERT_TRUE(test::waitUntil([&] { return tabNames(main) == Names{"A", "名前"_sj, "C"}; }));
  command(main, memo::mnuTabMoveLast);
  ASSERT_TRUE(test::waitUntil([&] { return tabNames(main) == Names{"A", "C", "名前"_sj}; }));
  EXPECT_EQ(selectedTab(main), 2);
  test::captureWindow(main, "memo_tabs_moved.png");
  memo.close(kTitle);

  std::string doc = base::readFile(memo.path("memo.ntd")).value_or("");
  size_t a = doc.find("A/*!/first"), c = doc.find("C/*!/third"), renamed = doc.find("名前/*!/second"_sj);
  ASSERT_NE(renamed, std::string::npos) << doc;
  EXPECT_LT(a, c);
  EXPECT_LT(c, renamed);
  EXPECT_EQ(lastTabSetting(), "名前"_sj);

  ASSERT_TRUE(memo.start());
  main = memo.waitForWindow(kTitle);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(test::waitUntil([&] { return IsWindowVisible(main) != 0; }));
  EXPECT_EQ(selectedTab(main), 2);
  wchar_t text[64] = {};
  SendMessageW(editorOf(main), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(std::wstring(text).substr(0, 6), L"second");
  memo.close(kTitle);
}

TEST_F(MemoTabsProgram, TheLastTabIsNeverDeleted) {
  test::ProgramRun memo("Memo.exe");
  HWND main = startOn(memo, "memo.ntd", typeIIDocument("メモ/*!/一行目\\CrLf%\r\n"_sj));
  ASSERT_NE(main, nullptr);
  command(main, memo::actDeleteTab);
  HWND box = memo.waitForWindow("タブ削除の確認"_sj);
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(test::dialogShows(box, "最後のタブは削除できません"_sj)) << test::dialogText(box);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(test::waitUntil([&] { return !IsWindow(box); }));
  EXPECT_EQ(tabNames(main), Names{"メモ"_sj});
  memo.close(kTitle);
  EXPECT_NE(base::readFile(memo.path("memo.ntd")).value_or("").find("メモ/*!/一行目"_sj), std::string::npos);
}

TEST_F(MemoTabsProgram, APlainTabSwitchedToRichTextIsSavedAsRtf) {
  test::ProgramRun memo("Memo.exe");
  HWND main = startOn(memo, "memo.ntd", typeIIDocument("A/*!/first\\CrLf%\r\nB/*!/second\\CrLf%\r\n"));
  ASSERT_NE(main, nullptr);
  command(main, memo::mnuRichText);
  command(main, memo::actNext);  // leaving the tab saves it
  ASSERT_TRUE(test::waitUntil([&] { return selectedTab(main) == 1; }));
  std::string doc = base::readFile(memo.path("memo.ntd")).value_or("");
  EXPECT_NE(doc.find("A/*!/{\\rtf1"), std::string::npos) << doc;
  EXPECT_NE(doc.find("B/*!/second"), std::string::npos) << doc;
  memo.close(kTitle);
}

TEST_F(MemoTabsProgram, TheStoredTabSideIsAppliedAtStart) {
  for (int side : {0, 2, 3}) {
    test::deleteUserKey(kKey);
    {
      shared::TRegistry r;
      ASSERT_TRUE(r.OpenKey(kKey, true));
      r.WriteInteger("TabPosition", side);
    }
    test::ProgramRun memo("Memo.exe");
    HWND main = startOn(memo, "memo.ntd", kThreeTabs);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(test::waitUntil([&] { return tabNames(main).size() == 3; }));  // settings read by then
    RECT tabs{}, editor{};
    GetWindowRect(tabsOf(main), &tabs);
    GetWindowRect(editorOf(main), &editor);
    // The editor leaves room for the tabs on their side only.
    EXPECT_EQ(editor.top - tabs.top > 10, side == 0) << side;
    EXPECT_EQ(editor.left - tabs.left > 10, side == 2) << side;
    EXPECT_EQ(tabs.right - editor.right > 10, side == 3) << side;
    EXPECT_EQ(tabs.bottom - editor.bottom > 10, false) << side;
    test::captureWindow(main, "memo_tabs_side" + std::to_string(side) + ".png");
    memo.close(kTitle);
  }
}

TEST_F(MemoTabsProgram, ThePreviousVersionsSettingsAreTakenOverOnceWithABox) {
  const char previous[] = "Software\\Quorvane\\Tavelo2";
  test::deleteUserKey(previous);
  test::ProgramRun memo("Memo.exe");
  memo.writeFile("memo.ntd", kThreeTabs);
  {
    shared::TRegistry r;
    ASSERT_TRUE(r.OpenKey(previous, true));
    r.WriteString("MemoFile", memo.path("memo.ntd"));
    r.WriteString("LastTab", "B");
    r.WriteInteger("FromWidth", 640);
    r.WriteInteger("TabPosition", 0);
  }
  const test::KeyDump before = dumpKey(previous);
  ASSERT_TRUE(memo.start());
  HWND box = memo.waitForWindow("設定データの継承"_sj);
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(test::dialogShows(box,
                                "旧バージョンのデータを自動的に継承します\r\n\r\nただし，[タブの位置] "
                                "[ウインドウの横幅] のデータは若干狂います\r\n手動で修正して下さい"_sj))
      << test::dialogText(box);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  HWND main = memo.waitForWindow(kTitle);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(test::waitUntil([&] { return selectedTab(main) == 1; }));
  EXPECT_TRUE(test::waitUntil([&] { return test::controlText(editorOf(main)).rfind("second", 0) == 0; }));
  RECT rc{};
  GetWindowRect(main, &rc);
  EXPECT_EQ(rc.right - rc.left, 640);
  {
    shared::TKzRegEx r;
    ASSERT_TRUE(r.OpenKeyReadOnly(kKey));  // written at once
    EXPECT_EQ(r.SafeReadString("MemoFile"), memo.path("memo.ntd"));
    EXPECT_EQ(r.SafeReadInteger("FromWidth"), 640);
    EXPECT_EQ(r.SafeReadInteger("TabPosition"), 0);
  }
  memo.close(kTitle);

  // The next start asks nothing.
  ASSERT_TRUE(memo.start());
  main = memo.waitForWindow(kTitle);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(test::waitUntil([&] { return IsWindowVisible(main) != 0; }));
  // The box would come before the window, and stay until answered.
  EXPECT_TRUE(test::windowsTitled("設定データの継承"_sj).empty());
  EXPECT_EQ(selectedTab(main), 1);
  memo.close(kTitle);
  EXPECT_EQ(dumpKey(previous), before);  // the previous version's key is left as it was
  test::deleteUserKey(previous);
}

}  // namespace
