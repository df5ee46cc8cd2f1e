#include "support/clipboard.h"

#include <windows.h>

#include <chrono>
#include <cstring>
#include <thread>

namespace test {

namespace {
bool setClipboard(UINT format, const void* data, size_t bytes) {
  bool open = false;
  for (int attempt = 0; attempt < 50 && !(open = OpenClipboard(nullptr)); ++attempt)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  if (!open) return false;
  EmptyClipboard();
  bool ok = false;
  if (HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    std::memcpy(GlobalLock(mem), data, bytes);
    GlobalUnlock(mem);
    ok = SetClipboardData(format, mem) != nullptr;
    if (!ok) GlobalFree(mem);
  }
  CloseClipboard();
  return ok;
}
}  // namespace

bool setClipboardUnicode(std::wstring_view text) {
  std::wstring s(text);
  return setClipboard(CF_UNICODETEXT, s.c_str(), (s.size() + 1) * sizeof(wchar_t));
}

bool setClipboardCp932(std::string_view text) {
  std::string s(text);
  return setClipboard(CF_TEXT, s.c_str(), s.size() + 1);
}

}  // namespace test
