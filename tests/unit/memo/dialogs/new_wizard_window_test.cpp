// The wizard's window: pages, path box and buttons bound to its rules.
#include "memo/dialogs/new_wizard.h"

#include <gtest/gtest.h>

#include <functional>

#include "base/files.h"
#include "base/text.h"
#include "support/e2e.h"
#include "support/temp_folder.h"
#include "ui/app.h"
#include "ui/timer.h"
#include "unit/memo/dialogs/scripted_wizard_host.h"

using namespace memo;
using memotest::ScriptedHost;

namespace {

bool shown(HWND dialog, int id) { return (GetWindowLongW(GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0; }

// Runs the wizard modally; act(step) runs on each tick of a 30 ms timer while it is open.
std::optional<NewDocumentChoice> runModal(TfrmNewWizard& w, const std::function<void(int step)>& act) {
  ui::Timer driver(30, true);
  int step = 0;
  driver.onTimer = [&] { act(++step); };
  return w.Execute();
}

class NewWizardWindow : public ::testing::Test {
 protected:
  NewWizardWindow() { ui::Application::instance().initialize("Tavelo for Windows 9x/NT", true); }
  test::TempFolder dir;
  ScriptedHost host;
};

TEST_F(NewWizardWindow, OpensOnTheFileNamePage) {
  TfrmNewWizard w(nullptr, &host);
  w.State.FileName = dir.file("given");
  ASSERT_TRUE(w.create());
  EXPECT_EQ(w.caption(), "新規作成ウィザード"_sj);
  EXPECT_EQ(w.edtFileName.text(), dir.file("given"));
  EXPECT_TRUE(shown(w.handle(), IDC_WIZ_FILENAME));
  EXPECT_FALSE(shown(w.handle(), IDC_WIZ_INTEGRATED));
  EXPECT_FALSE(w.btnPrevious.enabled());
  EXPECT_TRUE(w.rdbIntegrated.checked());
  EXPECT_FALSE(w.rdbSeparated.checked());
  EXPECT_EQ(SendMessageW(w.handle(), DM_GETDEFID, 0, 0) & 0xFFFF, IDC_WIZ_NEXT);
  w.close(IDCANCEL);
}

TEST_F(NewWizardWindow, NextAndPreviousChangePages) {
  TfrmNewWizard w(nullptr, &host);
  ASSERT_TRUE(w.create());
  w.edtFileName.setText(dir.file("notes.txt"));
  w.btnNext.click();
  EXPECT_EQ(w.edtFileName.text(), dir.file("notes.ntd"));
  EXPECT_TRUE(w.OnPage2());
  EXPECT_TRUE(shown(w.handle(), IDC_WIZ_SEPARATED));
  EXPECT_FALSE(shown(w.handle(), IDC_WIZ_FILENAME));
  EXPECT_TRUE(w.btnPrevious.enabled());
  w.btnHelp.click();
  w.btnPreviousClick();
  EXPECT_FALSE(w.OnPage2());
  EXPECT_TRUE(shown(w.handle(), IDC_WIZ_FILENAME));
  EXPECT_FALSE(w.btnPrevious.enabled());
  w.btnHelp.click();
  EXPECT_EQ(host.helps, (std::vector<std::pair<int, bool>>{{86, false}, {85, false}}));
  w.close(IDCANCEL);
}

TEST_F(NewWizardWindow, BothPagesAsShown) {
  TfrmNewWizard w(nullptr, &host);
  w.State.FileName = dir.file("notes");
  ASSERT_TRUE(w.create());
  ShowWindow(w.handle(), SW_SHOW);
  RECT client{};
  GetClientRect(w.handle(), &client);
  // About 417 x 257 pixels with the dialog font.
  EXPECT_NEAR(client.right, 417, 30);
  EXPECT_NEAR(client.bottom, 257, 30);
  ui::Application::instance().processMessages();
  EXPECT_FALSE(test::captureWindow(w.handle(), "memo_new_wizard_page1.png").empty());
  w.btnNext.click();
  ui::Application::instance().processMessages();
  EXPECT_FALSE(test::captureWindow(w.handle(), "memo_new_wizard_page2.png").empty());
  w.close(IDCANCEL);
}

TEST_F(NewWizardWindow, AnEmptyPathKeepsTheFirstPage) {
  TfrmNewWizard w(nullptr, &host);
  ASSERT_TRUE(w.create());
  w.btnNext.click();
  EXPECT_EQ(host.errors, std::vector<std::string>{"未指定|ファイルを指定して下さい"_sj});
  EXPECT_FALSE(w.OnPage2());
  w.close(IDCANCEL);
}

TEST_F(NewWizardWindow, BrowseFillsThePathBox) {
  TfrmNewWizard w(nullptr, &host);
  ASSERT_TRUE(w.create());
  host.chosen = dir.file("picked.ntd");
  w.Button1.click();
  EXPECT_EQ(w.edtFileName.text(), dir.file("picked.ntd"));
  w.close(IDCANCEL);
}

TEST_F(NewWizardWindow, ControlsGiveTheirShortHelp) {
  TfrmNewWizard w(nullptr, &host);
  ASSERT_TRUE(w.create());
  EXPECT_TRUE(GetWindowLongW(w.handle(), GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
  HELPINFO info{sizeof info, HELPINFO_WINDOW, IDC_WIZ_SEPARATED, w.rdbSeparated.handle(), 0, {0, 0}};
  SendMessageW(w.handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
  info.iCtrlId = IDC_WIZ_FILENAME;
  info.hItemHandle = w.edtFileName.handle();
  SendMessageW(w.handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(host.helps, (std::vector<std::pair<int, bool>>{{65, true}, {62, true}}));
  w.close(IDCANCEL);
}

TEST_F(NewWizardWindow, ModalRunEndsWithTheChosenDocument) {
  TfrmNewWizard w(nullptr, &host);
  w.State.FileName = dir.file("memo");
  auto chosen = runModal(w, [&](int step) {
    if (step == 2) SendMessageW(w.btnNext.handle(), BM_CLICK, 0, 0);
    if (step == 3) {
      SendMessageW(w.rdbSeparated.handle(), BM_CLICK, 0, 0);
      // Enter presses the default button, Next.
      PostMessageW(w.rdbSeparated.handle(), WM_KEYDOWN, VK_RETURN, 0);
    }
  });
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->path, dir.file("memo.ntd"));
  EXPECT_FALSE(chosen->typeII);
}

TEST_F(NewWizardWindow, CancelOnEitherPageGivesNoDocument) {
  for (int page : {1, 2}) {
    TfrmNewWizard w(nullptr, &host);
    w.State.FileName = dir.file("memo");
    EXPECT_FALSE(runModal(w, [&](int step) {
      if (step == 2 && page == 2) SendMessageW(w.btnNext.handle(), BM_CLICK, 0, 0);
      if (step == 3) SendMessageW(w.btnCancel.handle(), BM_CLICK, 0, 0);
    })) << page;
    EXPECT_EQ(w.State.OnPage2(), page == 2);
  }
  // Closing the window is the same as Cancel.
  TfrmNewWizard w(nullptr, &host);
  EXPECT_FALSE(runModal(w, [&](int) { PostMessageW(w.handle(), WM_CLOSE, 0, 0); }));
}

}  // namespace
