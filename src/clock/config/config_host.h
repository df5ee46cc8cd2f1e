// What the settings dialog and its pages need of the clock: the settings value they start from, the
// alarms the alarm page lists, a sound and a program start to try, and the save and apply of the
// edited value. The clock's main window gives them this; tests give a host of their own.
#pragma once

#include <windows.h>

#include <string>

#include "clock/settings/clock_settings.h"

namespace tockle {

class TKzManagerTockle;

class ConfigHost {
 public:
  virtual ~ConfigHost() = default;

  // The clock's settings as they are now; the dialog edits a copy of them.
  virtual const TClockSettings& settings() const = 0;
  // The alarms the alarm page lists and writes back; nullptr when the clock has none.
  virtual TKzManagerTockle* alarmManager() = 0;
  // Plays an alarm sound the user tries.
  virtual void playSound(const std::string& path, UINT flags) = 0;
  // Starts a launcher entry the user tries.
  virtual void executeApps(const std::string& list, const std::string& params, const std::string& folder) = 0;
  // The launcher's list was written: its menu is built again from it.
  virtual void launcherListChanged() = 0;
  // Stores an edited value (the window's place and size go into it) without the clock taking it;
  // false when a value could not be written.
  virtual bool saveSettings(TClockSettings& value) = 0;
  // The clock takes the whole value and applies it.
  virtual void applySettings(const TClockSettings& value, bool launcherChanged) = 0;
  // The folder of the program's side files, with a trailing backslash.
  virtual std::string programFolder() const = 0;
  // The settings' registry key.
  virtual std::string registryKey() const = 0;
};

}  // namespace tockle
