#include "clock/power/power.h"

#include "clock/timesync/net_time.h"

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

IPowerControl* replacement = nullptr;

}  // namespace

IPowerControl& powerControl() {
  static SystemPowerControl control;
  return replacement ? *replacement : control;
}

void setPowerControl(IPowerControl* r) { replacement = r; }

UINT exitWindowsFlags(int kind, bool noPoweroff, bool force) {
  UINT flags = kind == kReboot ? EWX_REBOOT : EWX_SHUTDOWN;
  if (kind == kShutdown && !noPoweroff) flags |= EWX_POWEROFF;
  if (force) flags |= EWX_FORCE;
  return flags;
}

}  // namespace tockle
