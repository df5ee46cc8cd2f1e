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

// F10 and the settings dialog with its tab list, once its pages are made (the dialog has its title
// before them); a null list when it does not come.
struct SettingsDialog {
  HWND dialog = nullptr;
  HWND list = nullptr;
};
SettingsDialog openSettings(test::ProgramRun& memo, HWND main) {
  pressKeys(main, {VK_F10});
  SettingsDialog s;
  s.dialog = memo.waitForDialog("環境設定 - Tavelo 3"_sj);
  if (s.dialog) test::waitUntil([&] { return (s.list = test::descendantById(s.dialog, IDC_MCFG_TABLIST)) != nullptr; });
  return s;
}

TEST(MemoConfigProgram, F10OpensTheSettingsAndOkAppliesTheNewTabOrder) {
  test::deleteUserKey(kKey);
  test::ProgramRun memo("Memo.exe");
  HWND main = startOn(memo, "order.ntd", typeIIDocument("A/*!/a\r\nB/*!/b\r\nC/*!/c\r\n"));
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(test::waitUntil([&] { return tabNames(main).size() == 3; }));
  const SettingsDialog settings = openSettings(memo, main);
  HWND dialog = settings.dialog, list = settings.list;
  ASSERT_NE(list, nullptr);
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
    const SettingsDialog settings = openSettings(memo, main);
    HWND dialog = settings.dialog, list = settings.list;
    ASSERT_NE(list, nullptr);
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
