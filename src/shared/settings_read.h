// Reading one setting with what its field holds as the default: a missing value, and a value
// stored with another type, leave the field as it was, so that every later value is still read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "shared/reg_ex.h"

namespace shared {

template <typename T>
void readSetting(TKzRegEx& r, std::string_view name, T& field) {
  const T def = field;
  try {
    if constexpr (std::is_same_v<T, bool>)
      r.TryReadBool(name, field, def);
    else if constexpr (std::is_same_v<T, int>)
      r.TryReadInteger(name, field, def);
    else
      r.TryReadString(name, field, def);
  } catch (const ERegistryException&) {
    field = def;
  }
}

// A colour (or any 32-bit pattern) kept as the REG_DWORD of its bits.
inline void readSetting(TKzRegEx& r, std::string_view name, uint32_t& field) {
  int v = static_cast<int>(field);
  readSetting(r, name, v);
  field = static_cast<uint32_t>(v);
}

// A binary value into buffer: the number of bytes read, 0 when the value is missing, of another
// type or larger than the buffer (the buffer then is as it was).
inline int readBinarySetting(TKzRegEx& r, std::string_view name, void* buffer, int size) {
  try {
    return r.SafeReadBinaryData(name, buffer, size);
  } catch (const ERegistryException&) {
    return 0;
  }
}

// A one-byte binary value: anything but exactly one stored byte keeps the field.
inline void readSetting(TKzRegEx& r, std::string_view name, uint8_t& field) {
  uint8_t v = field;
  if (readBinarySetting(r, name, &v, 1) == 1) field = v;
}

}  // namespace shared
