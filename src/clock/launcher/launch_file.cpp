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

}  // namespace

std::string folderIconFile() {
  wchar_t buf[MAX_PATH] = {};
  UINT n = GetSystemDirectoryW(buf, MAX_PATH);
  return base::cp932(std::wstring_view(buf, n < MAX_PATH ? n : 0)) + "\\Shell32.dll";
}

TLaunchFile resolveLaunchFile(TLaunchFile v, const std::string& fileName) {
  // 1.
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
      v = {base::changeExtension(base::extractFileName(fileName), ""), fileName, entryFolder(fileName), "", "", ""};
    }
  }
  // 2.-4.
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
