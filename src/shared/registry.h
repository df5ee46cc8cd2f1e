// The registry accessor both programs build on: a root key (HKEY_CURRENT_USER unless told
// otherwise), one currently open key, and typed reads and writes of its values. Names and texts
// are CP932 and cross the OS boundary as UTF-16. A read of a value with another type than asked
// for, a binary value larger than the caller's buffer, or a write that fails raises
// ERegistryException.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>
#include <string_view>

#include "base/handles.h"

namespace shared {

class ERegistryException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TRegistry {
 public:
  TRegistry() = default;
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;
  virtual ~TRegistry() = default;

  HKEY RootKey = HKEY_CURRENT_USER;
  HKEY CurrentKey() const { return current_.get(); }

  // Opens key (a path below RootKey, a leading backslash allowed), creating it when canCreate;
  // the key opened before is closed first. False when it cannot be opened.
  bool OpenKey(std::string_view key, bool canCreate);
  bool OpenKeyReadOnly(std::string_view key);
  void CloseKey() { current_.reset(); }
  bool KeyExists(std::string_view key) const;
  // Deletes key with everything below it.
  bool DeleteKey(std::string_view key);

  bool ValueExists(std::string_view name) const;
  bool DeleteValue(std::string_view name);

  int ReadInteger(std::string_view name) const;
  bool ReadBool(std::string_view name) const { return ReadInteger(name) != 0; }
  std::string ReadString(std::string_view name) const;
  // Reads a binary value into buffer; the result is the number of bytes read.
  int ReadBinaryData(std::string_view name, void* buffer, int bufSize) const;

  void WriteInteger(std::string_view name, int value);
  void WriteBool(std::string_view name, bool value) { WriteInteger(name, value ? 1 : 0); }
  void WriteString(std::string_view name, std::string_view value);
  void WriteBinaryData(std::string_view name, const void* buffer, int bufSize);

 private:
  // Type and size of a value of the open key; raises when it cannot be queried.
  DWORD QueryValue(std::string_view name, DWORD& size) const;
  void SetValue(std::string_view name, DWORD type, const void* data, DWORD size);

  base::RegKey current_;
};

}  // namespace shared
