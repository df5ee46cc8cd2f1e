#include "memo/document/leftover_temps.h"

#include <string>

#include "base/files.h"
#include "base/text.h"
#include "memo/document/tab_file_name.h"

namespace memo {

namespace {

void removeTemp(const std::string& path) {
  const std::string temp = base::tempBeside(path);
  // A link found there is left alone: deleting it could delete what it points to.
  if (base::fileExists(temp) && !base::isLinkedFile(temp)) base::deleteFile(temp);
}

}  // namespace

void removeLeftoverTemps(std::string_view document, std::string_view backup) {
  const std::string folder = base::extractFolder(document);
  const std::string own = base::extractFileName(document);
  for (const auto& name : base::leftoverTemps(folder))
    if (base::equalsNoCase(name, own) || hasTabFileExt(name)) removeTemp(folder + name);
  if (!backup.empty()) removeTemp(std::string(backup));
}

}  // namespace memo
