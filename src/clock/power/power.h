// Shutting down, restarting, suspending and hibernating the computer. Every call that would act
// on the machine goes through IPowerControl, so tests put a fake in its place.
#pragma once

#include <windows.h>

namespace tockle {

// Kinds of power operation, also the special names' numbers 0 to 3.
enum PowerKind { kShutdown = 0, kReboot = 1, kSuspend = 2, kHibernate = 3 };

class IPowerControl {
 public:
  virtual ~IPowerControl() = default;
  // Enables the shutdown privilege in the process token; false when it is not granted.
  virtual bool EnableShutdownPrivilege() = 0;
  virtual bool ExitWindowsNow(UINT flags) = 0;
  virtual bool SetPowerState(bool suspend, bool force) = 0;
};

// The calls in use: the real ones, unless a test put a fake in their place. nullptr gives the real
// ones back; the fake must outlive its use.
IPowerControl& powerControl();
void setPowerControl(IPowerControl* replacement);

// ExitWindowsEx's flags for a shutdown or a reboot.
UINT exitWindowsFlags(int kind, bool noPoweroff, bool force);

}  // namespace tockle
