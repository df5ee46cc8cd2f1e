#include "clock/app/main_config_host.h"

#include "clock/alarm/alarm_area.h"
#include "clock/app/main_form.h"
#include "clock/launcher/launcher_area.h"

namespace tockle {

const TClockSettings& MainConfigHost::settings() const { return main_.Settings; }

TKzManagerTockle* MainConfigHost::alarmManager() { return main_.alarms().manager().get(); }

void MainConfigHost::playSound(const std::string& path, UINT flags) { main_.alarms().playSound(path, flags); }

void MainConfigHost::executeApps(const std::string& list, const std::string& params, const std::string& folder) {
  main_.ExecuteApps(list, params, folder);
}

void MainConfigHost::launcherListChanged() { main_.launcher().listChanged(); }

bool MainConfigHost::saveSettings(TClockSettings& value) { return main_.StoreSettings(value); }

void MainConfigHost::applySettings(const TClockSettings& value, bool launcherChanged) {
  main_.Settings = value;
  main_.ApplySettings(launcherChanged);
}

std::string MainConfigHost::programFolder() const { return main_.ProgramFolder; }

std::string MainConfigHost::registryKey() const { return main_.RegistryKey; }

}  // namespace tockle
