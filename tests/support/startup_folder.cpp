#include "support/startup_folder.h"

#include <windows.h>

#include <vector>

#include "base/text.h"

namespace test {

namespace {

constexpr wchar_t kShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

void setValue(DWORD type, const std::wstring& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr)) return;
  RegSetValueExW(key, L"Startup", 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

}  // namespace

StartupFolder::StartupFolder(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kShellFolders, 0, KEY_READ, &key) == ERROR_SUCCESS) {
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(key, L"Startup", nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
      std::vector<wchar_t> buf(size / sizeof(wchar_t) + 1, L'\0');
      if (RegQueryValueExW(key, L"Startup", nullptr, &type, reinterpret_cast<BYTE*>(buf.data()), &size) ==
          ERROR_SUCCESS) {
        had_ = true;
        type_ = type;
        old_ = buf.data();
      }
    }
    RegCloseKey(key);
  }
  setValue(REG_SZ, base::wide(path));
}

StartupFolder::~StartupFolder() {
  if (had_) {
    setValue(type_, old_);
    return;
  }
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kShellFolders, 0, KEY_WRITE, &key) != ERROR_SUCCESS) return;
  RegDeleteValueW(key, L"Startup");
  RegCloseKey(key);
}

}  // namespace test
