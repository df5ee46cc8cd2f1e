// The clock's main window as the settings dialog's host: the dialog edits a copy of the window's
// settings, lists its alarms, and has the window store and then take the edited value.
#pragma once

#include "clock/config/config_host.h"

namespace tockle {

class TfrmMain;

class MainConfigHost final : public ConfigHost {
 public:
  explicit MainConfigHost(TfrmMain& main) : main_(main) {}

  const TClockSettings& settings() const override;
  TKzManagerTockle* alarmManager() override;
  void playSound(const std::string& path, UINT flags) override;
  void executeApps(const std::string& list, const std::string& params, const std::string& folder) override;
  void launcherListChanged() override;
  bool saveSettings(TClockSettings& value) override;
  void applySettings(const TClockSettings& value, bool launcherChanged) override;
  std::string programFolder() const override;
  std::string registryKey() const override;

 private:
  TfrmMain& main_;
};

}  // namespace tockle
