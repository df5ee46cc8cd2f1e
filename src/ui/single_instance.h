// One running copy of a program per user: a named mutex, taken before anything else, decides
// atomically which start is the first (a window-title search alone lets two quick starts both win).
#pragma once

#include <windows.h>

#include <string>

#include "base/handles.h"

namespace ui {

// The mutex's name: in the session's own namespace, with the user's name in it, so that another
// user's copy on the same machine neither blocks nor is found.
std::wstring instanceMutexName(const std::wstring& program);

class SingleInstance {
 public:
  explicit SingleInstance(const std::wstring& program);
  // True for the first start: the mutex was made here and is held until this object ends.
  bool first() const { return first_; }

 private:
  base::KernelHandle mutex_;
  bool first_ = false;
};

// The first start's main window, found by its title: the first may still be making it, so this
// waits for it up to timeoutMs. nullptr when it did not appear.
HWND waitForRunningWindow(const std::wstring& title, DWORD timeoutMs);

// A second start: brings the first's window forward when it appears. The window handle (or nullptr).
HWND activateRunning(const std::wstring& title, DWORD timeoutMs = 10000);

}  // namespace ui
