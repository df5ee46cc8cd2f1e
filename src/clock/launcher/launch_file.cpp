#include "clock/launcher/launch_file.h"

#include <windows.h>

#include "base/files.h"
#include "base/text.h"
#include "clock/commands/execute_apps.h"
#include "shared/shortcut_file.h"

namespace tockle {

namespace {

bool isShortcut(const std::string& file) {
  std::string name = base::extractFileName(file);
  return name.size() >= 4 && base::equalsNoCase(std::string_view(name).substr(name.size() - 4), ".lnk");
}

// A folder's path without its closing backslash, a drive's root ("C:\\") as it is.
std::string withoutClosingBackslash(std::string path) {
  while (path.size() > 3 && path.back() == '\\') path.pop_back();
  return path;
}

std::string firstEntry(const std::string& list) { return base::trim(list.substr(0, list.find(';'))); }

bool isFullPath(const std::string& entry) {
  return (entry.size() >= 3 && entry[1] == ':' && entry[2] == '\\') || entry.rfind("\\\\", 0) == 0;
}

}  // namespace

std::string launchItemName(const std::string& pathList) {
  std::string path = withoutClosingBackslash(firstEntry(pathList));
  if (path.size() == 3 && path[1] == ':') return path.substr(0, 2);
  std::string name = base::extractFileName(path);
  return base::folderExists(path) ? name : base::changeExtension(name, "");
}

std::string missingLaunchPath(const std::string& pathList) {
  size_t start = 0;
  while (start <= pathList.size()) {
    size_t end = pathList.find(';', start);
    std::string entry = base::trim(pathList.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (isFullPath(entry) && !base::fileExists(entry) && !base::folderExists(entry)) return entry;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return {};
}

std::string folderIconFile() {
  wchar_t buf[MAX_PATH] = {};
  UINT n = GetSystemDirectoryW(buf, MAX_PATH);
  return base::cp932(std::wstring_view(buf, n < MAX_PATH ? n : 0)) + "\\Shell32.dll";
}

TLaunchFile resolveLaunchFile(TLaunchFile v, const std::string& fileName) {
  // A file given (a drop, a choice) replaces the values: a shortcut gives its own.
  if (!fileName.empty()) {
    if (isShortcut(fileName)) {
      shared::TKzShortCutOperation link;
      link.LinkFile = fileName;
      v = {};
      if (link.ReadShortCut()) {
        v.Name = link.Description;
        v.Path = link.Target;
        v.Folder = link.WorkingDirectory;
        v.IconPath = link.IconLocation;
        v.IconNumber = std::to_string(link.IconIndex);
      }
    } else {
      // A folder chosen in the browser may end in a backslash ("...\\Documents\\").
      std::string path = withoutClosingBackslash(fileName);
      v = {launchItemName(path), path, entryFolder(path), "", "", ""};
    }
  }
  // A working folder or an icon that is not there falls back to the path's own.
  if (!base::folderExists(v.Folder)) v.Folder = entryFolder(v.Path);
  if (!base::fileExists(v.IconPath)) {
    v.IconPath = v.Path;
    v.IconNumber = "0";
  }
  if (base::folderExists(v.Path)) {
    v.IconPath = folderIconFile();
    v.IconNumber = kFolderIconNumber;
  }
  return v;
}

}  // namespace tockle
