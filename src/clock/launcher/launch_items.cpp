#include "clock/launcher/launch_items.h"

#include <windows.h>

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

namespace {

constexpr char kNewListKey[] = "LaunchList.new";
constexpr char kCommitValue[] = "Count";

// The registry writes of one save, each announced to the seam first.
class ListWriter {
 public:
  ListWriter(shared::TKzRegEx& reg, const std::function<void()>& beforeEachWrite)
      : reg_(reg), before_(beforeEachWrite) {}

  // Items 0 to count-1 over the values of the open key, then the values beyond, while contiguous.
  void writeItems(shared::TKzRegEx& target, const std::vector<TLaunchItem>& items) {
    int n = 0;
    for (const TLaunchItem& item : items) {
      step([&] { target.WriteString(launchValueName("App", n), item.Name); });
      step([&] { target.WriteString(launchValueName("AppPath", n), item.Path); });
      step([&] { target.WriteString(launchValueName("AppFolder", n), item.Folder); });
      step([&] { target.WriteString(launchValueName("AppParam", n), item.Param); });
      step([&] { target.WriteString(launchValueName("AppIconPath", n), item.IconPath); });
      step([&] { target.WriteInteger(launchValueName("AppIcon", n), item.Icon); });
      ++n;
    }
    // Values beyond the list go only as far as they are contiguous: a gap hides later ones anyway.
    for (; target.ValueExists(launchValueName("App", n)); ++n)
      for (const char* name : {"App", "AppPath", "AppFolder", "AppParam", "AppIconPath", "AppIcon", "AppCache"})
        step([&] { target.DeleteValue(launchValueName(name, n)); });
  }

  void dropNewList() {
    step([&] { RegDeleteTreeW(reg_.CurrentKey(), base::wide(kNewListKey).c_str()); });
  }

  // The new list complete under its subkey, committed by its count.
  void writeNewList(const std::vector<TLaunchItem>& items) {
    shared::TKzRegEx staged;
    staged.RootKey = reg_.CurrentKey();
    step([&] {
      if (!staged.OpenKey(kNewListKey, true)) throw shared::ERegistryException("Cannot create the new launcher list");
    });
    writeItems(staged, items);
    step([&] { staged.WriteInteger(kCommitValue, static_cast<int>(items.size())); });
  }

  // Copies a committed new list over the open key's values and drops it.
  void commitNewList(const std::vector<TLaunchItem>& items) {
    writeItems(reg_, items);
    dropNewList();
  }

 private:
  template <typename Write>
  void step(Write write) {
    if (before_) before_();
    write();
  }
  shared::TKzRegEx& reg_;
  const std::function<void()>& before_;
};

}  // namespace

void WriteLaunchItems(shared::TKzRegEx& reg, const std::vector<TLaunchItem>& items,
                      const std::function<void()>& beforeEachWrite) {
  ListWriter writer(reg, beforeEachWrite);
  // A list a kill left is replaced by this one whole.
  writer.dropNewList();
  writer.writeNewList(items);
  writer.commitNewList(items);
}

void FinishLaunchItemsWrite(shared::TKzRegEx& reg, const std::function<void()>& beforeEachWrite) {
  shared::TKzRegEx staged;
  staged.RootKey = reg.CurrentKey();
  if (!staged.OpenKey(kNewListKey, false)) return;
  ListWriter writer(reg, beforeEachWrite);
  int count = readLaunchInteger(staged, kCommitValue, -1);
  std::vector<TLaunchItem> items = ReadLaunchItems(staged);
  staged.CloseKey();
  if (count < 0 || static_cast<size_t>(count) != items.size()) {
    writer.dropNewList();
    return;
  }
  writer.commitNewList(items);
}

}  // namespace tockle
