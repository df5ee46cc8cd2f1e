// Dialogs from templates: controls routed by id, the modal loop, the owner disabled meanwhile.
#include "ui/dialog.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "ui/app.h"
#include "ui/timer.h"

namespace {

class TestDialog : public ui::Dialog {
 public:
  explicit TestDialog(HWND owner) : Dialog(owner, 100) {
    btnOk.onClick = [this] { btnOkClick(); };
    onCreate = [this] { edtName.setText("あいう"_sj); };
  }
  ui::Edit edtName{this, 101};
  ui::CheckBox chkNotify{this, 102};
  ui::Button btnOk{this, IDOK};
  std::string taken;
  bool ownerDisabledWhileOpen = false;
  HWND ownerToWatch = nullptr;

 private:
  void btnOkClick() {
    taken = edtName.text();
    ownerDisabledWhileOpen = ownerToWatch && !IsWindowEnabled(ownerToWatch);
    close(IDOK);
  }
};

HWND makeOwner() {
  ui::Application::instance().initialize("Tockle 3 for Windows 9x/NT", true);
  return ui::Application::instance().handle();
}

TEST(Dialog, ModalLoopRoutesClicksAndAnswersTheResult) {
  HWND owner = makeOwner();
  TestDialog dlg(owner);
  dlg.ownerToWatch = owner;
  int hookSaw = 0;
  ui::Application::instance().onMessage = [&](MSG& m) {
    if (m.message == WM_TIMER) ++hookSaw;
    return false;
  };
  ui::Timer driver(50, true);
  int step = 0;
  driver.onTimer = [&] {
    if (++step == 2) {
      EXPECT_EQ(dlg.caption(), "テスト - Tockle 3"_sj);
      SendMessageW(dlg.chkNotify.handle(), BM_CLICK, 0, 0);
      dlg.edtName.setText(dlg.edtName.text() + "x");
      SendMessageW(dlg.btnOk.handle(), BM_CLICK, 0, 0);
    }
  };
  EXPECT_EQ(dlg.showModal(), IDOK);
  ui::Application::instance().onMessage = nullptr;
  EXPECT_EQ(dlg.taken, "あいうx"_sj);
  EXPECT_TRUE(dlg.ownerDisabledWhileOpen);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(dlg.handle(), nullptr);
  EXPECT_GT(hookSaw, 0);
}

TEST(Dialog, EscapeCancelsAndCloseQueryCanRefuse) {
  HWND owner = makeOwner();
  TestDialog dlg(owner);
  int asked = 0;
  dlg.onCloseQuery = [&] { return ++asked > 1; };
  ui::Timer driver(50, true);
  driver.onTimer = [&] { PostMessageW(dlg.handle(), WM_COMMAND, IDCANCEL, 0); };
  EXPECT_EQ(dlg.showModal(), IDCANCEL);
  EXPECT_EQ(asked, 2);
}

TEST(Dialog, ModelessDialogClosesItself) {
  makeOwner();
  TestDialog dlg(nullptr);
  ASSERT_TRUE(dlg.create());
  EXPECT_TRUE(IsWindow(dlg.handle()));
  EXPECT_EQ(dlg.edtName.text(), "あいう"_sj);
  dlg.close(IDCANCEL);
  EXPECT_EQ(dlg.handle(), nullptr);
}

}  // namespace
