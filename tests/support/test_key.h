// A registry key of its own for one test under HKEY_CURRENT_USER, never one of the programs'
// real keys: deleted when the test starts and again when it ends.
#pragma once

#include <string>

#include "shared/Registry.h"

namespace test {

class TestKey {
 public:
  explicit TestKey(std::string name) : path_("Software\\TockleTests\\" + std::move(name)) { remove(); }
  ~TestKey() { remove(); }
  TestKey(const TestKey&) = delete;
  TestKey& operator=(const TestKey&) = delete;
  const std::string& path() const { return path_; }
  void remove() const {
    shared::TRegistry r;
    r.DeleteKey(path_);
  }

 private:
  std::string path_;
};

}  // namespace test
