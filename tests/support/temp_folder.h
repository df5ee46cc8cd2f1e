// A fresh folder for one test, removed with everything in it when the test ends.
#pragma once

#include <string>

#include "base/files.h"

namespace test {

class TempFolder {
 public:
  TempFolder() : path_(base::makeTempFolder("tockle_test_")) {}
  ~TempFolder() { base::removeTree(path_); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  // The folder with a trailing backslash (CP932).
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

}  // namespace test
