// A program's settings table tested whole: every field given a value other than its default, and
// keys written through the table, read back and written again, compared value by value.
#pragma once

#include <string>
#include <type_traits>
#include <variant>

#include "base/text.h"
#include "shared/setting_table.h"
#include "support/test_key.h"

namespace test {

// Gives each field of the table a value other than the one it holds, within the ranges a read
// keeps; a program's own records are left for the test to set.
template <typename... Records>
void changeEvery(const shared::SettingTable<Records...>& table) {
  for (const auto& f : table) {
    std::visit(
        [](auto* field) {
          using T = std::remove_pointer_t<decltype(field)>;
          if constexpr (std::is_same_v<T, bool>)
            *field = !*field;
          else if constexpr (std::is_same_v<T, std::string>)
            *field += "変"_sj;
          else if constexpr (std::is_integral_v<T>)
            *field = *field == 0 ? 1 : *field - 1;
        },
        f.field);
  }
}

// Two keys of a test: settings are written to one, or raw values stored there are read and
// written again to the other.
template <typename Settings>
class SettingsKeys {
 public:
  using Read = void (*)(shared::TKzRegEx&, Settings&);
  using Write = void (*)(shared::TRegistry&, const Settings&);
  SettingsKeys(const std::string& name, Read read, Write write)
      : stored_(name), rewritten_(name + "2"), read_(read), write_(write) {}

  // What writing s gives, in a key that held nothing.
  KeyDump written(const Settings& s) {
    shared::TRegistry r;
    open(r, rewritten_);
    write_(r, s);
    return dumpKey(r.CurrentKey());
  }

  // What a read of a key holding exactly these values gives, written again.
  KeyDump readBack(const KeyDump& values) {
    shared::TKzRegEx r;
    open(r, stored_);
    for (const auto& [name, value] : values) {
      const auto& [type, bytes] = value;
      RegSetValueExW(r.CurrentKey(), base::wide(name).c_str(), 0, type, bytes.data(), static_cast<DWORD>(bytes.size()));
    }
    Settings s;
    read_(r, s);
    return written(s);
  }

  // Each value of changed in turn, stored with another type and then missing, reads as its
  // default while every other value reads as stored.
  void expectEachValueFallsBackAlone(const Settings& changed) {
    const KeyDump all = written(changed);
    const KeyDump defaults = written(Settings{});
    for (const auto& [name, value] : all) {
      KeyDump expected = all;
      expected[name] = defaults.at(name);
      KeyDump other = all;
      // A string where a number or a byte block belongs, a number where a string belongs.
      other[name] = value.first == REG_SZ ? std::pair{DWORD{REG_DWORD}, std::vector<BYTE>{7, 0, 0, 0}}
                                          : std::pair{DWORD{REG_SZ}, std::vector<BYTE>{'7', 0, 0, 0}};
      EXPECT_EQ(readBack(other), expected) << name << " of another type";
      KeyDump missing = all;
      missing.erase(name);
      EXPECT_EQ(readBack(missing), expected) << name << " missing";
    }
  }

 private:
  // Opens the key emptied of every value.
  static void open(shared::TRegistry& r, const TestKey& key) {
    key.remove();
    ASSERT_TRUE(r.OpenKey(key.path(), true));
  }

  TestKey stored_;
  TestKey rewritten_;
  Read read_;
  Write write_;
};

}  // namespace test
