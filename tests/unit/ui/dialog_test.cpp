// Dialogs from templates: controls routed by id, the modal loop, the owner disabled meanwhile.
#include "ui/dialog.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "ui/app.h"
#include "ui/form.h"
#include "ui/modal_scope.h"
#include "ui/msgbox.h"
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
  ui::Button btnCancel{this, IDCANCEL};  // no click handler, as many dialogs have
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

// Cancel reaches the dialog through its button or its key, however the button is wired.
struct CancelWay {
  const char* name;
  bool handler;  // the cancel button has a click handler of its own (that does not close)
  void (*send)(TestDialog& dlg);
};

class DialogCancel : public testing::TestWithParam<CancelWay> {};

TEST_P(DialogCancel, ClosesWithNothingTaken) {
  TestDialog dlg(makeOwner());
  int clicks = 0;
  if (GetParam().handler) dlg.btnCancel.onClick = [&] { ++clicks; };
  ui::Timer driver(50, true);
  int ticks = 0;
  driver.onTimer = [&] {
    if (++ticks == 2) GetParam().send(dlg);
    if (ticks == 40) dlg.close(IDABORT);  // never reached while the cancel works
  };
  EXPECT_EQ(dlg.showModal(), GetParam().handler ? IDABORT : IDCANCEL);
  EXPECT_EQ(dlg.taken, "");
  EXPECT_EQ(clicks, GetParam().handler ? 1 : 0);
}

void clickCancel(TestDialog& d) { SendMessageW(d.btnCancel.handle(), BM_CLICK, 0, 0); }
void pressEscape(TestDialog& d) {
  d.edtName.setFocus();
  PostMessageW(d.edtName.handle(), WM_KEYDOWN, VK_ESCAPE, 1);
}

INSTANTIATE_TEST_SUITE_P(Ways, DialogCancel,
                         testing::Values(CancelWay{"ButtonWithoutHandler", false, clickCancel},
                                         CancelWay{"EscapeWithoutHandler", false, pressEscape},
                                         // A handler of its own decides (here: it keeps the dialog).
                                         CancelWay{"ButtonWithHandler", true, clickCancel}),
                         [](const auto& info) { return std::string(info.param.name); });

// Every modal window disables the program's other visible windows, whoever owns it.
struct ModalWindow {
  const char* name;
  void (*show)(HWND other);  // returns once the window was closed from inside
  bool ownedByOther;         // then the other window is active again afterwards
};

void showOwnerlessDialog(HWND) {
  TestDialog dlg(nullptr);
  ui::Timer driver(150, true);
  driver.onTimer = [&] { dlg.close(IDOK); };
  dlg.showModal();
}

void showMessageBoxOwnedBy(HWND owner) {
  ui::Timer driver(150, true);
  driver.onTimer = [] {
    HWND box = FindWindowW(L"#32770", L"箱");
    if (box) PostMessageW(box, WM_COMMAND, IDOK, 0);
  };
  ui::messageBox(owner, "本文"_sj, "箱"_sj, MB_OK);
}
void showMessageBox(HWND) { showMessageBoxOwnedBy(nullptr); }

class ModalWindows : public testing::TestWithParam<ModalWindow> {};

TEST_P(ModalWindows, DisableTheOtherWindowsWhileOpen) {
  makeOwner();
  ui::Form other;
  ASSERT_TRUE(other.create({}));
  other.show();
  SetActiveWindow(other.handle());
  bool disabledMeanwhile = false, modalMeanwhile = false;
  ui::Timer watch(20, true);
  watch.onTimer = [&] {
    disabledMeanwhile = disabledMeanwhile || !IsWindowEnabled(other.handle());
    modalMeanwhile = modalMeanwhile || ui::modalOpen();
  };
  GetParam().show(other.handle());
  EXPECT_TRUE(disabledMeanwhile);
  EXPECT_TRUE(modalMeanwhile);
  EXPECT_TRUE(IsWindowEnabled(other.handle()));
  EXPECT_FALSE(ui::modalOpen());
  // The owner takes the activation back, not some other program's window.
  if (GetParam().ownedByOther) EXPECT_EQ(GetActiveWindow(), other.handle());
}

INSTANTIATE_TEST_SUITE_P(Kinds, ModalWindows,
                         testing::Values(ModalWindow{"OwnerlessDialog", showOwnerlessDialog, false},
                                         ModalWindow{"MessageBox", showMessageBox, false},
                                         ModalWindow{"OwnedMessageBox", showMessageBoxOwnedBy, true}),
                         [](const auto& info) { return std::string(info.param.name); });

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
