#include "clock/power/power_area.h"

#include "clock/commands/commands.h"
#include "clock/power/query_form.h"
#include "ui/app.h"
#include "ui/command_table.h"

namespace tockle {

PowerArea::PowerArea(const TClockSettings& settings, Host host) : settings_(settings), host_(std::move(host)) {}

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
    host_.showMessage(true, true, "Confirming...");
    host_.setAlarmsActive(false);
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
      host_.showMessage(false, false, "");
      host_.setAlarmsActive(true);
      app.processMessages();
      return;
    }
    app.processMessages();
  }
  bool done = false;
  IPowerControl& power = powerControl();
  if (power.EnableShutdownPrivilege()) {
    switch (kind) {
      case kShutdown:
        host_.showMessage(true, true, "Shutdown...");
        done = power.ExitWindowsNow(exitWindowsFlags(kind, settings_.NoPoweroff, force));
        break;
      case kReboot:
        host_.showMessage(true, true, "Reboot...");
        done = power.ExitWindowsNow(exitWindowsFlags(kind, settings_.NoPoweroff, force));
        break;
      case kSuspend:
        host_.showMessage(true, false, "Suspending...");
        done = power.SetPowerState(true, force);
        break;
      case kHibernate:
        host_.showMessage(true, false, "Hibernating...");
        done = power.SetPowerState(false, force);
        break;
    }
  }
  // A refused operation never leaves a persistent "Confirming..." or "Shutdown..." behind.
  if (!done) host_.showMessage(true, false, "Failed...");
  if (paused) host_.setAlarmsActive(true);
}

}  // namespace tockle
