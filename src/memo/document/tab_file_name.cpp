#include "memo/document/tab_file_name.h"

#include <windows.h>

#include "base/text.h"
#include "memo/document/doc_format.h"

namespace memo {

namespace {

bool usedInIndex(const base::Lines& index, std::string_view candidate) {
  std::string stem = std::string(candidate) + ".";
  for (const auto& line : index) {
    std::string file = entryFile(line);
    if (base::equalsNoCase(std::string_view(file).substr(0, stem.size()), stem)) return true;
  }
  return false;
}

bool existsOnDisk(const std::string& path) {
  return GetFileAttributesW(base::wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool usable(const base::Lines& index, const std::string& candidate, std::string_view folder) {
  if (isDeviceName(candidate) || !isBareFileName(candidate + ".txt")) return false;
  if (usedInIndex(index, candidate)) return false;
  std::string path = std::string(folder) + candidate;
  return !existsOnDisk(path + ".txt") && !existsOnDisk(path + ".rtf");
}

}  // namespace

std::string unusedTabBase(const base::Lines& index, std::string_view base, std::string_view folder) {
  std::string candidate(base);
  for (int n = 2; !usable(index, candidate, folder); ++n) {
    if (n > 1000000) return {};  // nothing usable: the caller gives up instead of looping forever
    candidate = std::string(base) + std::to_string(n);
  }
  return candidate;
}

std::string makeTabFileName(const base::Lines& index, std::string_view tabName, std::string_view prefix,
                            std::string_view folder) {
  std::string name = std::string(prefix) + std::string(tabName);
  for (const char* bad : {"\\", "/", ":", ",", ";", "*", "?", "\"", "<", ">", "|"})
    name = base::replaceAll(name, bad, "");
  for (char c = 1; c < 0x20; ++c) name = base::replaceAll(name, std::string(1, c), "");
  if (name.empty()) name = "Taveloタブファイル"_sj;
  // "con.txt" or "con.log.txt" would open a device whatever number follows: such a name is moved
  // off the device's name instead.
  if (isDeviceName(name)) name = "_" + name;
  return unusedTabBase(index, name, folder);
}

}  // namespace memo
