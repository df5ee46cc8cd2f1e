// A registry key of its own for one test under HKEY_CURRENT_USER, never one of the programs'
// real keys: deleted when the test starts and again when it ends.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "base/text.h"
#include "shared/registry.h"

namespace test {

// Every value of an open key: name (CP932) -> type and bytes.
using KeyDump = std::map<std::string, std::pair<DWORD, std::vector<BYTE>>>;
inline KeyDump dumpKey(HKEY key) {
  KeyDump d;
  for (DWORD i = 0;; ++i) {
    wchar_t name[256];
    DWORD nameLen = 256, type = 0, size = 4096;
    std::vector<BYTE> data(size);
    if (RegEnumValueW(key, i, name, &nameLen, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) break;
    data.resize(size);
    d[base::cp932(name)] = {type, data};
  }
  return d;
}

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
