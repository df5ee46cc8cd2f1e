// What the settings dialog's apply may change on disk, kept as it was before the apply: the values
// of the settings key and the bytes of the side files. When a later step fails, the earlier steps'
// writes are put back, so that a failed OK or Apply leaves the registry and the files as they were.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tockle {

class ApplyUndo {
 public:
  // Reads the key's values (HKEY_CURRENT_USER) and the files now.
  ApplyUndo(const std::string& registryKey, const std::vector<std::string>& files);

  // Writes back what differs: values changed or added since are restored or deleted, files
  // rewritten or deleted. False when something could not be put back (the caller says so).
  bool Restore() const;

 private:
  struct Value {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    bool operator==(const Value&) const = default;
  };
  using Values = std::map<std::wstring, Value>;
  static std::optional<Values> readValues(const std::string& key);

  std::string key_;
  std::optional<Values> values_;                             // nullopt: the key did not exist
  std::map<std::string, std::optional<std::string>> files_;  // nullopt: the file did not exist
};

}  // namespace tockle
