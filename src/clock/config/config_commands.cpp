// The settings dialog's command list: read once as the dialog opens, shared by its pages.
#include "base/files.h"
#include "base/text.h"
#include "clock/config/config_dialog.h"
#include "shared/prompts.h"
#include "ui/app.h"

namespace tockle {

bool TfrmConfig::LoadCommandList() {
  auto list = readCommandList(ProgramFolder);
  if (!list) {
    CommandFileLost();
    return false;
  }
  Commands = std::move(*list);
  return true;
}

void TfrmConfig::CommandFileLost() {
  if (CommandFileMissing) return;
  CommandFileMissing = true;
  shared::prompts().ask(handle(), commandListErrorText(base::fileProblem(ProgramFolder + "_command")),
                        "クリティカルエラー"_sj, MB_OK | MB_ICONERROR);
  ui::Application::instance().terminate();
}

}  // namespace tockle
