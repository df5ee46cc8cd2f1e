#include "clock/app/main_config_host.h"

#include "clock/alarm/alarm_area.h"
#include "clock/app/main_form.h"
#include "clock/launcher/launcher_area.h"

namespace tockle {

const TClockSettings& MainConfigHost::settings() const { return main_.Settings; }

TKzManagerTockle* MainConfigHost::alarmManager() { return main_.alarms().AlarmManager.get(); }

void MainConfigHost::playSound(const std::string& path, UINT flags) {
  if (main_.alarms().AlarmSound) main_.alarms().AlarmSound(path, flags);
}

void MainConfigHost::executeApps(const std::string& list, const std::string& params, const std::string& folder) {
  main_.ExecuteApps(list, params, folder);
}

void MainConfigHost::launcherListChanged() {
  main_.launcher().BuildLauncherMenu();
  main_.launcher().LauncherMenuDirty = true;
}

bool MainConfigHost::saveSettings(TClockSettings& value) { return main_.StoreSettings(value); }

void MainConfigHost::applySettings(const TClockSettings& value, bool launcherChanged) {
  main_.Settings = value;
  main_.ApplySettings(launcherChanged);
}

std::string MainConfigHost::programFolder() const { return main_.ProgramFolder; }

std::string MainConfigHost::registryKey() const { return main_.RegistryKey; }

int MainConfigHost::askUser(HWND owner, std::string_view text, std::string_view caption, UINT flags) {
  return main_.AskUser(owner, text, caption, flags);
}

}  // namespace tockle
