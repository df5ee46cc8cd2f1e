// The dial-up networking library, bound at run time: a PC without it (or with an incomplete one)
// must still run the clock, so nothing links against it.
#pragma once

#include <windows.h>

#include <cstdint>

#include "base/handles.h"

namespace tockle {

// The connection records in the layout of the first version of the library, which every later
// version still accepts.
struct RasConnA {
  DWORD dwSize;
  HANDLE hrasconn;
  char szEntryName[257];
  char szDeviceType[17];
  char szDeviceName[129];
};
// The sizes the library checks in dwSize are those of the 32-bit layout; 64-bit builds (tests on
// machines without 32-bit support) align the handle differently.
static_assert(sizeof(void*) != 4 || sizeof(RasConnA) == 412);

struct RasConnStatusA {
  DWORD dwSize;
  int rasconnstate;
  DWORD dwError;
  char szDeviceType[17];
  char szDeviceName[129];
};
static_assert(sizeof(RasConnStatusA) == 160);

inline constexpr int kRasConnected = 0x2000;

class RasApi32 {
 public:
  // Bound on first use (the clock's SNTP component is made at start-up), freed at program end.
  static RasApi32& instance();

  // 0: library and every entry point bound; 1: library missing; 2: an entry point missing.
  uint16_t RasLoadError = 0;

  using EnumConnections = DWORD(WINAPI*)(RasConnA* connections, DWORD* bytes, DWORD* count);
  using GetConnectStatus = DWORD(WINAPI*)(HANDLE connection, RasConnStatusA* status);
  EnumConnections RasEnumConnectionsA = nullptr;
  GetConnectStatus RasGetConnectStatusA = nullptr;
  FARPROC RasDialA = nullptr;
  FARPROC RasEnumEntriesA = nullptr;
  FARPROC RasGetErrorStringA = nullptr;
  FARPROC RasHangUpA = nullptr;

 private:
  RasApi32();
  base::Library library_;
};

}  // namespace tockle
