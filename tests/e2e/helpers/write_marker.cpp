// Helper program of the end-to-end tests: writes "started" into the file named by its argument,
// so a test sees that the clock started it.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  HANDLE f = CreateFileW(commandLine, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(f, "started", 7, &written, nullptr);
  CloseHandle(f);
  return 0;
}
