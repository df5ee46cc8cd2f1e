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
#include "shared/registry.h"
#include "timing.h"

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
    form = std::make_unique<memo::TfrmMain>();
    form->SettingsKey = key;
    form->PreviousSettingsKey = key + "Old";
    form->QuitOnDestroy = false;
    form->session().manager().BackupFolder = backupFolder;
    form->AskUser = [](HWND, std::string_view, std::string_view, UINT) { return IDOK; };
    if (!form->Create()) form.reset();
  }
  ~MemoWindow() {
    form.reset();
    removeKeys();
  }
  std::unique_ptr<memo::TfrmMain> form;  // empty when the window could not be made

 private:
  void removeKeys() {
    RegDeleteTreeW(HKEY_CURRENT_USER, base::wide(key_).c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, base::wide(key_ + "Old").c_str());
  }
  std::string key_;
};

}  // namespace bench
