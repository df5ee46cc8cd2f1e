// What a chosen or dropped file, shortcut or folder becomes as a launcher item: the values of the
// item as the launcher page shows them (the icon number as decimal text).
#pragma once

#include <string>

namespace tockle {

struct TLaunchFile {
  std::string Name;
  std::string Path;
  std::string Folder;
  std::string Params;
  std::string IconPath;
  std::string IconNumber;
};

// The item for fileName, or for the given values when fileName is empty. A shortcut (".lnk", any
// letter case) gives its own name, its target, working folder and icon, without its arguments (an
// unreadable one gives empty values); any other file or folder its name, itself and its folder.
// Then a folder that does not exist becomes the path's folder, an icon file that does not exist
// the path's first icon, and a folder as path the shell's folder icon.
TLaunchFile resolveLaunchFile(TLaunchFile values, const std::string& fileName);

// The name an item without one takes: the file's name without its extension, or the folder's name,
// of the list's first entry ("C:\\Tools\\" gives "Tools").
std::string launchItemName(const std::string& pathList);
// The first entry of the list given as a full path ("X:\\..." or "\\\\server\\...") that is neither
// a file nor a folder, or "" when none: such an entry can never start. Special names ("#...") and
// bare names the shell looks up are not checked.
std::string missingLaunchPath(const std::string& pathList);

// The icon every folder item shows: Shell32.dll of the system folder, icon 4.
std::string folderIconFile();
inline constexpr char kFolderIconNumber[] = "4";

}  // namespace tockle
