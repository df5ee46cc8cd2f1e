// The real memo program's settings dialog: F10 opens it, the tab list is reordered with its
// buttons, OK changes the document's tab order on disk, and Cancel or Esc changes nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include "base/files.h"
#include "base/text.h"
#include "memo/dialogs/config_ids.h"
#include "support/e2e.h"
#include "support/memo_e2e.h"

namespace {

using namespace memoe2e;

TEST(MemoConfigProgram, F10OpensTheSettingsAndOkAppliesTheNewTabOrder) {
  test::deleteUserKey(kKey);
  test::ProgramRun memo("Memo.exe");
  HWND main = startOn(memo, "order.ntd", typeIIDocument("A/*!/a\r\nB/*!/b\r\nC/*!/c\r\n"));
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(test::waitUntil([&] { return tabNames(main).size() == 3; }));
  pressKeys(main, {VK_F10});
  HWND dialog = memo.waitForDialog("環境設定 - Tavelo 3"_sj);
  ASSERT_NE(dialog, nullptr);
  // The dialog has its title before its pages are made.
  HWND list = nullptr;
  ASSERT_TRUE(test::waitUntil([&] { return (list = test::descendantById(dialog, IDC_MCFG_TABLIST)) != nullptr; }));
  EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 3);
  SendMessageW(list, LB_SETCURSEL, 0, 0);
  SendMessageW(test::descendantById(dialog, IDC_MCFG_DOWN), BM_CLICK, 0, 0);
  SendMessageW(test::descendantById(dialog, IDC_MCFG_DOWN), BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 2);
  click(dialog, IDOK);
  ASSERT_TRUE(test::waitUntil([&] { return !IsWindow(dialog); }));
  EXPECT_EQ(tabNames(main), (std::vector<std::string>{"B", "C", "A"}));
  memo.close(kTitle);
  std::string doc = base::readFile(memo.path("order.ntd")).value_or("");
  EXPECT_LT(doc.find("B/*!/"), doc.find("C/*!/"));
  EXPECT_LT(doc.find("C/*!/"), doc.find("A/*!/"));
  test::deleteUserKey(kKey);
}

TEST(MemoConfigProgram, CancelAndEscapeCloseTheSettingsWithNothingApplied) {
  test::deleteUserKey(kKey);
  test::ProgramRun memo("Memo.exe");
  HWND main = startOn(memo, "keep.ntd", typeIIDocument("A/*!/a\r\nB/*!/b\r\n"));
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(test::waitUntil([&] { return tabNames(main).size() == 2; }));
  // The cancel button's own click, then the Esc key.
  for (bool byKey : {false, true}) {
    pressKeys(main, {VK_F10});
    HWND dialog = memo.waitForDialog("環境設定 - Tavelo 3"_sj);
    ASSERT_NE(dialog, nullptr);
    HWND list = nullptr;
    ASSERT_TRUE(test::waitUntil([&] { return (list = test::descendantById(dialog, IDC_MCFG_TABLIST)) != nullptr; }));
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    SendMessageW(test::descendantById(dialog, IDC_MCFG_DOWN), BM_CLICK, 0, 0);
    if (byKey)
      pressKeys(dialog, {VK_ESCAPE});
    else
      PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_TRUE(test::waitUntil([&] { return !IsWindow(dialog); })) << (byKey ? "Esc" : "キャンセル"_sj);
    EXPECT_EQ(tabNames(main), (std::vector<std::string>{"A", "B"}));
  }
  memo.close(kTitle);
  std::string doc = base::readFile(memo.path("keep.ntd")).value_or("");
  EXPECT_LT(doc.find("A/*!/"), doc.find("B/*!/"));
  test::deleteUserKey(kKey);
}

}  // namespace
