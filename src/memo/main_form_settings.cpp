// The memo window's values kept in the registry between runs: the document and the tab shown.
#include "base/handles.h"
#include "base/text.h"
#include "memo/main_form.h"

namespace memo {

namespace {

std::optional<std::string> readString(HKEY key, const wchar_t* name) {
  DWORD type = 0;
  DWORD bytes = 0;
  if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS || type != REG_SZ)
    return std::nullopt;
  std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &bytes) != ERROR_SUCCESS)
    return std::nullopt;
  value.resize(wcsnlen(value.c_str(), value.size()));
  return base::cp932(value);
}

void writeString(HKEY key, const wchar_t* name, const std::string& value) {
  std::wstring w = base::wide(value);
  RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(w.c_str()),
                 static_cast<DWORD>((w.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

void TfrmMain::LoadSettings() {
  HKEY raw = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, base::wide(SettingsKey).c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS) return;
  base::RegKey key(raw);
  if (auto v = readString(key.get(), L"MemoFile")) MemoFile = *v;
  if (auto v = readString(key.get(), L"LastTab")) LastTab = *v;
}

void TfrmMain::SaveSettings() {
  HKEY raw = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, base::wide(SettingsKey).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &raw,
                      nullptr) != ERROR_SUCCESS)
    return;
  base::RegKey key(raw);
  writeString(key.get(), L"MemoFile", MemoFile);
  int shown = selectedTab();
  writeString(key.get(), L"LastTab", shown >= 0 ? tabName(shown) : std::string());
}

}  // namespace memo
