// The help commands of the memo window: the help file's finder, keyword search, help on help,
// the menu topic, and the about box.
#include "memo/app/main_form.h"
#include "memo/chrome/commands.h"
#include "shared/about.h"

namespace memo {

namespace {
constexpr ULONG_PTR kMenuHelpContext = 83;
}  // namespace

void TfrmMain::bindHelpCommands() {
  auto help = [this](UINT command, ULONG_PTR data) { return [this, command, data] { ShowHelp(command, data); }; };
  onCommand(actHelp, help(HELP_FINDER, 0));
  onCommand(mnuHelpSearch, help(HELP_KEY, reinterpret_cast<ULONG_PTR>(L"")));
  onCommand(mnuHelpOnHelp, help(HELP_HELPONHELP, 0));
  onCommand(mnuMenuHelp, help(HELP_CONTEXT, kMenuHelpContext));
  onCommand(mnuAbout, [this] { mnuAboutClick(); });
}

void TfrmMain::mnuAboutClick() { shared::showAbout(handle()); }

}  // namespace memo
