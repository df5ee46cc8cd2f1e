// A tab session on a strip and an editor of a plain window, with a host that records every box,
// prompt and status text and answers them from the test's lists; documents in a temp folder.
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
#include "memo/chrome/command_table.h"
#include "memo/document/tab_session.h"
#include "memo/editor/rich_edit.h"
#include "memo/settings/memo_settings.h"
#include "support/temp_folder.h"
#include "ui/app.h"
#include "ui/form.h"
#include "ui/tab_control.h"
#include "unit/memo/document/document_files.h"

namespace memotest {

class TabSessionTest : public ::testing::Test {
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

  // The document file (doc.ntd) written, then opened with lastTab shown.
  void open(const std::string& bytes, const std::string& lastTab = "") {
    write("memo.ntd", bytes);
    settings.MemoFile = dir.file("memo.ntd");
    settings.LastTab = lastTab;
    session->ReloadDocument();
  }
  void openTypeII(const std::string& tabLines, const std::string& lastTab = "") {
    open(typeIIDocument(tabLines), lastTab);
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
  memo::CommandTable commands;
  std::unique_ptr<memo::TabSession> session;
  test::TempFolder dir;
  test::TempFolder programDir;

  // What the host was asked and told. Boxes "caption|text", answered from answers (IDOK when
  // none is left); prompts "caption|value" answered from inputs (Cancel when none is left), and
  // save dialogs "title|filter|name" answered with savePath.
  std::vector<std::string> errors;
  std::vector<std::string> boxes;
  std::deque<int> answers;
  std::vector<std::string> prompts;
  std::deque<std::string> inputs;
  std::optional<std::string> savePath;
  std::string status;
  bool plain = true;            // the form the host shows the tab in
  unsigned long long room = 0;  // the editor's room; 0: the process's own
  bool formatPlain = true;      // the format commands last offered

 private:
  memo::TabSessionHost host() {
    return {
        .owner = [this] { return window.handle(); },
        .ask =
            [this](std::string_view text, std::string_view caption, UINT) {
              boxes.push_back(std::string(caption) + "|" + std::string(text));
              if (answers.empty()) return IDOK;
              int a = answers.front();
              answers.pop_front();
              return a;
            },
        .inputQuery =
            [this](const std::string& caption, const std::string&, std::string& value) {
              prompts.push_back(caption + "|" + value);
              if (inputs.empty()) return false;
              value = inputs.front();
              inputs.pop_front();
              return true;
            },
        .chooseSaveFile = [this](const std::string& title, const std::string& filter, const std::string& fileName,
                                 const std::string&) -> std::optional<std::string> {
          prompts.push_back(title + "|" + filter + "|" + fileName);
          return savePath;
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
