// The memo window in-process on documents in a temp folder, with its settings under test keys
// and every box it asks with answered by the test (through the prompt service).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "memo/app/main_form.h"
#include "memo/document/tab_session.h"
#include "support/classes_root.h"
#include "unit/memo/answered_boxes.h"
#include "unit/memo/document/document_files.h"
#include "support/temp_folder.h"
#include "support/test_key.h"
#include "ui/app.h"

namespace memotest {

class MainFormTest : public ::testing::Test, public AnsweredBoxes {
 protected:
  // A memo window closed in an earlier test may have ended the application's loops.
  void SetUp() override {
    ui::Application::instance().initialize("Tavelo for Windows 9x/NT", false);
    ui::Application::instance().resume();
  }
  void TearDown() override { form.reset(); }

  void setting(const char* name, const std::string& value) {
    shared::TRegistry r;
    ASSERT_TRUE(r.OpenKey(key.path(), true));
    r.WriteString(name, value);
  }
  std::string readSetting(const char* name) {
    shared::TRegistry r;
    if (!r.OpenKeyReadOnly(key.path()) || !r.ValueExists(name)) return "<missing>";
    return r.ReadString(name);
  }

  // A window on the document; its boxes are recorded as "caption|text" and answered from
  // answers (IDOK when none is left), its input boxes from inputs (Cancel when none is left).
  void start(const std::string& doc, const std::string& lastTab = "") {
    if (!doc.empty()) setting("MemoFile", doc);
    if (!lastTab.empty()) setting("LastTab", lastTab);
    // A window closed earlier in the test ended the application's loop with it.
    ui::Application::instance().resume();
    form = std::make_unique<memo::TfrmMain>();
    form->SettingsKey = key.path();
    form->PreviousSettingsKey = previousKey.path();
    form->session().manager().BackupFolder = programDir.path();
    form->session().manager().ShowError = [this](std::string_view text, std::string_view) {
      errors.emplace_back(text);
    };
    form->session().manager().Confirm = [this](std::string_view text, std::string_view caption) {
      boxes.push_back(std::string(caption) + "|" + std::string(text));
      int a = answers.empty() ? IDNO : answers.front();
      if (!answers.empty()) answers.pop_front();
      return a == IDYES;
    };
    ASSERT_TRUE(form->Create());
  }

  std::string typeII(const std::string& tabLines) { return typeIIDocument(tabLines); }
  std::string read(const std::string& name) { return base::readFile(dir.file(name)).value_or("<missing>"); }
  void write(const std::string& name, const std::string& bytes) {
    ASSERT_TRUE(base::writeFileAtomic(dir.file(name), bytes));
  }
  // The tabs of the document on disk, and one tab's content, as a fresh manager reads them.
  std::vector<std::string> documentTabs(const std::string& name) { return storedTabs(dir.file(name)); }
  std::string documentTab(const std::string& name, const std::string& tab) { return storedTab(dir.file(name), tab); }
  std::vector<std::string> stripNames() {
    std::vector<std::string> names;
    for (int i = 0; i < form->session().tabCount(); ++i) names.push_back(form->session().tabName(i));
    return names;
  }

  test::TestKey key{"MemoMainForm"};
  // Every first start registers the document type: into a key of the test's own.
  test::ClassesRoot classes{"MemoMainFormClasses"};
  test::TestKey previousKey{"MemoMainFormPrevious"};
  test::TempFolder dir;
  test::TempFolder programDir;
  std::unique_ptr<memo::TfrmMain> form;
};

}  // namespace memotest
