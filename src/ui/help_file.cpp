#include "ui/help_file.h"

#include "base/files.h"
#include "base/text.h"
#include "ui/app.h"

namespace ui {

std::string helpFilePath() {
  const std::string& file = Application::instance().helpFile;
  return file.empty() ? base::changeExtension(base::programPath(), ".hlp") : file;
}

bool openHelp(HWND owner, UINT command, ULONG_PTR data, MissingHelp missing) {
  std::string file = helpFilePath();
  if (missing == MissingHelp::OpenNothing && !base::fileExists(file)) return false;
  return WinHelpW(owner, base::wide(file).c_str(), command, data) != FALSE;
}

}  // namespace ui
