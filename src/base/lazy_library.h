// A system DLL that only a rare action needs (a sound, a time synchronisation, a file chooser, a
// shell object), loaded at the first call of one of its functions and kept until the program ends:
// an idle program so does not hold it, nor the DLLs it brings along.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

namespace base {

// A DLL of the system loaded from the system folder, or null.
HMODULE loadSystemLibrary(const wchar_t* name);

class LazyLibrary {
 public:
  explicit LazyLibrary(const wchar_t* name) : name_(name) {}
  LazyLibrary(const LazyLibrary&) = delete;
  LazyLibrary& operator=(const LazyLibrary&) = delete;

  // The function of the DLL with this name and type (decltype of its declaration); raises
  // std::runtime_error when the DLL or the function is missing.
  template <typename F>
  F* function(const char* name) {
    return reinterpret_cast<F*>(reinterpret_cast<void*>(address(name)));
  }
  // The DLL itself (loaded now when not yet), or null when it cannot be loaded.
  HMODULE module();

 private:
  FARPROC address(const char* name);

  const wchar_t* name_;
  HMODULE module_ = nullptr;
};

}  // namespace base

// The function fn of a LazyLibrary, with the type of its declaration: LAZY(winmm, sndPlaySoundW)(...).
#define LAZY(library, fn) (library).function<decltype(::fn)>(#fn)
