#include "shared/reg_ex.h"

namespace shared {

int TKzRegEx::SafeReadBinaryData(std::string_view name, void* buffer, int bufSize) {
  return ValueExists(name) ? ReadBinaryData(name, buffer, bufSize) : 0;
}

int TKzRegEx::SafeReadInteger(std::string_view name) { return ValueExists(name) ? ReadInteger(name) : 0; }

std::string TKzRegEx::SafeReadString(std::string_view name) {
  return ValueExists(name) ? ReadString(name) : std::string();
}

bool TKzRegEx::TryReadBinaryData(std::string_view name, void* buffer, int bufSize) {
  if (!ValueExists(name)) return false;
  ReadBinaryData(name, buffer, bufSize);
  return true;
}

bool TKzRegEx::TryReadBool(std::string_view name, bool& value, bool def) {
  return TryRead(name, value, def, [&] { return ReadBool(name); });
}

bool TKzRegEx::TryReadInteger(std::string_view name, int& value, int def) {
  return TryRead(name, value, def, [&] { return ReadInteger(name); });
}

bool TKzRegEx::TryReadString(std::string_view name, std::string& value, std::string_view def) {
  return TryRead(name, value, std::string(def), [&] { return ReadString(name); });
}

}  // namespace shared
