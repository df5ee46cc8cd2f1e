#include "clock/config/apply_undo.h"

#include "base/files.h"
#include "base/handles.h"
#include "base/text.h"

namespace tockle {

ApplyUndo::ApplyUndo(const std::string& registryKey, const std::vector<std::string>& files)
    : key_(registryKey), values_(readValues(registryKey)) {
  for (const std::string& file : files) files_[file] = base::readFile(file);
}

std::optional<ApplyUndo::Values> ApplyUndo::readValues(const std::string& key) {
  HKEY raw = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, base::wide(key).c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS)
    return std::nullopt;
  base::RegKey handle(raw);
  DWORD count = 0, longestName = 0, longestData = 0;
  RegQueryInfoKeyW(raw, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, &longestName, &longestData,
                   nullptr, nullptr);
  Values values;
  std::wstring name(longestName + 1, L'\0');
  std::vector<BYTE> data(longestData + 1);
  for (DWORD i = 0; i < count; ++i) {
    DWORD nameLen = static_cast<DWORD>(name.size()), size = static_cast<DWORD>(data.size()), type = REG_NONE;
    if (RegEnumValueW(raw, i, name.data(), &nameLen, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) continue;
    values[name.substr(0, nameLen)] = Value{type, std::vector<BYTE>(data.begin(), data.begin() + size)};
  }
  return values;
}

bool ApplyUndo::Restore() const {
  bool whole = true;
  for (const auto& [file, bytes] : files_) {
    if (base::readFile(file) == bytes) continue;
    whole = (bytes ? base::writeFileAtomic(file, *bytes) : base::deleteFile(file)) && whole;
  }
  std::optional<Values> now = readValues(key_);
  if (now == values_) return whole;
  HKEY raw = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, base::wide(key_).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &raw,
                      nullptr) != ERROR_SUCCESS)
    return false;
  base::RegKey handle(raw);
  const Values before = values_.value_or(Values{});
  if (now)
    for (const auto& [name, value] : *now)
      if (!before.count(name)) whole = RegDeleteValueW(raw, name.c_str()) == ERROR_SUCCESS && whole;
  for (const auto& [name, value] : before) {
    if (now && now->count(name) && now->at(name) == value) continue;
    whole = RegSetValueExW(raw, name.c_str(), 0, value.type, value.data.data(),
                           static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS &&
            whole;
  }
  return whole;
}

}  // namespace tockle
