#include "memo/document/foreign_files.h"

#include <windows.h>

#include "base/files.h"
#include "base/text.h"
#include "memo/document/doc_format.h"
#include "memo/document/tab_file_name.h"

namespace memo {

namespace {

constexpr LONGLONG kLargestIndex = 1 << 20;  // an index is small; anything larger is no index

std::string extOf(std::string_view file) {
  size_t dot = file.rfind('.');
  size_t slash = file.find_last_of("\\/");
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return {};
  return std::string(file.substr(dot));
}

}  // namespace

std::vector<std::string> OtherIndexes::filesOf(std::string_view document) {
  const std::string dir = base::extractFolder(document);
  std::vector<std::string> exts{".ntd"};
  if (std::string own = extOf(base::extractFileName(document)); !own.empty() && !base::equalsNoCase(own, ".ntd"))
    exts.push_back(own);
  std::map<std::string, Seen> listed;
  std::vector<std::string> files;
  for (const auto& ext : exts) {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(base::wide(dir + "*" + ext).c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) continue;
    do {
      std::string name = base::cp932(fd.cFileName);
      LONGLONG size = (static_cast<LONGLONG>(fd.nFileSizeHigh) << 32) | fd.nFileSizeLow;
      // The pattern also finds longer extensions ("*.ntd" finds "a.ntdx").
      if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || size > kLargestIndex || !hasExt(name, ext) ||
          base::equalsNoCase(dir + name, document) || listed.count(dir + name))
        continue;
      Seen& now = listed[dir + name];
      auto known = seen_.find(dir + name);
      if (known != seen_.end() && known->second.size == size &&
          CompareFileTime(&known->second.written, &fd.ftLastWriteTime) == 0) {
        now = std::move(known->second);
      } else {
        now.size = size;
        now.written = fd.ftLastWriteTime;
        auto lines = base::readLines(dir + name);
        if (lines && recognise(*lines) == DocFormat::TypeIII)
          for (size_t i = kFirstEntry; i < lines->size(); ++i) now.files.push_back(entryFile((*lines)[i]));
      }
      files.insert(files.end(), now.files.begin(), now.files.end());
    } while (FindNextFileW(h, &fd));
    FindClose(h);
  }
  seen_ = std::move(listed);
  return files;
}

bool isOwnTabFile(std::string_view file, std::string_view document, const std::vector<std::string>& othersFiles) {
  if (!isBareFileName(file) || !hasTabFileExt(file)) return false;
  if (base::equalsNoCase(base::extractFolder(document) + std::string(file), document)) return false;
  for (const auto& other : othersFiles)
    if (base::equalsNoCase(other, file)) return false;
  return !base::isLinkedFile(base::extractFolder(document) + std::string(file));
}

}  // namespace memo
