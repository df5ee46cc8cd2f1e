#include "clock/timesync/time_sync.h"

namespace tockle {

bool synchronizeTime(TKzNetTime2& client, const SyncRequest& request, const ShowStatus& show) {
  if (request.server.empty()) return false;
  show(true, kSntpConnecting);
  client.OnSNTPReceived = [show](TKzNetTime2&, const std::string& msg) { show(false, msg); };
  client.ReceiveTimeout = request.timeOut;
  client.AllowableErrorRange = request.ignoreRange;
  client.Host = request.server;
  bool connected = request.dialUp ? client.IsDialUpConnected() : client.IsOnline();
  if (!connected) {
    show(false, kSntpNoConnection);
    return false;
  }
  return client.SyncTime();
}

}  // namespace tockle
