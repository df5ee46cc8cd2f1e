// The clock's launcher menu: built on first use and after the launcher list changed, popped up by
// command 99, and the start of the chosen item as the registry holds it then.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "clock/launcher/launch_menu.h"
#include "clock/settings/clock_settings.h"
#include "ui/command_table.h"

namespace ui {
class Window;
}  // namespace ui

namespace tockle {

class LauncherArea {
 public:
  // What the area needs of the clock.
  struct Host {
    // Opens the settings dialog in a mode (ConfigModes).
    std::function<void(uint8_t mode)> openSettings;
    // Starts a program list with the first entry's parameters and working folder.
    std::function<void(const std::string& list, const std::string& params, const std::string& folder)> startPrograms;
  };

  // owner: the clock window, which owns the menu; the items are stored under registryKey, their
  // icon cache in programFolder; settings: the icon and access-key settings.
  LauncherArea(const ui::Window& owner, const std::string& registryKey, const std::string& programFolder,
               const TClockSettings& settings, Host host);
  LauncherArea(const LauncherArea&) = delete;
  LauncherArea& operator=(const LauncherArea&) = delete;

  // Command 99 pops the menu up at the cursor.
  void bindCommands(ui::CommandTable& commands);
  // The owner-drawn items' measuring and drawing, sent to the owner window; false for another menu.
  bool menuMessage(UINT msg, LPARAM lp) const;
  // The launcher list was written: the menu is built from it at once, and again at its next
  // pop-up (then with the fresh icon cache).
  void listChanged();
  // The list or the menu's settings changed: the menu is built again at its next pop-up.
  void rebuildAtNextPopup() { LauncherMenuDirty = true; }
  // The menu as last built, and whether it waits to be built again.
  const TLaunchMenu& menu() const { return ppmLaunch; }
  bool menuOutdated() const { return LauncherMenuDirty; }

  // A menu entry chosen, and the menu's last entry (the launcher settings).
  void LauncherItemClick(const TLaunchMenuEntry& item);
  void mnuSetLaunchClick();

 private:
  void BuildLauncherMenu();
  void PopupLauncherMenu();

  // The launcher menu; its access keys follow the settings' DiableAccessKey.
  TLaunchMenu ppmLaunch;
  bool LauncherMenuDirty = false;
  const ui::Window& owner_;
  const std::string& registryKey_;
  const std::string& programFolder_;
  const TClockSettings& settings_;
  Host host_;
};

}  // namespace tockle
