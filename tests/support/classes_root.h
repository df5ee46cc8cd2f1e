// HKEY_CLASSES_ROOT of this process pointed at a test key for the object's lifetime, so that a
// file-type registration never reaches the prefix's real classes; reads of what was registered.
#pragma once

#include <windows.h>

#include <string>

#include "base/text.h"
#include "shared/registry.h"
#include "support/test_key.h"

namespace test {

struct ClassesRoot {
  explicit ClassesRoot(const char* name) : key(name) {
    RegCreateKeyExW(HKEY_CURRENT_USER, base::wide(key.path()).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h,
                    nullptr);
    RegOverridePredefKey(HKEY_CLASSES_ROOT, h);
  }
  ~ClassesRoot() {
    RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    RegCloseKey(h);
  }
  ClassesRoot(const ClassesRoot&) = delete;
  ClassesRoot& operator=(const ClassesRoot&) = delete;
  // The default value of a key below the root, or "<missing>".
  std::string value(const std::string& sub) const {
    shared::TRegistry r;
    return r.OpenKeyReadOnly(key.path() + "\\" + sub) ? r.ReadString("") : "<missing>";
  }
  TestKey key;
  HKEY h = nullptr;
};

}  // namespace test
