#include "ui/single_instance.h"

namespace ui {

std::wstring instanceMutexName(const std::wstring& program) {
  wchar_t user[257] = L"";
  DWORD size = 257;
  if (!GetUserNameW(user, &size)) user[0] = L'\0';
  // A backslash would name a namespace; user names never hold one, but keep the name a plain one.
  std::wstring name = L"Local\\" + program + L".SingleInstance." + user;
  for (size_t i = 6; i < name.size(); ++i)
    if (name[i] == L'\\') name[i] = L'_';
  return name;
}

SingleInstance::SingleInstance(const std::wstring& program)
    : mutex_(CreateMutexW(nullptr, FALSE, instanceMutexName(program).c_str())) {
  // Without a mutex (no rights, no memory) the start goes on as the only one it can see.
  first_ = !mutex_ || GetLastError() != ERROR_ALREADY_EXISTS;
}

HWND waitForRunningWindow(const std::wstring& title, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (HWND w = FindWindowW(nullptr, title.c_str())) return w;
    if (GetTickCount() - start >= timeoutMs) return nullptr;
    Sleep(50);
  }
}

HWND activateRunning(const std::wstring& title, DWORD timeoutMs) {
  HWND running = waitForRunningWindow(title, timeoutMs);
  if (running) SetForegroundWindow(running);
  return running;
}

}  // namespace ui
