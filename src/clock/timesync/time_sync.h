// One attempt of the clock's time synchronisation: the connection check, the query and the
// outcome texts shown in place of the clock.
#pragma once

#include <functional>
#include <string>

#include "clock/timesync/net_time.h"

namespace tockle {

struct SyncRequest {
  std::string server;
  int timeOut = 750;      // ms
  int ignoreRange = 200;  // ms
  bool dialUp = false;    // check the dial-up connections instead of the offline flag
};

// Shows a status text; persistent texts stay until the next one replaces them.
using ShowStatus = std::function<void(bool persistent, const std::string& text)>;

// Runs one attempt with `client`; an empty server does nothing at all. Returns whether the clock
// was set.
bool synchronizeTime(TKzNetTime2& client, const SyncRequest& request, const ShowStatus& show);

}  // namespace tockle
