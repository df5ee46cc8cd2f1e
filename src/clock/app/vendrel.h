// The clock's registration with an external update checker: under the checker's key (when it
// exists, that is, when the checker is installed) the author's and the program's values. The clock
// never creates that key and never reads the checker's answer into its own behaviour.
#pragma once

#include <string>

namespace tockle {

class TKzVendrel {
 public:
  bool AutoWrite = true;
  std::string MailKey = "support@quorvane.example";
  std::string SoftKey = "tockle2";
  std::string Author = "Quorvane";
  std::string DisplayHost = "www.quorvane.example";
  std::string InfoURL = "https://www.quorvane.example/update/tockle.txt";
  int InfoInc = 3;
  std::string DistinctName = "Tockle";
  std::string DisplayName = "Tockle";
  // 0: the fourth field of the program file's version.
  int Build = 0;
  // 0 or less: none (a value left from before is deleted).
  int IconIndex = 0;
  // The checker's last known build, read back when present; nothing uses it.
  int LatestBuild = 0;
  // The checker's key under HKEY_CURRENT_USER (tests point it elsewhere), and the program file.
  std::string BaseKey = "Software\\Upcheck";
  std::string ProgramFile;

  // Writes the registration; true also when the checker's key does not exist (nothing written),
  // false when a write failed or the build number could not be read.
  bool WriteInfo();
  // The fourth dot-separated number of the program file's "FileVersion"; raises when it is none.
  int GetBuildNumber() const;
};

}  // namespace tockle
