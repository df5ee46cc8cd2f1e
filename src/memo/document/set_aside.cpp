#include "memo/document/set_aside.h"

#include <windows.h>

#include <vector>

#include "base/files.h"
#include "base/handles.h"
#include "base/text.h"
#include "base/text_lines.h"
#include "memo/document/doc_format.h"
#include "memo/document/foreign_files.h"

namespace memo {

namespace {

constexpr int kMostNumbers = 9999;

std::string numbered(std::string_view stem, int n) {
  return n == 1 ? std::string(stem) : std::string(stem) + std::to_string(n);
}

std::string stemOf(std::string_view path) {
  std::string name = base::extractFileName(path);
  size_t dot = name.rfind('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

// Creates a folder that did not exist before: folder + stem, numbered when taken.
std::optional<std::string> makeNewFolder(std::string_view folder, std::string_view stem) {
  for (int n = 1; n <= kMostNumbers; ++n) {
    std::string candidate = std::string(folder) + numbered(stem, n);
    if (CreateDirectoryW(base::wide(candidate).c_str(), nullptr)) return candidate + "\\";
    if (GetLastError() != ERROR_ALREADY_EXISTS) return std::nullopt;
  }
  SetLastError(ERROR_ALREADY_EXISTS);
  return std::nullopt;
}

// The files of the split document at path beside its index, and which of them are its own.
struct TabFile {
  std::string name;
  bool own = false;
};
std::vector<TabFile> tabFilesOf(std::string_view path) {
  std::vector<TabFile> files;
  auto lines = base::readLines(path);
  if (!lines || recognise(*lines) != DocFormat::TypeIII) return files;
  const std::string dir = base::extractFolder(path);
  OtherIndexes others;
  const std::vector<std::string> othersFiles = others.filesOf(path);
  for (size_t i = kFirstEntry; i < lines->size(); ++i) {
    std::string file = entryFile((*lines)[i]);
    if (!isBareFileName(file) || base::equalsNoCase(dir + file, path) || !base::fileExists(dir + file)) continue;
    bool seen = false;
    for (const auto& f : files) seen = seen || base::equalsNoCase(f.name, file);
    if (!seen) files.push_back(TabFile{file, isOwnTabFile(file, path, othersFiles)});
  }
  return files;
}

bool moveFile(const std::string& from, const std::string& to) {
  return MoveFileExW(base::wide(from).c_str(), base::wide(to).c_str(), 0) != 0;
}

}  // namespace

std::optional<std::string> moveDocumentAside(std::string_view path, std::string* failedFile) {
  const std::string dir = base::extractFolder(path);
  const std::string name = base::extractFileName(path);
  const std::vector<TabFile> files = tabFilesOf(path);
  std::string failed(path);
  if (!failedFile) failedFile = &failed;
  *failedFile = path;
  auto aside = makeNewFolder(dir, stemOf(path) + "_旧"_sj);
  if (!aside) return std::nullopt;
  std::vector<std::string> moved, copied;
  auto undo = [&] {
    DWORD code = GetLastError();
    for (const auto& f : moved) moveFile(*aside + f, dir + f);
    for (const auto& f : copied) base::deleteFile(*aside + f);
    RemoveDirectoryW(base::wide(*aside).c_str());
    SetLastError(code ? code : ERROR_GEN_FAILURE);
    return std::nullopt;
  };
  for (const auto& f : files) {
    *failedFile = dir + f.name;
    if (f.own) {
      if (!moveFile(dir + f.name, *aside + f.name)) return undo();
      moved.push_back(f.name);
    } else {
      if (!CopyFileW(base::wide(dir + f.name).c_str(), base::wide(*aside + f.name).c_str(), TRUE)) return undo();
      copied.push_back(f.name);
    }
  }
  // The index (or the one-file document) last: until it has gone, the document is whole in place.
  *failedFile = path;
  if (!moveFile(std::string(path), *aside + name)) return undo();
  return aside;
}

std::optional<std::string> writeNewFile(std::string_view folder, std::string_view stem, std::string_view ext,
                                        std::string_view content) {
  for (int n = 1; n <= kMostNumbers; ++n) {
    const std::string path = std::string(folder) + numbered(stem, n) + std::string(ext);
    base::FileHandle file(
        CreateFileW(base::wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
      if (GetLastError() == ERROR_FILE_EXISTS || GetLastError() == ERROR_ALREADY_EXISTS) continue;
      return std::nullopt;
    }
    DWORD written = 0;
    bool ok = WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
              written == content.size() && FlushFileBuffers(file.get());
    if (ok) return path;
    DWORD code = GetLastError();
    file.reset();
    base::deleteFile(path);
    SetLastError(code);
    return std::nullopt;
  }
  SetLastError(ERROR_FILE_EXISTS);
  return std::nullopt;
}

}  // namespace memo
