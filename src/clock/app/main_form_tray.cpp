// The clock's tray icon and its time synchronisation.
#include "clock/app/main_form.h"

#include "base/datetime.h"
#include "clock/timesync/time_sync.h"
#include "shared/prompts.h"

namespace tockle {

void TfrmMain::SetTrayIconVisible(bool visible) {
  try {
    triIcon.SetVisible(visible);
  } catch (const ENotifyIconError& e) {
    shared::prompts().ask(handle(), e.what(), kAppTitle, MB_OK | MB_ICONERROR);
  }
}

void TfrmMain::triIconMouseMove(TTrayIcon&, ui::ShiftState, int, int) {
  triIcon.SetTipHelp(FormatClockText(Settings.DisplayType, base::now()) + " - Tockle3");
}

void TfrmMain::SynchronizeTime(const std::string& server, int timeOut, int range) {
  SyncRequest request{server, timeOut, range, Settings.DialUp};
  synchronizeTime(ntNetTime, request, [this](bool persistent, const std::string& text) {
    ShowClockMessage(true, persistent, text);
    // The query blocks this thread: paint the text now, not when the attempt is over.
    if (handle()) UpdateWindow(handle());
  });
}

}  // namespace tockle
