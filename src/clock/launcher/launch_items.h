// The launcher list as stored in the clock's registry key: item n is the group of values App<n>,
// AppPath<n>, AppFolder<n>, AppParam<n>, AppIconPath<n>, AppIcon<n> (and AppCache<n>, the menu's
// image number), numbered from 0 without gaps; the first missing App<n> ends the list.
//
// A new list replaces the old one as a whole, also when the program is killed between two of its
// registry writes: it is written first under the subkey "LaunchList.new" and committed there by
// one last value, "Count"; only then is it copied over the values above and the subkey deleted.
// A start finishes the copy of a committed list and drops one that was never committed, before
// anything reads the list.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "shared/reg_ex.h"

namespace tockle {

// The path of a separator row: a drawn line in the menu, or a column break.
std::string rowCutMarker();   // "[区切り]"
std::string lineCutMarker();  // "[行切り]"
// The name of every separator row.
inline constexpr char kSeparatorName[] = "-";

struct TLaunchItem {
  std::string Name;
  std::string Path;  // one path, several joined by ";", or a separator marker
  std::string Folder;
  std::string Param;
  std::string IconPath;
  int Icon = 0;
};

// A separator row: name "-", the marker, "****" as folder and parameters, no icon.
TLaunchItem separatorItem(bool columnBreak);

// "App" + n etc.: the value name of item n.
std::string launchValueName(std::string_view base, int n);

// Reads items 0, 1, ... of the open key until the first missing App<n>; missing (or unreadable)
// strings read as empty, a missing AppIcon<n> as 0.
std::vector<TLaunchItem> ReadLaunchItems(shared::TKzRegEx& reg);
// Writes items 0 to count-1 (AppCache<n> untouched), then deletes all seven values of every n from
// count upward while App<n> exists. A refused write raises ERegistryException.
// beforeEachWrite runs before every registry write and delete (tests stop the work there).
void WriteLaunchItems(shared::TKzRegEx& reg, const std::vector<TLaunchItem>& items,
                      const std::function<void()>& beforeEachWrite = nullptr);
// Finishes or drops a list a killed write left under the open key (see above).
void FinishLaunchItemsWrite(shared::TKzRegEx& reg, const std::function<void()>& beforeEachWrite = nullptr);

// Reads of single values that never raise: a missing value or one of another type gives def.
std::string readLaunchText(shared::TKzRegEx& reg, std::string_view name);
int readLaunchInteger(shared::TKzRegEx& reg, std::string_view name, int def);

}  // namespace tockle
