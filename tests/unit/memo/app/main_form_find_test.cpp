// The find and replace dialogs of the memo window in-process: the system's own dialogs, their
// buttons pressed, the walk through the document's tabs.
#include <windows.h>

#include <dlgs.h>
#include <gtest/gtest.h>

#include "base/text.h"
#include "memo/chrome/commands.h"
#include "memo/find/tab_find.h"
#include "unit/memo/main_form_fixture.h"

namespace {

class MemoFind : public memotest::MainFormTest {
 protected:
  void SetUp() override {
    MainFormTest::SetUp();
    write("memo.ntd", typeII("一/*!/first\\CrLf%\r\n二/*!/{\\rtf1\\ansi hidden needle}\\CrLf%\r\n"
                             "三/*!/third ドh\\CrLf%\r\n"_sj));
    start(dir.file("memo.ntd"));
  }
  void press(HWND dialog, int button) { SendMessageW(GetDlgItem(dialog, button), BM_CLICK, 0, 0); }
};

TEST_F(MemoFind, TheFindDialogOpensBelowTheWindowsMiddleAndFindsInARichTabFurtherOn) {
  form->ExecuteCommand(memo::mnuFind);
  HWND dialog = form->find().fndFind.handle();
  ASSERT_TRUE(dialog && IsWindowVisible(dialog));
  RECT main{}, box{};
  GetWindowRect(form->handle(), &main);
  GetWindowRect(dialog, &box);
  EXPECT_EQ(main.left, box.left);
  EXPECT_EQ(main.top + (main.bottom - main.top) / 2, box.top);
  SetDlgItemTextW(dialog, edt1, L"NEEDLE");
  press(dialog, IDOK);
  EXPECT_EQ(1, form->session().selectedTab());
  EXPECT_EQ("needle", form->rceMemo.selectedText());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(MemoFind, ReplaceAllChangesEveryTabOnceAndSavesThoseItLeaves) {
  form->ExecuteCommand(memo::mnuReplace);
  HWND dialog = form->find().rpdReplace.handle();
  ASSERT_TRUE(dialog);
  SetDlgItemTextW(dialog, edt1, L"h");
  SetDlgItemTextW(dialog, edt2, L"x");
  SendMessageW(GetDlgItem(dialog, chx2), BM_SETCHECK, BST_CHECKED, 0);  // match case
  press(dialog, psh2);                                                  // replace all
  // From the first tab the walk has done every tab at the last: no wrap, no question.
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(2, form->session().selectedTab());
  EXPECT_EQ("first\r\n", documentTab("memo.ntd", "一"_sj));
  EXPECT_NE(std::string::npos, documentTab("memo.ntd", "二"_sj).find("xidden needle"));  // a rich tab too
  EXPECT_EQ("txird ドx\r\n"_sj, form->rceMemo.text());
}

}  // namespace
