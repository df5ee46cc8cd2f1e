// Shell shortcut files (.lnk) through the shell's own link object: put one into a special folder
// (the clock's Startup entry), take it out again, and read a dropped or chosen one. The object is
// a plain value holder: fill the fields an operation uses, call it, read the fields.
// COM is initialised on the calling thread at the first use (base::ensureCom).
#pragma once

#include <windows.h>

#include <shlobj.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace shared {

// The shell link object could not be created or lacks an interface.
class EOleError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TKzShortCutOperation {
 public:
  // All texts are CP932.
  // Create: the stored description. Read: the shortcut file's name without extension.
  std::string Description;
  // Create/delete: the name below SpecialFolder, starting with a backslash ("\Tockle.lnk").
  // Read: the full path of the shortcut file.
  std::string LinkFile;
  std::string WorkingDirectory;
  std::string Target;
  std::string Arguments;     // read only
  std::string IconLocation;  // read only
  int SpecialFolder = CSIDL_STARTUP;
  int IconIndex = 0;  // read only

  // Writes SpecialFolder + LinkFile with Description, Target and WorkingDirectory, replacing a
  // file of that name. False when the folder is unknown or the file was not written.
  bool CreateShortCut();
  // Deletes SpecialFolder + LinkFile. False when there was nothing to delete or it failed.
  bool DeleteShortCut();
  // Reads the shortcut file LinkFile (a full path) into the fields, never showing a window.
  // False when it cannot be loaded or yields nothing; the fields then keep their values.
  bool ReadShortCut();

  // Registers a document extension with the shell under HKEY_CLASSES_ROOT: Ext -> TypeName,
  // TypeName's description and icon (ExePath,IconIndex), and with RegisterOpenCommand its open
  // command. A key or value that cannot be written stops it and is reported through ShowError.
  void RegisterFileType(std::string_view Ext, std::string_view TypeName, std::string_view Description,
                        std::string_view ExePath, int IconIndex, bool RegisterOpenCommand);
  // The report of a registration that was refused; an ownerless error box by default.
  std::function<void(std::string_view text, std::string_view caption)> ShowError = ShowErrorBox;

  // The full path of a special folder (CSIDL value) without trailing backslash; "" when unknown.
  static std::string SpecialFolderPath(int csidl);

 private:
  static void ShowErrorBox(std::string_view text, std::string_view caption);
};

}  // namespace shared
