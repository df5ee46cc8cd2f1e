// The help commands of the memo window.
#include "memo/app/main_form.h"
#include "memo/chrome/commands.h"
#include "shared/about.h"

namespace memo {

void TfrmMain::bindHelpCommands() {
  onCommand(mnuAbout, [this] { mnuAboutClick(); });
}

void TfrmMain::mnuAboutClick() { shared::showAbout(handle()); }

}  // namespace memo
