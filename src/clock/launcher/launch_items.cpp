#include "clock/launcher/launch_items.h"

#include "base/text.h"

namespace tockle {

std::string rowCutMarker() { return "[区切り]"_sj; }
std::string lineCutMarker() { return "[行切り]"_sj; }

TLaunchItem separatorItem(bool columnBreak) {
  return {kSeparatorName, columnBreak ? lineCutMarker() : rowCutMarker(), "****", "****", "", 0};
}

std::string launchValueName(std::string_view base, int n) { return std::string(base) + std::to_string(n); }

std::string readLaunchText(shared::TKzRegEx& reg, std::string_view name) {
  try {
    return reg.SafeReadString(name);
  } catch (const shared::ERegistryException&) {
    return {};
  }
}

int readLaunchInteger(shared::TKzRegEx& reg, std::string_view name, int def) {
  int value = def;
  try {
    reg.TryReadInteger(name, value, def);
  } catch (const shared::ERegistryException&) {
    value = def;
  }
  return value;
}

std::vector<TLaunchItem> ReadLaunchItems(shared::TKzRegEx& reg) {
  std::vector<TLaunchItem> items;
  for (int n = 0; reg.ValueExists(launchValueName("App", n)); ++n) {
    TLaunchItem item;
    item.Name = readLaunchText(reg, launchValueName("App", n));
    item.Path = readLaunchText(reg, launchValueName("AppPath", n));
    item.Folder = readLaunchText(reg, launchValueName("AppFolder", n));
    item.Param = readLaunchText(reg, launchValueName("AppParam", n));
    item.IconPath = readLaunchText(reg, launchValueName("AppIconPath", n));
    item.Icon = readLaunchInteger(reg, launchValueName("AppIcon", n), 0);
    items.push_back(std::move(item));
  }
  return items;
}

void WriteLaunchItems(shared::TKzRegEx& reg, const std::vector<TLaunchItem>& items) {
  int n = 0;
  for (const TLaunchItem& item : items) {
    reg.WriteString(launchValueName("App", n), item.Name);
    reg.WriteString(launchValueName("AppPath", n), item.Path);
    reg.WriteString(launchValueName("AppFolder", n), item.Folder);
    reg.WriteString(launchValueName("AppParam", n), item.Param);
    reg.WriteString(launchValueName("AppIconPath", n), item.IconPath);
    reg.WriteInteger(launchValueName("AppIcon", n), item.Icon);
    ++n;
  }
  // Values beyond the list go only as far as they are contiguous: a gap hides later ones anyway.
  for (; reg.ValueExists(launchValueName("App", n)); ++n)
    for (const char* name : {"App", "AppPath", "AppFolder", "AppParam", "AppIconPath", "AppIcon", "AppCache"})
      reg.DeleteValue(launchValueName(name, n));
}

}  // namespace tockle
