// What the memo benchmarks share: timing a piece of work, and the memo window opened on a document
// with its settings under a key of their own.
#pragma once

#include <windows.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/text.h"
#include "memo/app/main_form.h"
#include "memo/document/tab_session.h"
#include "shared/prompts.h"
#include "shared/registry.h"
#include "timing.h"
#include "ui/app.h"

namespace bench {

struct Figures {
  double best, median;
};

// runs timings of work, each after an untimed before.
inline Figures measure(int runs, const std::function<void()>& work, const std::function<void()>& before = nullptr) {
  std::vector<double> t;
  for (int i = 0; i < runs; ++i) {
    if (before) before();
    t.push_back(millis(work));
  }
  std::sort(t.begin(), t.end());
  return {t.front(), t[t.size() / 2]};
}

// Every box answered at once with one answer (counted), every input box cancelled: a measurement
// never waits for a user. Installed for its lifetime.
class QuietPrompts : public shared::Prompts {
 public:
  explicit QuietPrompts(int answer = IDOK) : answer_(answer) { shared::setPrompts(this); }
  ~QuietPrompts() override { shared::setPrompts(nullptr); }
  int ask(HWND, std::string_view, std::string_view, UINT) override { return ++asked, answer_; }
  bool inputQuery(HWND, const std::string&, const std::string&, std::string&) override { return false; }
  int asked = 0;

 private:
  int answer_;
};

// The memo window on document, its number settings (name, value) written under key first; the key goes
// with the window.
class MemoWindow {
 public:
  MemoWindow(const std::string& key, const std::string& document, const std::string& backupFolder,
             const std::vector<std::pair<std::string, int>>& settings = {})
      : key_(key) {
    removeKeys();
    {
      shared::TRegistry r;
      if (r.OpenKey(key, true)) {
        r.WriteString("MemoFile", document);
        for (const auto& [name, value] : settings) r.WriteInteger(name, value);
      }
    }
    ui::Application::instance().resume();  // a window closed before ended the loop with it
    form = std::make_unique<memo::TfrmMain>();
    form->SettingsKey = key;
    form->PreviousSettingsKey = key + "Old";
    form->session().manager().BackupFolder = backupFolder;
    if (!form->Create()) form.reset();
  }
  ~MemoWindow() {
    form.reset();
    removeKeys();
  }
  QuietPrompts prompts;
  std::unique_ptr<memo::TfrmMain> form;  // empty when the window could not be made

 private:
  void removeKeys() {
    RegDeleteTreeW(HKEY_CURRENT_USER, base::wide(key_).c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, base::wide(key_ + "Old").c_str());
  }
  std::string key_;
};

}  // namespace bench
