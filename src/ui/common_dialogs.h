// The system's common dialogs (open and save a file, browse for a folder, font, colour) behind one
// small interface, so that unit tests put a scripted replacement in place of the modal dialogs.
// Code asks commonDialogs() each time; the programs never replace it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/graphics.h"

namespace ui {

struct FileDialogArgs {
  std::string title;       // empty: the system's caption
  std::string filter;      // pairs separated by '|': "テキスト (*.txt)|*.txt|すべて (*.*)|*.*"
  int filterIndex = 1;     // 1-based, in and out
  std::string fileName;    // in: proposed; out: the chosen full name
  std::string initialDir;  // empty: the system's choice
  std::string defaultExt;  // without the dot
  DWORD flags = 0;         // OFN_* added to OFN_EXPLORER | OFN_HIDEREADONLY; OFN_ALLOWMULTISELECT fills fileNames
  std::vector<std::string> fileNames;  // out with OFN_ALLOWMULTISELECT: every chosen full name
};

class CommonDialogs {
 public:
  virtual ~CommonDialogs() = default;
  // Each answers false when the user cancelled, leaving its in-out arguments as they were.
  virtual bool openFile(HWND owner, FileDialogArgs& args) = 0;
  virtual bool saveFile(HWND owner, FileDialogArgs& args) = 0;
  // File-system folders only; folder: in the preselected one (empty: none), out the chosen one.
  virtual bool browseFolder(HWND owner, const std::string& title, std::string& folder) = 0;
  // Name, size, style, charset and (with CF_EFFECTS) colour of font, in and out.
  virtual bool chooseFont(HWND owner, Font& font, DWORD flags = CF_SCREENFONTS | CF_EFFECTS) = 0;
  virtual bool chooseColor(HWND owner, Color& color) = 0;
};

// The dialogs in use: the system's unless a test set a replacement.
CommonDialogs& commonDialogs();
// nullptr: the system's again. The replacement must outlive its use.
void setCommonDialogs(CommonDialogs* replacement);

}  // namespace ui
