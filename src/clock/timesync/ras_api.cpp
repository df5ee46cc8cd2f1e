#include "clock/timesync/ras_api.h"

#include "base/lazy_library.h"

namespace tockle {

RasApi32& RasApi32::instance() {
  static RasApi32 api;
  return api;
}

RasApi32::RasApi32() : library_(base::loadSystemLibrary(L"RASAPI32.DLL")) {
  if (!library_) {
    RasLoadError = 1;
    return;
  }
  auto bind = [this](const char* name) {
    FARPROC p = GetProcAddress(library_.get(), name);
    if (!p) RasLoadError = 2;
    return p;
  };
  RasDialA = bind("RasDialA");
  RasEnumConnectionsA = reinterpret_cast<EnumConnections>(reinterpret_cast<void*>(bind("RasEnumConnectionsA")));
  RasEnumEntriesA = bind("RasEnumEntriesA");
  RasGetConnectStatusA = reinterpret_cast<GetConnectStatus>(reinterpret_cast<void*>(bind("RasGetConnectStatusA")));
  RasGetErrorStringA = bind("RasGetErrorStringA");
  RasHangUpA = bind("RasHangUpA");
}

}  // namespace tockle
