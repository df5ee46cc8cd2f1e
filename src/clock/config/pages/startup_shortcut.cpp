#include "clock/config/pages/startup_shortcut.h"

#include <shlobj.h>

#include "base/files.h"
#include "shared/shortcut_file.h"

namespace tockle {

namespace {

// Without the folder the link name alone would land at the root of the current drive.
bool startupFolderKnown() { return !shared::TKzShortCutOperation::SpecialFolderPath(CSIDL_STARTUP).empty(); }

}  // namespace

StartupOutcome CreateStartupShortcut(const std::string& programPath) {
  if (!startupFolderKnown()) return StartupOutcome::NoFolder;
  shared::TKzShortCutOperation op;
  op.LinkFile = kStartupLinkFile;
  op.SpecialFolder = CSIDL_STARTUP;
  op.Target = programPath;
  op.Description = base::extractFileName(programPath);
  op.WorkingDirectory = base::extractFolder(programPath);
  try {
    return op.CreateShortCut() ? StartupOutcome::Done : StartupOutcome::Failed;
  } catch (const shared::EOleError&) {
    return StartupOutcome::Failed;
  }
}

StartupOutcome DeleteStartupShortcut() {
  const std::string folder = shared::TKzShortCutOperation::SpecialFolderPath(CSIDL_STARTUP);
  if (folder.empty()) return StartupOutcome::NoFolder;
  if (!base::fileExists(folder + kStartupLinkFile)) return StartupOutcome::Done;
  shared::TKzShortCutOperation op;
  op.LinkFile = kStartupLinkFile;
  op.SpecialFolder = CSIDL_STARTUP;
  return op.DeleteShortCut() ? StartupOutcome::Done : StartupOutcome::Failed;
}

}  // namespace tockle
