#include "clock/power/power_area.h"

#include "clock/commands/commands.h"
#include "clock/power/query_form.h"
#include "ui/app.h"
#include "ui/command_table.h"

namespace tockle {

PowerArea::PowerArea(const TClockSettings& settings, ShowMessage showMessage, SetAlarmsActive setAlarmsActive)
    : settings_(settings), showMessage_(std::move(showMessage)), setAlarmsActive_(std::move(setAlarmsActive)) {}

void PowerArea::bindCommands(ui::CommandTable& commands) {
  for (auto [command, kind] : {std::pair{cmdShutdown, kShutdown}, std::pair{cmdReboot, kReboot},
                               std::pair{cmdSuspend, kSuspend}, std::pair{cmdHibernate, kHibernate}})
    commands.on(command, [this, kind = kind] { PowerOperation(kind); });
}

void PowerArea::PowerOperation(int kind) {
  if (kind < kShutdown || kind > kHibernate) return;
  // A second request while the question is open is dropped: a shutdown never happens without
  // its question.
  if (powerQuestionOpen_) return;
  bool force = false;
  // Only the pause taken here is released here: an operation that asked nothing leaves the
  // alarms as whoever paused them (a notification starting its programs) holds them.
  bool paused = false;
  auto& app = ui::Application::instance();
  if (settings_.TimeRemain >= 0) {
    if (findWindowTitled(TfrmQuery::title())) return;
    powerQuestionOpen_ = true;
    showMessage_(true, true, "Confirming...");
    setAlarmsActive_(false);
    paused = true;
    int result = IDCANCEL;
    {
      TfrmQuery query(app.handle(), kind, settings_.TimeRemain, settings_.ForceIfHung);
      result = query.showModal();
      kind = query.SelectedKind();
      force = query.Force();
    }
    powerQuestionOpen_ = false;
    if (result != IDOK) {
      showMessage_(false, false, "");
      setAlarmsActive_(true);
      app.processMessages();
      return;
    }
    app.processMessages();
  }
  bool done = false;
  if (Power->EnableShutdownPrivilege()) {
    switch (kind) {
      case kShutdown:
        showMessage_(true, true, "Shutdown...");
        done = Power->ExitWindowsNow(exitWindowsFlags(kind, settings_.NoPoweroff, force));
        break;
      case kReboot:
        showMessage_(true, true, "Reboot...");
        done = Power->ExitWindowsNow(exitWindowsFlags(kind, settings_.NoPoweroff, force));
        break;
      case kSuspend:
        showMessage_(true, false, "Suspending...");
        done = Power->SetPowerState(true, force);
        break;
      case kHibernate:
        showMessage_(true, false, "Hibernating...");
        done = Power->SetPowerState(false, force);
        break;
    }
  }
  // A refused operation never leaves a persistent "Confirming..." or "Shutdown..." behind.
  if (!done) showMessage_(true, false, "Failed...");
  if (paused) setAlarmsActive_(true);
}

}  // namespace tockle
