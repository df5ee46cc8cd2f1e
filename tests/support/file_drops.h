// Files dropped as the shell drops them: an HDROP of this process, sent as WM_DROPFILES.
#pragma once

#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <string>
#include <vector>

namespace test {

// DROPFILES, then the UTF-16 names, each NUL-ended, and a final NUL. The receiver frees it.
inline HDROP makeDrop(const std::vector<std::wstring>& names, POINT pt = {0, 0}) {
  size_t chars = 1;
  for (auto& n : names) chars += n.size() + 1;
  HGLOBAL mem = GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
  auto* df = static_cast<DROPFILES*>(GlobalLock(mem));
  df->pFiles = sizeof(DROPFILES);
  df->pt = pt;
  df->fNC = FALSE;
  df->fWide = TRUE;
  auto* p = reinterpret_cast<wchar_t*>(reinterpret_cast<BYTE*>(df) + sizeof(DROPFILES));
  for (auto& n : names) {
    std::copy(n.begin(), n.end(), p);
    p += n.size() + 1;
  }
  GlobalUnlock(mem);
  return static_cast<HDROP>(mem);
}

}  // namespace test
