// Points the current user's Startup folder at a folder of the test's own while it lives, so that
// runs never meet in the prefix's real Startup folder; the shell reads the folder from the user's
// "User Shell Folders" value, which is put back as it was at the end.
#pragma once

#include <string>

namespace test {

class StartupFolder {
 public:
  // path: a folder (or, to make the shell fail, anything else), CP932, no trailing backslash.
  explicit StartupFolder(const std::string& path);
  ~StartupFolder();
  StartupFolder(const StartupFolder&) = delete;
  StartupFolder& operator=(const StartupFolder&) = delete;

 private:
  bool had_ = false;
  unsigned long type_ = 0;
  std::wstring old_;
};

}  // namespace test
