// A tab session on a strip and an editor of a plain window, with a host that records every save
// dialog and status text, the real memo file dialog and wizard, and every box and prompt answered
// from the test's lists; documents in a temp folder.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "ui/command_table.h"
#include "memo/dialogs/memo_file_dialog.h"
#include "memo/dialogs/new_wizard.h"
#include "memo/document/tab_session.h"
#include "memo/editor/rich_edit.h"
#include "memo/settings/memo_settings.h"
#include "support/temp_folder.h"
#include "ui/app.h"
#include "ui/form.h"
#include "ui/tab_control.h"
#include "unit/memo/answered_boxes.h"
#include "unit/memo/document/document_files.h"

namespace memotest {

// Its boxes, input boxes and save dialogs are recorded and answered as AnsweredBoxes says.
class TabSessionTest : public ::testing::Test, public AnsweredBoxes {
 protected:
  TabSessionTest() {
    ui::Application::instance().initialize("Tavelo for Windows 9x/NT", false);
    ui::Application::instance().resume();
    ui::FormParams p;
    p.clientWidth = 500;
    p.clientHeight = 300;
    EXPECT_TRUE(window.create(p));
    ui::ControlArgs tabs;
    tabs.width = 500;
    tabs.height = 300;
    tabs.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_MULTILINE;
    EXPECT_TRUE(strip.create(tabs));
    EXPECT_TRUE(editor.create(window.handle(), 2, WS_VISIBLE));
    MoveWindow(editor.handle(), 10, 40, 480, 250, FALSE);
    session = std::make_unique<memo::TabSession>(editor, strip, settings, host());
    session->bindCommands(commands);
    memo::TKzMemoManager& m = session->manager();
    m.BackupFolder = programDir.path();
    m.ShowError = [this](std::string_view text, std::string_view) { errors.emplace_back(text); };
    m.Confirm = [](std::string_view, std::string_view) { return false; };
  }
  ~TabSessionTest() override {
    session.reset();
    window.destroy();
  }

  // The document memo.ntd opened as it is, with lastTab shown; or written first.
  void open(const std::string& lastTab = "") {
    settings.MemoFile = dir.file("memo.ntd");
    settings.LastTab = lastTab;
    session->ReloadDocument();
  }
  void openTypeII(const std::string& tabLines, const std::string& lastTab = "") {
    write("memo.ntd", typeIIDocument(tabLines));
    open(lastTab);
  }
  std::string read(const std::string& name) { return base::readFile(dir.file(name)).value_or("<missing>"); }
  void write(const std::string& name, const std::string& bytes) {
    ASSERT_TRUE(base::writeFileAtomic(dir.file(name), bytes));
  }
  std::vector<std::string> documentTabs() { return storedTabs(dir.file("memo.ntd")); }
  std::string documentTab(const std::string& tab) { return storedTab(dir.file("memo.ntd"), tab); }
  std::vector<std::string> stripNames() { return session->tabNames(); }
  void type(const std::string& text) {
    for (wchar_t c : base::wide(text)) SendMessageW(editor.handle(), WM_CHAR, c, 1);
  }
  // A click on the strip, so that the change is asked for as the user asks for it.
  void clickTab(int index) {
    RECT r{};
    SendMessageW(strip.handle(), TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(strip.handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(strip.handle(), WM_LBUTTONUP, 0, at);
  }

  ui::Form window;
  ui::TabControl strip{&window, 1};
  memo::RichEdit editor;
  memo::TMemoSettings settings;
  ui::CommandTable commands;
  std::unique_ptr<memo::TabSession> session;
  test::TempFolder dir;
  test::TempFolder programDir;

  // What the host was told, and how it shows a tab.
  std::string status;
  bool plain = true;            // the form the host shows the tab in
  unsigned long long room = 0;  // the editor's room; 0: the process's own
  bool formatPlain = true;      // the format commands last offered

 private:
  memo::TabSession::Host host() {
    return {
        .window = [this] { return window.handle(); },
        .chooseSaveFile = [this](const std::string& title, const std::string& filter, const std::string& fileName,
                                 const std::string&) { return answerSave(title, filter, fileName); },
        .chooseMemoFile = [this](const std::string& current) { return memo::chooseMemoFile(window.handle(), current); },
        .chooseNewDocument =
            [this](const std::string& prefill) {
              memo::TfrmNewWizard wizard(window.handle());
              wizard.State.FileName = prefill;
              return wizard.Execute();
            },
        .editorRoom = [this] { return room ? room : memo::RichEdit::freeAddressSpace(); },
        .showStatus = [this](const std::string& text) { status = text; },
        .layout = [] {},
        .closing = [] { return false; },
        .plainMode = [this] { return plain; },
        .showContent =
            [this](const std::string& content, bool isPlain) {
              plain = isPlain;
              editor.loadContent(content);
            },
        .showFormat = [this](bool isPlain) { formatPlain = isPlain; },
        .refilled = [] {},
    };
  }
};

}  // namespace memotest
