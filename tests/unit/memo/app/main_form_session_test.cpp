// What the memo window gives its tab session, in-process.
#include <gtest/gtest.h>

#include "base/text.h"
#include "memo/chrome/commands.h"
#include "ui/timer.h"
#include "unit/memo/main_form_fixture.h"

namespace {

using memotest::MainFormTest;

// The session reaches the memo file dialog through its host: a dialog of the window.
TEST_F(MainFormTest, AnotherMemoFileIsChosenInADialogOfTheWindow) {
  write("memo.ntd", typeII("A/*!/a\\CrLf%\r\n"));
  start(dir.file("memo.ntd"));
  HWND owner = nullptr;
  ui::Timer user(30, true);
  user.onTimer = [&] {
    HWND dialog = FindWindowW(nullptr, base::wide("メモファイルの指定"_sj).c_str());
    if (!dialog || owner) return;
    owner = GetWindow(dialog, GW_OWNER);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  };
  ASSERT_TRUE(form->ExecuteCommand(memo::mnuSetMemoFile));
  user.setEnabled(false);
  EXPECT_EQ(owner, form->handle());
  EXPECT_EQ(form->Settings.MemoFile, dir.file("memo.ntd"));
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
