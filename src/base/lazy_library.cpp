#include "base/lazy_library.h"

#include "base/text.h"

namespace base {

HMODULE loadSystemLibrary(const wchar_t* name) {
  // By its full path (every system knows that): never a DLL of that name lying beside the program.
  wchar_t folder[MAX_PATH] = {};
  UINT n = GetSystemDirectoryW(folder, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return nullptr;
  return LoadLibraryW((std::wstring(folder, n) + L"\\" + name).c_str());
}

HMODULE LazyLibrary::module() {
  if (!module_) module_ = loadSystemLibrary(name_);
  return module_;
}

FARPROC LazyLibrary::address(const char* name) {
  FARPROC f = module() ? GetProcAddress(module_, name) : nullptr;
  // The user sees this text in the error box.
  if (!f) throw std::runtime_error("システムのライブラリ "_sj + cp932(name_) + " に "_sj + name + " がありません"_sj);
  return f;
}

}  // namespace base
