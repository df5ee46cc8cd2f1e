// Test helper: puts the bytes of a file on the clipboard as CP932 text (CF_TEXT), the way an
// ordinary ANSI program copies text.
//   clip_set <file>
#include <windows.h>

#include <cstdio>
#include <string>

#include "support/clipboard.h"

int wmain(int argc, wchar_t** argv) {
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
