// The clock window's launcher menu: built on first use and after the launcher list changed, popped
// up by command 99, and the start of the chosen item.
#include "clock/app/main_form.h"
#include "clock/launcher/launch_items.h"

namespace tockle {

void TfrmMain::BuildLauncherMenu() {
  shared::TKzRegEx reg;
  if (!reg.OpenKey(RegistryKey, true)) return;
  ppmLaunch.Build(reg, ProgramFolder + "_cache3", Settings.DrawIcon, Settings.DrawIconSize);
}

void TfrmMain::PopupLauncherMenu() {
  POINT at{};
  GetCursorPos(&at);
  SetForegroundWindow(handle());
  if (LauncherMenuDirty) {
    BuildLauncherMenu();
    LauncherMenuDirty = false;
  }
  ppmLaunch.AutoHotkeys = !Settings.DiableAccessKey;
  base::Menu menu = ppmLaunch.CreatePopup();
  UINT id = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_LEFTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, handle(), nullptr);
  // Lets the menu close properly when the user clicks elsewhere.
  PostMessageW(handle(), WM_NULL, 0, 0);
  if (const TLaunchMenuEntry* item = ppmLaunch.EntryOf(id)) {
    TLaunchMenuEntry chosen = *item;
    if (!chosen.Separator) LauncherItemClick(chosen);
  }
}

void TfrmMain::mnuSetLaunchClick() { LauncherItemClick(ppmLaunch.Items.back()); }

void TfrmMain::LauncherItemClick(const TLaunchMenuEntry& item) {
  if (item.Separator || item.Tag == kTagNotSet) return;
  if (item.Tag == kTagSetLaunch) {
    OpenConfig(cfgLauncherPage);
    return;
  }
  // The item as stored now, not as it was when the menu was built.
  shared::TKzRegEx reg;
  if (!reg.OpenKey(RegistryKey, true)) return;
  std::string path = readLaunchText(reg, launchValueName("AppPath", item.Tag));
  std::string folder = readLaunchText(reg, launchValueName("AppFolder", item.Tag));
  std::string params = readLaunchText(reg, launchValueName("AppParam", item.Tag));
  reg.CloseKey();
  ExecuteApps(path, params, folder);
}

}  // namespace tockle
