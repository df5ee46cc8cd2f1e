#include "shared/registry.h"

#include <vector>

#include "base/text.h"

namespace shared {

namespace {
std::wstring keyPath(std::string_view key) {
  while (!key.empty() && key.front() == '\\') key.remove_prefix(1);
  return base::wide(key);
}

[[noreturn]] void raise(const char* what, std::string_view name) {
  throw ERegistryException(std::string(what) + " '" + std::string(name) + "'");
}
}  // namespace

bool TRegistry::OpenKey(std::string_view key, bool canCreate) {
  CloseKey();
  HKEY h = nullptr;
  LONG rc = canCreate
                ? RegCreateKeyExW(RootKey, keyPath(key).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr)
                : RegOpenKeyExW(RootKey, keyPath(key).c_str(), 0, KEY_ALL_ACCESS, &h);
  if (rc != ERROR_SUCCESS) return false;
  current_.reset(h);
  return true;
}

bool TRegistry::OpenKeyReadOnly(std::string_view key) {
  CloseKey();
  HKEY h = nullptr;
  if (RegOpenKeyExW(RootKey, keyPath(key).c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return false;
  current_.reset(h);
  return true;
}

bool TRegistry::KeyExists(std::string_view key) const {
  HKEY h = nullptr;
  if (RegOpenKeyExW(RootKey, keyPath(key).c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return false;
  RegCloseKey(h);
  return true;
}

bool TRegistry::DeleteKey(std::string_view key) {
  return RegDeleteTreeW(RootKey, keyPath(key).c_str()) == ERROR_SUCCESS;
}

bool TRegistry::ValueExists(std::string_view name) const {
  return current_ && RegQueryValueExW(current_.get(), base::wide(name).c_str(), nullptr, nullptr, nullptr, nullptr) ==
                         ERROR_SUCCESS;
}

bool TRegistry::DeleteValue(std::string_view name) {
  return current_ && RegDeleteValueW(current_.get(), base::wide(name).c_str()) == ERROR_SUCCESS;
}

DWORD TRegistry::QueryValue(std::string_view name, DWORD& size) const {
  DWORD type = REG_NONE;
  size = 0;
  if (!current_ ||
      RegQueryValueExW(current_.get(), base::wide(name).c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    raise("Failed to get data for", name);
  return type;
}

int TRegistry::ReadInteger(std::string_view name) const {
  DWORD size = 0;
  if (QueryValue(name, size) != REG_DWORD || size != sizeof(DWORD)) raise("Invalid data type for", name);
  DWORD value = 0;
  if (RegQueryValueExW(current_.get(), base::wide(name).c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&value),
                       &size) != ERROR_SUCCESS)
    raise("Failed to get data for", name);
  return static_cast<int>(value);
}

std::string TRegistry::ReadString(std::string_view name) const {
  DWORD size = 0;
  DWORD type = QueryValue(name, size);
  if (type != REG_SZ && type != REG_EXPAND_SZ) raise("Invalid data type for", name);
  std::vector<wchar_t> buf(size / sizeof(wchar_t) + 1, L'\0');
  DWORD bytes = static_cast<DWORD>(buf.size() * sizeof(wchar_t));
  if (RegQueryValueExW(current_.get(), base::wide(name).c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(buf.data()),
                       &bytes) != ERROR_SUCCESS)
    raise("Failed to get data for", name);
  std::wstring_view text(buf.data(), bytes / sizeof(wchar_t));
  // The stored text ends at its terminator (a value may lack one, or carry more).
  text = text.substr(0, text.find(L'\0'));
  return base::cp932(text);
}

int TRegistry::ReadBinaryData(std::string_view name, void* buffer, int bufSize) const {
  DWORD size = 0;
  if (QueryValue(name, size) != REG_BINARY) raise("Invalid data type for", name);
  if (bufSize < 0 || size > static_cast<DWORD>(bufSize)) raise("Invalid data size for", name);
  if (RegQueryValueExW(current_.get(), base::wide(name).c_str(), nullptr, nullptr, static_cast<BYTE*>(buffer), &size) !=
      ERROR_SUCCESS)
    raise("Failed to get data for", name);
  return static_cast<int>(size);
}

void TRegistry::SetValue(std::string_view name, DWORD type, const void* data, DWORD size) {
  if (!current_ || RegSetValueExW(current_.get(), base::wide(name).c_str(), 0, type, static_cast<const BYTE*>(data),
                                  size) != ERROR_SUCCESS)
    raise("Failed to set data for", name);
}

void TRegistry::WriteInteger(std::string_view name, int value) {
  DWORD v = static_cast<DWORD>(value);
  SetValue(name, REG_DWORD, &v, sizeof v);
}

void TRegistry::WriteString(std::string_view name, std::string_view value) {
  std::wstring w = base::wide(value);
  SetValue(name, REG_SZ, w.c_str(), static_cast<DWORD>((w.size() + 1) * sizeof(wchar_t)));
}

void TRegistry::WriteBinaryData(std::string_view name, const void* buffer, int bufSize) {
  SetValue(name, REG_BINARY, buffer, static_cast<DWORD>(bufSize));
}

}  // namespace shared
