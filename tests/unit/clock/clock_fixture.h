// The clock window created in-process with fakes in place of the power calls and the shell, and
// a small system menu file, for the tests of commands and input.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "clock/app/main_form.h"
#include "support/keys.h"
#include "support/temp_folder.h"
#include "support/test_key.h"
#include "ui/app.h"

namespace test {

class FakePower : public tockle::IPowerControl {
 public:
  bool privilege = true;
  bool succeed = true;
  std::vector<UINT> exitFlags;
  struct State {
    bool suspend, force;
  };
  std::vector<State> powerStates;
  bool EnableShutdownPrivilege() override { return privilege; }
  bool ExitWindowsNow(UINT flags) override {
    exitFlags.push_back(flags);
    return succeed;
  }
  bool SetPowerState(bool suspend, bool force) override {
    powerStates.push_back({suspend, force});
    return succeed;
  }
  size_t calls() const { return exitFlags.size() + powerStates.size(); }
};

struct ShellCall {
  std::string file, params, folder;
};

// Drains a quit request left by a clock window destroyed in an earlier test: it would end the
// modal loops of this one.
inline void drainQuit() {
  MSG m;
  while (PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

inline std::vector<tockle::SystemMenuRecord> smallSystemMenu() {
  return {{"nil", "常に手前"_sj, 1, 1, 5},  {"nil", "隠す"_sj, 1, 1, 7},     {"nil", "電源"_sj, 0, 0, 0},
          {"電源"_sj, "終了"_sj, 1, 1, 10}, {"nil", "-", 2, 2, -1},          {"nil", "サイズ"_sj, 1, 1, 15},
          {"nil", "合わせる"_sj, 1, 1, 16}, {"nil", "環境設定"_sj, 1, 1, 8}, {"nil", "終了(&X)"_sj, 1, 1, 22}};
}

class ClockFixture : public testing::Test {
 protected:
  void SetUp() override {
    ui::Application::instance().initialize("Tockle 3 for Windows 9x/NT", true);
    drainQuit();
    form.ProgramFolder = folder.path();
    form.RegistryKey = key.path();
    form.PreviousRegistryKey = oldKey.path();
    writeFile("_system3", tockle::encodeSystemMenu(smallSystemMenu()));
    form.Power = &power;
    form.ShellOpen = [this](HWND, const std::string& f, const std::string& p, const std::string& d) {
      shell.push_back({f, p, d});
    };
    ASSERT_TRUE(form.Create());
    // A time synchronisation asks a port on this machine where nobody answers.
    form.Settings.NTPServer = "127.0.0.1";
    form.Settings.TimeOut = 100;
    form.ntNetTime.Port = 9;
  }
  void TearDown() override {
    form.destroy();
    drainQuit();
  }
  void writeFile(const std::string& name, const std::string& bytes) { base::writeFileAtomic(folder.file(name), bytes); }
  TempFolder folder;
  TestKey key{"Commands"};
  TestKey oldKey{"CommandsOld"};
  FakePower power;
  std::vector<ShellCall> shell;
  tockle::TfrmMain form;
};

}  // namespace test
