#include "clock/app/vendrel.h"

#include <stdexcept>

#include "base/files.h"
#include "base/text.h"
#include "shared/about.h"
#include "shared/registry.h"

namespace tockle {

int TKzVendrel::GetBuildNumber() const {
  std::string version = shared::readVersionStrings(ProgramFile.empty() ? base::programPath() : ProgramFile).fileVersion;
  size_t dot = 0;
  for (int i = 0; i < 3; ++i) {
    dot = version.find('.', dot);
    if (dot == std::string::npos) throw std::runtime_error("no build number in " + version);
    ++dot;
  }
  long long build = 0;
  if (!base::parseInt(version.substr(dot), build) || build < INT32_MIN || build > INT32_MAX)
    throw std::runtime_error("no build number in " + version);
  return static_cast<int>(build);
}

bool TKzVendrel::WriteInfo() {
  try {
    shared::TRegistry reg;
    if (!reg.KeyExists(BaseKey)) return true;
    const std::string author = BaseKey + "\\" + MailKey;
    if (!reg.OpenKey(author, true)) return false;
    reg.WriteString("Author", Author);
    reg.WriteString("DisplayHost", DisplayHost);
    reg.WriteString(InfoInc < 2 ? std::string("InfoURL") : "InfoURL" + std::to_string(InfoInc), InfoURL);
    if (!reg.OpenKey(author + "\\" + SoftKey, true)) return false;
    reg.WriteString("DistinctName", DistinctName);
    if (Build == 0) Build = GetBuildNumber();
    reg.WriteInteger("Build", Build);
    reg.WriteString("DisplayName", DisplayName);
    reg.WriteString("FilePath", ProgramFile.empty() ? base::programPath() : ProgramFile);
    if (IconIndex > 0)
      reg.WriteInteger("IconIndex", IconIndex);
    else if (reg.ValueExists("IconIndex"))
      reg.DeleteValue("IconIndex");
    LatestBuild = reg.ValueExists("LatestBuild") ? reg.ReadInteger("LatestBuild") : 0;
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace tockle
