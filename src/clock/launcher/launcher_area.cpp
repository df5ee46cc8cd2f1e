#include "clock/launcher/launcher_area.h"

#include "clock/commands/commands.h"
#include "clock/launcher/launch_items.h"
#include "ui/command_table.h"
#include "ui/window.h"

namespace tockle {

LauncherArea::LauncherArea(const ui::Window& owner, const std::string& registryKey, const std::string& programFolder,
                           const TClockSettings& settings, Host host)
    : owner_(owner),
      registryKey_(registryKey),
      programFolder_(programFolder),
      settings_(settings),
      host_(std::move(host)) {}

void LauncherArea::bindCommands(ui::CommandTable& commands) {
  commands.on(cmdLauncherMenu, [this] { PopupLauncherMenu(); });
}

bool LauncherArea::menuMessage(UINT msg, LPARAM lp) const {
  if (msg == WM_MEASUREITEM) return ppmLaunch.MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp));
  if (msg == WM_DRAWITEM) return ppmLaunch.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
  return false;
}

void LauncherArea::listChanged() {
  BuildLauncherMenu();
  LauncherMenuDirty = true;
}

void LauncherArea::BuildLauncherMenu() {
  shared::TKzRegEx reg;
  if (!reg.OpenKey(registryKey_, true)) return;
  ppmLaunch.Build(reg, programFolder_ + "_cache3", settings_.DrawIcon, settings_.DrawIconSize);
}

void LauncherArea::PopupLauncherMenu() {
  POINT at{};
  GetCursorPos(&at);
  SetForegroundWindow(owner_.handle());
  if (LauncherMenuDirty) {
    BuildLauncherMenu();
    LauncherMenuDirty = false;
  }
  ppmLaunch.AutoHotkeys = !settings_.DiableAccessKey;
  base::Menu menu = ppmLaunch.CreatePopup();
  UINT id = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_LEFTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, owner_.handle(),
                           nullptr);
  // Lets the menu close properly when the user clicks elsewhere.
  PostMessageW(owner_.handle(), WM_NULL, 0, 0);
  if (const TLaunchMenuEntry* item = ppmLaunch.EntryOf(id)) {
    TLaunchMenuEntry chosen = *item;
    if (!chosen.Separator) LauncherItemClick(chosen);
  }
}

void LauncherArea::mnuSetLaunchClick() { LauncherItemClick(ppmLaunch.Items.back()); }

void LauncherArea::LauncherItemClick(const TLaunchMenuEntry& item) {
  if (item.Separator || item.Tag == kTagNotSet) return;
  if (item.Tag == kTagSetLaunch) {
    host_.openSettings(cfgLauncherPage);
    return;
  }
  // The item as stored now, not as it was when the menu was built.
  shared::TKzRegEx reg;
  if (!reg.OpenKey(registryKey_, true)) return;
  std::string path = readLaunchText(reg, launchValueName("AppPath", item.Tag));
  std::string folder = readLaunchText(reg, launchValueName("AppFolder", item.Tag));
  std::string params = readLaunchText(reg, launchValueName("AppParam", item.Tag));
  reg.CloseKey();
  host_.startPrograms(path, params, folder);
}

}  // namespace tockle
