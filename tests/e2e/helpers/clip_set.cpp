// Test helper: puts the bytes of a file on the clipboard as CP932 text (CF_TEXT), the way an
// ordinary ANSI program copies text. In burst mode it copies count texts
// "<prefix>1" .. "<prefix><count>" (ASCII prefix), one every interval milliseconds.
//   clip_set <file>
//   clip_set --burst <count> <interval-ms> <prefix>
#include <windows.h>

#include <cstdio>
#include <string>

#include "support/clipboard.h"

namespace {
int burst(int count, DWORD intervalMs, const std::wstring& prefix) {
  std::string ascii(prefix.begin(), prefix.end());
  for (int i = 1; i <= count; ++i) {
    // Each text stays the interval from the moment it is there (the first copy of a process
    // takes longer than the others).
    if (i > 1) Sleep(intervalMs);
    if (!test::setClipboardCp932(ascii + std::to_string(i))) return 1;
  }
  return 0;
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 5 && std::wstring(argv[1]) == L"--burst") return burst(_wtoi(argv[2]), _wtoi(argv[3]), argv[4]);
  if (argc < 2) return 2;
  FILE* f = _wfopen(argv[1], L"rb");
  if (!f) return 3;
  std::string bytes;
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
  std::fclose(f);
  if (!test::setClipboardCp932(bytes)) return 1;
  return 0;
}
