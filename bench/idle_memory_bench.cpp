// Idle resident memory of the clock beside a bare Win32 window that draws the same clock: both run
// from fresh folders with default settings, are left idle, and then their working sets (Wine reports
// the process's resident memory) are read. Prints the figures and the ratio (the
// clock aims at no more than 1.25 times the bare window's resident memory).
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/e2e.h"

namespace {

struct Memory {
  double residentMiB = -1;
};

Memory memoryOf(DWORD pid) {
  Memory m;
  HANDLE p = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (!p) return m;
  PROCESS_MEMORY_COUNTERS_EX c{};
  c.cb = sizeof c;
  if (GetProcessMemoryInfo(p, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&c), sizeof c)) {
    m.residentMiB = c.WorkingSetSize / 1048576.0;
  }
  CloseHandle(p);
  return m;
}

}  // namespace

int main(int argc, char** argv) {
  const DWORD idleMs = argc > 1 ? static_cast<DWORD>(std::atoi(argv[1])) * 1000 : 20000;
  const std::string key = "Software\\Quorvane\\Tockle3";
  test::deleteUserKey(key);
  // Further arguments Name=Number set clock settings (REG_DWORD) for the run, e.g. InTray=0.
  for (int i = 2; i < argc; ++i) {
    std::string arg = argv[i];
    size_t eq = arg.find('=');
    if (eq == std::string::npos) continue;
    HKEY k = nullptr;
    DWORD value = static_cast<DWORD>(std::atol(arg.c_str() + eq + 1));
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &k, nullptr) == 0) {
      RegSetValueExA(k, arg.substr(0, eq).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
      RegCloseKey(k);
    }
  }
  test::ProgramRun clock("Tockle.exe");
  test::ProgramRun bare("bare_window.exe");
  if (!clock.start() || !clock.waitForWindow("Tockle 3 for Windows 9x/NT by Ruxel", 60000) || !bare.start() ||
      !bare.waitForWindow("bare", 60000)) {
    std::printf("the programs did not start\n");
    return 1;
  }
  // Start-up, "Starting..." and the first ticks; then what an idle clock holds.
  Sleep(idleMs);
  Memory c = memoryOf(clock.processId()), b = memoryOf(bare.processId());
  std::printf(
      "Resident memory after %lu s idle: Tockle %.1f MiB, bare window %.1f MiB, ratio %.2f (goal at most 1.25)\n",
      idleMs / 1000, c.residentMiB, b.residentMiB, c.residentMiB / b.residentMiB);
  clock.close("Tockle 3 for Windows 9x/NT by Ruxel");
  test::deleteUserKey(key);
  return 0;
}
