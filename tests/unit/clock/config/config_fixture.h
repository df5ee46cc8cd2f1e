// The settings dialog over a host of its own, with no clock window: the clock's settings value, alarms on a
// fresh folder, a test key, the host's sounds, program starts, saves and applies recorded, and the
// boxes answered.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "clock/alarm/alarm_manager.h"
#include "clock/config/config_dialog.h"
#include "clock/config/config_host.h"
#include "support/fake_prompts.h"
#include "support/temp_folder.h"
#include "support/test_key.h"
#include "ui/app.h"

namespace test {

class FakeConfigHost : public tockle::ConfigHost {
 public:
  tockle::TClockSettings value;
  std::unique_ptr<tockle::TKzManagerTockle> alarms;
  std::string folder, key;
  std::function<void(const std::string& path, UINT flags)> sound;
  // "list|params|folder" of each program start.
  std::vector<std::string> started;
  // What the dialog asked after its pages: "launcher", "save", "apply" or "apply launcher".
  std::vector<std::string> calls;
  bool saveSucceeds = true;

  const tockle::TClockSettings& settings() const override { return value; }
  tockle::TKzManagerTockle* alarmManager() override { return alarms.get(); }
  void playSound(const std::string& path, UINT flags) override {
    if (sound) sound(path, flags);
  }
  void executeApps(const std::string& list, const std::string& params, const std::string& where) override {
    started.push_back(list + "|" + params + "|" + where);
  }
  void launcherListChanged() override { calls.push_back("launcher"); }
  bool saveSettings(tockle::TClockSettings&) override {
    calls.push_back("save");
    return saveSucceeds;
  }
  // The clock takes the value only here.
  void applySettings(const tockle::TClockSettings& edited, bool launcherChanged) override {
    value = edited;
    calls.push_back(launcherChanged ? "apply launcher" : "apply");
  }
  std::string programFolder() const override { return folder; }
  std::string registryKey() const override { return key; }
};

// The host on a fresh folder holding the program's command list (the dialog cannot open without
// it) and the alarms' file, and a test key; open() makes the dialog in a mode and creates it.
class ConfigFixture : public testing::Test {
 protected:
  void SetUp() override {
    // A clock window closed in an earlier test ended the application's loops.
    ui::Application::instance().initialize("Tockle 3 for Windows 9x/NT", true);
    ui::Application::instance().resume();
    if (auto commands = base::readFile(base::programFolder() + "_command")) writeFile("_command", *commands);
    host.folder = folder.path();
    host.key = key.path();
    host.alarms = std::make_unique<tockle::TKzManagerTockle>(folder.file("_alarm3"));
    host.alarms->AllocItems(true);
    prompts.answer = [this](const test::FakePrompts::Box& box) {
      ++asked;
      askedCaption = std::string(box.caption);
      return answer;
    };
  }
  void TearDown() override {
    dialog.reset();
    ui::Application::instance().resume();
  }
  tockle::TfrmConfig& open(uint8_t mode) {
    dialog.reset();
    dialog = std::make_unique<tockle::TfrmConfig>(host, mode);
    EXPECT_TRUE(dialog->create());
    return *dialog;
  }
  void writeFile(const std::string& name, const std::string& bytes) { base::writeFileAtomic(folder.file(name), bytes); }

  TempFolder folder;
  TestKey key{"Clock"};
  FakeConfigHost host;
  FakePrompts prompts;
  std::unique_ptr<tockle::TfrmConfig> dialog;
  int asked = 0;
  std::string askedCaption;
  int answer = IDNO;
};

}  // namespace test
