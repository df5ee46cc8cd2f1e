#include "base/lazy_library.h"

#include "base/text.h"

namespace base {

HMODULE LazyLibrary::module() {
  // From the system folder only: never a DLL of that name lying beside the program. Systems that
  // do not know the flag refuse it; they get the plain search.
  if (!module_) module_ = LoadLibraryExW(name_, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!module_ && GetLastError() == ERROR_INVALID_PARAMETER) module_ = LoadLibraryW(name_);
  return module_;
}

FARPROC LazyLibrary::address(const char* name) {
  FARPROC f = module() ? GetProcAddress(module_, name) : nullptr;
  if (!f) throw std::runtime_error(cp932(name_) + ": " + name + " not found");
  return f;
}

}  // namespace base
