// The command numbers' rules that need no window: which commands wait for a modal window, and the
// titles that keep the clock's windows single.
#include "clock/commands/commands.h"

#include "base/text.h"

namespace tockle {

std::string settingsDialogTitle() { return "環境設定 - Tockle 3"_sj; }
std::string historyWindowTitle() { return "クリップボード履歴 - Tockle 3"_sj; }

HWND findWindowTitled(const std::string& title) { return FindWindowW(nullptr, base::wide(title).c_str()); }

// What a modal window of the clock stands in front of: anything that opens a window or a box of the
// clock, ends the program, or acts on the system while the user still has the modal window open
// (a power command acting at once would drop a settings dialog's edits without a word).
bool waitsForModalWindow(int command) {
  switch (command) {
    case cmdNewAlarm:
    case cmdAlarms:
    case cmdHistory:
    case cmdSynchronize:
    case cmdSettings:
    case cmdSizeWindow:
    case cmdAbout:
    case cmdExit:
    case cmdLauncherMenu:
    case cmdSystemMenu:
    case cmdShutdown:
    case cmdReboot:
    case cmdSuspend:
    case cmdHibernate:
      return true;
    default:
      return false;
  }
}

}  // namespace tockle
