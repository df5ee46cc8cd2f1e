// The clock window created in-process on a fresh folder and test keys, with fakes where it would
// touch the host.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "clock/app/main_form.h"
#include "clock/config/config_dialog.h"
#include "clock/power/power.h"
#include "support/fake_prompts.h"
#include "support/keys.h"
#include "support/temp_folder.h"
#include "support/test_key.h"
#include "ui/app.h"

namespace test {

// Stands in for the power calls while it lives.
class FakePower : public tockle::IPowerControl {
 public:
  FakePower() { tockle::setPowerControl(this); }
  ~FakePower() override { tockle::setPowerControl(nullptr); }
  FakePower(const FakePower&) = delete;
  FakePower& operator=(const FakePower&) = delete;
  bool privilege = true;
  bool succeed = true;
  std::vector<UINT> exitFlags;
  struct State {
    bool suspend, force;
  };
  std::vector<State> powerStates;
  // Runs at the moment of each call that would block.
  std::function<void()> onCall;
  bool EnableShutdownPrivilege() override { return privilege; }
  bool ExitWindowsNow(UINT flags) override {
    if (onCall) onCall();
    exitFlags.push_back(flags);
    return succeed;
  }
  bool SetPowerState(bool suspend, bool force) override {
    if (onCall) onCall();
    powerStates.push_back({suspend, force});
    return succeed;
  }
  size_t calls() const { return exitFlags.size() + powerStates.size(); }
};

struct ShellCall {
  std::string file, params, folder;
};

inline std::vector<tockle::SystemMenuRecord> smallSystemMenu() {
  return {{"nil", "常に手前"_sj, 1, 1, 5},  {"nil", "隠す"_sj, 1, 1, 7},     {"nil", "電源"_sj, 0, 0, 0},
          {"電源"_sj, "終了"_sj, 1, 1, 10}, {"nil", "-", 2, 2, -1},          {"nil", "サイズ"_sj, 1, 1, 15},
          {"nil", "合わせる"_sj, 1, 1, 16}, {"nil", "環境設定"_sj, 1, 1, 8}, {"nil", "終了(&X)"_sj, 1, 1, 22}};
}

// The one fixture of the clock window in-process: a fresh program folder with a small system menu
// file (without one the start-up stops at an error box), test keys, and fakes in place of the
// power calls, the shell, the boxes it asks with and the battery, and the settings dialog only made. Tests make their
// window with make() or start(), or point one of their own at all this with prepare().
class ClockWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    // A clock window closed in an earlier test ended the application's loops, as it ends the program.
    ui::Application::instance().initialize("Tockle 3 for Windows 9x/NT", true);
    ui::Application::instance().resume();
    writeFile("_system3", tockle::encodeSystemMenu(smallSystemMenu()));
    // The command list that comes with the program (the settings dialog cannot open without it).
    if (auto commands = base::readFile(base::programFolder() + "_command")) writeFile("_command", *commands);
    prompts.answer = [this](const FakePrompts::Box& box) {
      ++asked;
      askedCaption = box.caption;
      return answer;
    };
    // The settings dialog is created and loaded but not shown modally.
    tockle::setConfigDialogShow([](tockle::TfrmConfig&) {});
  }
  void TearDown() override {
    window.reset();
    tockle::setConfigDialogShow(nullptr);
    ui::Application::instance().resume();
  }
  void prepare(tockle::TfrmMain& form) {
    form.ProgramFolder = folder.path();
    form.RegistryKey = key.path();
    form.PreviousRegistryKey = oldKey.path();
    form.ShellOpen = [this](HWND, const std::string& f, const std::string& p, const std::string& d) {
      shell.push_back({f, p, d});
      return shellError;
    };
    form.ReadPowerStatus = [this](SYSTEM_POWER_STATUS& s) {
      s = battery;
      return true;
    };
  }
  // A clock window on all this, not yet created.
  tockle::TfrmMain& make() {
    window = std::make_unique<tockle::TfrmMain>();
    prepare(*window);
    return *window;
  }
  // Made and created, as the program starts it; end() closes it again (which saves).
  tockle::TfrmMain& start() {
    EXPECT_TRUE(make().Create());
    return *window;
  }
  void end() { window.reset(); }
  void writeFile(const std::string& name, const std::string& bytes) { base::writeFileAtomic(folder.file(name), bytes); }

  TempFolder folder;
  TestKey key{"Clock"};
  TestKey oldKey{"ClockOld"};
  FakePower power;
  // The boxes the clock asks with: counted, the last caption kept, answered with answer.
  FakePrompts prompts;
  std::vector<ShellCall> shell;
  // What the shell answers the next starts (0: started).
  int shellError = 0;
  int asked = 0;
  std::string askedCaption;
  int answer = IDNO;
  SYSTEM_POWER_STATUS battery{1, 8, 80, 0, 0, 0};
  std::unique_ptr<tockle::TfrmMain> window;
};

// The window created before each test, its time synchronisation pointed at a port on this machine
// where nobody answers.
class ClockFixture : public ClockWindowTest {
 protected:
  void SetUp() override {
    ClockWindowTest::SetUp();
    ASSERT_TRUE(form.Create());
    form.Settings.NTPServer = "127.0.0.1";
    form.Settings.TimeOut = 100;
    form.ntNetTime.Port = 9;
  }
  tockle::TfrmMain& form = make();
};

}  // namespace test
