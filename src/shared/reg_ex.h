// Registry reads with defaults, for settings that may be missing (first start, older versions,
// values added later). Each read first asks whether the value exists; only then is the typed
// read done, so a value of the wrong type, or a binary value larger than the buffer, still
// raises ERegistryException to the caller. No read opens, closes or creates keys.
#pragma once

#include <utility>

#include "shared/registry.h"

namespace shared {

class TKzRegEx : public TRegistry {
 public:
  // Safe reads answer a neutral value (0, empty; the buffer untouched) for a missing value.
  int SafeReadBinaryData(std::string_view name, void* buffer, int bufSize);
  int SafeReadInteger(std::string_view name);
  std::string SafeReadString(std::string_view name);

  // Try reads set value to the stored value and answer true, or set it to def and answer false
  // when the value is missing (TryReadBinaryData leaves the buffer as it was).
  bool TryReadBinaryData(std::string_view name, void* buffer, int bufSize);
  bool TryReadBool(std::string_view name, bool& value, bool def);
  bool TryReadInteger(std::string_view name, int& value, int def);
  bool TryReadString(std::string_view name, std::string& value, std::string_view def);

 private:
  template <typename T, typename Read>
  bool TryRead(std::string_view name, T& value, T def, Read read) {
    if (!ValueExists(name)) {
      value = std::move(def);
      return false;
    }
    value = read();
    return true;
  }
};

}  // namespace shared
