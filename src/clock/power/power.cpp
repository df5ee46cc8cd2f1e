#include "clock/power/power.h"

#include "clock/alarm/alarm_area.h"
#include "clock/app/main_form.h"
#include "clock/power/query_form.h"
#include "clock/timesync/net_time.h"
#include "ui/app.h"

namespace tockle {

namespace {

class SystemPowerControl : public IPowerControl {
 public:
  bool EnableShutdownPrivilege() override { return TKzNetTimeSync::EnablePrivilege("SeShutdownPrivilege"); }
  bool ExitWindowsNow(UINT flags) override { return ExitWindowsEx(flags, 0) != 0; }
  bool SetPowerState(bool suspend, bool force) override {
    return ::SetSystemPowerState(suspend ? TRUE : FALSE, force ? TRUE : FALSE) != 0;
  }
};

}  // namespace

IPowerControl& systemPowerControl() {
  static SystemPowerControl control;
  return control;
}

UINT exitWindowsFlags(int kind, bool noPoweroff, bool force) {
  UINT flags = kind == kReboot ? EWX_REBOOT : EWX_SHUTDOWN;
  if (kind == kShutdown && !noPoweroff) flags |= EWX_POWEROFF;
  if (force) flags |= EWX_FORCE;
  return flags;
}

void TfrmMain::PowerOperation(int kind) {
  if (kind < kShutdown || kind > kHibernate) return;
  // A second request while the question is open is dropped: a shutdown never happens without
  // its question.
  if (powerQuestionOpen_) return;
  bool force = false;
  // Only the pause taken here is released here: an operation that asked nothing leaves the
  // alarms as whoever paused them (a notification starting its programs) holds them.
  bool paused = false;
  auto& app = ui::Application::instance();
  if (Settings.TimeRemain >= 0) {
    if (findWindowTitled(TfrmQuery::title())) return;
    powerQuestionOpen_ = true;
    ShowClockMessage(true, true, "Confirming...");
    alarms_->SetAlarmsActive(false);
    paused = true;
    int result = IDCANCEL;
    {
      TfrmQuery query(app.handle(), kind, Settings.TimeRemain, Settings.ForceIfHung);
      result = query.showModal();
      kind = query.SelectedKind();
      force = query.Force();
    }
    powerQuestionOpen_ = false;
    if (result != IDOK) {
      ShowClockMessage(false, false, "");
      alarms_->SetAlarmsActive(true);
      app.processMessages();
      return;
    }
    app.processMessages();
  }
  bool done = false;
  if (Power->EnableShutdownPrivilege()) {
    switch (kind) {
      case kShutdown:
        ShowClockMessage(true, true, "Shutdown...");
        done = Power->ExitWindowsNow(exitWindowsFlags(kind, Settings.NoPoweroff, force));
        break;
      case kReboot:
        ShowClockMessage(true, true, "Reboot...");
        done = Power->ExitWindowsNow(exitWindowsFlags(kind, Settings.NoPoweroff, force));
        break;
      case kSuspend:
        ShowClockMessage(true, false, "Suspending...");
        done = Power->SetPowerState(true, force);
        break;
      case kHibernate:
        ShowClockMessage(true, false, "Hibernating...");
        done = Power->SetPowerState(false, force);
        break;
    }
  }
  // A refused operation never leaves a persistent "Confirming..." or "Shutdown..." behind.
  if (!done) ShowClockMessage(true, false, "Failed...");
  if (paused) alarms_->SetAlarmsActive(true);
}

}  // namespace tockle
