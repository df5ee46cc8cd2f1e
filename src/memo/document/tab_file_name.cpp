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

bool usable(const base::Lines& index, const std::string& candidate, std::string_view folder,
            const MayReplace& mayReplace) {
  if (isDeviceName(candidate) || !isBareFileName(candidate + ".txt")) return false;
  if (usedInIndex(index, candidate)) return false;
  for (const char* ext : {".txt", ".rtf"})
    if (existsOnDisk(std::string(folder) + candidate + ext) && !(mayReplace && mayReplace(candidate + ext)))
      return false;
  return true;
}

}  // namespace

bool hasExt(std::string_view file, std::string_view ext) {
  return file.size() > ext.size() && base::equalsNoCase(file.substr(file.size() - ext.size()), ext);
}

bool isPlainTabFile(std::string_view file, std::string_view content) {
  return hasExt(file, tabFileExt(false)) || !isRtfText(content);
}

bool hasTabFileExt(std::string_view file) { return hasExt(file, ".txt") || hasExt(file, ".rtf"); }

std::string unusedTabBase(const base::Lines& index, std::string_view base, std::string_view folder,
                          const MayReplace& mayReplace) {
  std::string candidate(base);
  for (int n = 2; !usable(index, candidate, folder, mayReplace); ++n) {
    if (n > 1000000) return {};  // nothing usable: the caller gives up instead of looping forever
    candidate = std::string(base) + std::to_string(n);
  }
  return candidate;
}

std::string makeTabFileName(const base::Lines& index, std::string_view tabName, std::string_view prefix,
                            std::string_view folder, const MayReplace& mayReplace) {
  std::string name = std::string(prefix) + std::string(tabName);
  for (const char* bad : {"\\", "/", ":", ",", ";", "*", "?", "\"", "<", ">", "|"})
    name = base::replaceAll(name, bad, "");
  for (char c = 1; c < 0x20; ++c) name = base::replaceAll(name, std::string(1, c), "");
  if (name.empty()) name = "Taveloタブファイル"_sj;
  // A long tab name still gets a file: the base is cut (never inside a double-byte character) well
  // below the file system's limit, leaving room for the number and the extension.
  constexpr size_t kLongestBase = 120;
  size_t cut = 0;
  while (cut < name.size()) {
    size_t step = base::isLeadByte(static_cast<unsigned char>(name[cut])) && cut + 1 < name.size() ? 2 : 1;
    if (cut + step > kLongestBase) break;
    cut += step;
  }
  name.resize(cut);
  // "con.txt" or "con.log.txt" would open a device whatever number follows: such a name is moved
  // off the device's name instead.
  if (isDeviceName(name)) name = "_" + name;
  return unusedTabBase(index, name, folder, mayReplace);
}

}  // namespace memo
