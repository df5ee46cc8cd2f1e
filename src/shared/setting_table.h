// A program's stored settings as one table: each value's name beside the field that holds it, in
// the order the values are written. Reading, writing and the program's tests all walk the same
// table, so a value is named in one place. The field's type says how the value is stored:
//   bool               REG_DWORD 0 or 1
//   int                REG_DWORD
//   uint32_t (colour)  REG_DWORD of the same bits
//   std::string        REG_SZ
//   uint8_t            one-byte REG_BINARY
// A program stores a record of its own by naming its type in the table's Records and giving
// readSetting(TKzRegEx&, name, Record&) and writeSetting(TRegistry&, name, const Record&) beside
// the record's type. What a field holds when read is its default (see settings_read.h).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "shared/settings_read.h"

namespace shared {

template <typename... Records>
struct SettingField {
  std::string name;
  std::variant<bool*, int*, uint32_t*, std::string*, uint8_t*, Records*...> field;
};

template <typename... Records>
using SettingTable = std::vector<SettingField<Records...>>;

inline void writeSetting(TRegistry& r, std::string_view name, bool value) { r.WriteBool(name, value); }
inline void writeSetting(TRegistry& r, std::string_view name, int value) { r.WriteInteger(name, value); }
inline void writeSetting(TRegistry& r, std::string_view name, uint32_t value) {
  r.WriteInteger(name, static_cast<int>(value));
}
inline void writeSetting(TRegistry& r, std::string_view name, const std::string& value) { r.WriteString(name, value); }
inline void writeSetting(TRegistry& r, std::string_view name, uint8_t value) { r.WriteBinaryData(name, &value, 1); }

// Every value of the table, each on its own: a missing value or one of another type keeps its
// field, and the values after it are still read.
template <typename... Records>
void readSettings(TKzRegEx& r, const SettingTable<Records...>& table) {
  for (const auto& f : table) std::visit([&](auto* field) { readSetting(r, f.name, *field); }, f.field);
}

// Every value of the table in its order. A write that fails raises ERegistryException; what was
// written before it stays.
template <typename... Records>
void writeSettings(TRegistry& r, const SettingTable<Records...>& table) {
  for (const auto& f : table) std::visit([&](auto* field) { writeSetting(r, f.name, *field); }, f.field);
}

}  // namespace shared
