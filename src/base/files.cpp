#include "base/files.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <vector>

#include "base/handles.h"
#include "base/text.h"

namespace base {

std::string programPath() {
  std::vector<wchar_t> buf(MAX_PATH);
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n < buf.size()) return cp932(std::wstring_view(buf.data(), n));
    buf.resize(buf.size() * 2);
  }
}

std::string programFolder() { return extractFolder(programPath()); }

static size_t lastSeparator(std::string_view path) {
  size_t last = std::string_view::npos;
  for (size_t i = 0; i < path.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(path[i]);
    if (isLeadByte(c) && i + 1 < path.size()) {
      ++i;
      continue;
    }
    if (c == '\\' || c == '/' || c == ':') last = i;
  }
  return last;
}

std::string extractFolder(std::string_view path) {
  size_t p = lastSeparator(path);
  return p == std::string_view::npos ? std::string() : std::string(path.substr(0, p + 1));
}

std::string extractFileName(std::string_view path) {
  size_t p = lastSeparator(path);
  return std::string(p == std::string_view::npos ? path : path.substr(p + 1));
}

std::string changeExtension(std::string_view path, std::string_view ext) {
  size_t sep = lastSeparator(path);
  size_t start = sep == std::string_view::npos ? 0 : sep + 1;
  size_t dot = std::string_view::npos;
  for (size_t i = start; i < path.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(path[i]);
    if (isLeadByte(c) && i + 1 < path.size()) {
      ++i;
      continue;
    }
    if (c == '.') dot = i;
  }
  std::string out(path.substr(0, dot == std::string_view::npos ? path.size() : dot));
  out.append(ext);
  return out;
}

bool fileExists(std::string_view path) {
  DWORD a = GetFileAttributesW(wide(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

FileProblem fileProblem(std::string_view path) {
  std::wstring w = wide(path);
  DWORD a = GetFileAttributesW(w.c_str());
  if (a == INVALID_FILE_ATTRIBUTES) {
    DWORD code = GetLastError();
    return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND ? FileProblem::Missing
                                                                        : FileProblem::Unreadable;
  }
  if (a & FILE_ATTRIBUTE_DIRECTORY) return FileProblem::NotAFile;
  FileHandle f(CreateFileW(w.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr));
  if (f) return FileProblem::None;
  return GetLastError() == ERROR_SHARING_VIOLATION ? FileProblem::Held : FileProblem::Unreadable;
}

bool folderExists(std::string_view path) {
  DWORD a = GetFileAttributesW(wide(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool deleteFile(std::string_view path) { return DeleteFileW(wide(path).c_str()) != 0; }

namespace {

constexpr wchar_t kTempEnding[] = L".~tmp";

// Where the file or folder at path really is, as the system resolves every link on the way.
std::optional<std::wstring> finalPath(const std::wstring& path) {
  FileHandle f(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!f) return std::nullopt;
  std::vector<wchar_t> buf(MAX_PATH);
  for (;;) {
    DWORD n = GetFinalPathNameByHandleW(f.get(), buf.data(), static_cast<DWORD>(buf.size()), FILE_NAME_NORMALIZED);
    if (n == 0) return std::nullopt;
    if (n < buf.size()) return std::wstring(buf.data(), n);
    buf.resize(n + 1);
  }
}

bool isReadOnlyFile(const std::wstring& path) {
  DWORD a = GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_READONLY) && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool isLinkedFile(std::string_view path) {
  std::wstring w = wide(path);
  DWORD a = GetFileAttributesW(w.c_str());
  if (a == INVALID_FILE_ATTRIBUTES || (a & FILE_ATTRIBUTE_DIRECTORY)) return false;
  if (a & FILE_ATTRIBUTE_REPARSE_POINT) return true;
  // Both resolved the same way, so that links in the folder's own path do not count.
  std::string folder = extractFolder(path);
  auto file = finalPath(w);
  auto dir = finalPath(wide(folder.empty() ? std::string_view(".") : std::string_view(folder)));
  if (!file || !dir) return false;
  if (!dir->empty() && dir->back() != L'\\') dir->push_back(L'\\');
  return !equalsNoCase(cp932(*file), cp932(*dir) + extractFileName(path));
}

std::optional<std::string> readFile(std::string_view path) {
  FileHandle f(CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!f) return std::nullopt;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(f.get(), &size) || size.QuadPart > 0x7FFFFFFF) return std::nullopt;
  std::string data(static_cast<size_t>(size.QuadPart), '\0');
  size_t done = 0;
  while (done < data.size()) {
    DWORD got = 0;
    if (!ReadFile(f.get(), data.data() + done, static_cast<DWORD>(data.size() - done), &got, nullptr))
      return std::nullopt;
    if (got == 0) break;
    done += got;
  }
  data.resize(done);
  return data;
}

std::string tempBeside(std::string_view path) { return std::string(path) + cp932(kTempEnding); }

std::vector<std::string> leftoverTemps(std::string_view folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW((wide(folder) + L"*" + kTempEnding).c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return names;
  const size_t ending = std::size(kTempEnding) - 1;
  do {
    std::wstring name = fd.cFileName;
    // The pattern also finds longer endings (".~tmpx").
    if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || name.size() <= ending ||
        _wcsicmp(name.c_str() + name.size() - ending, kTempEnding) != 0)
      continue;
    names.push_back(cp932(std::wstring_view(name).substr(0, name.size() - ending)));
  } while (FindNextFileW(h, &fd));
  FindClose(h);
  return names;
}

std::string writeTempBeside(std::string_view path, std::string_view bytes) {
  if (isReadOnlyFile(wide(path))) {
    SetLastError(ERROR_ACCESS_DENIED);
    return {};
  }
  std::wstring temp = wide(tempBeside(path));
  FileHandle f(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!f) return {};
  size_t done = 0;
  bool ok = true;
  while (ok && done < bytes.size()) {
    DWORD put = 0;
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
    ok = WriteFile(f.get(), bytes.data() + done, chunk, &put, nullptr) && put != 0;
    done += put;
  }
  ok = ok && FlushFileBuffers(f.get());
  DWORD code = ok ? 0 : GetLastError();
  f.reset();
  if (!ok) {
    // The caller reports why the write failed, not how the clean-up went.
    DeleteFileW(temp.c_str());
    SetLastError(code);
    return {};
  }
  return cp932(temp);
}

bool replaceWithTemp(std::string_view temp, std::string_view path) {
  std::wstring t = wide(temp);
  std::wstring target = wide(path);
  DWORD code = 0;
  if (isReadOnlyFile(target))
    code = ERROR_ACCESS_DENIED;
  else if (!MoveFileExW(t.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    code = GetLastError();
  if (code) {
    DeleteFileW(t.c_str());
    SetLastError(code);
    return false;
  }
  return true;
}

bool writeFileAtomic(std::string_view path, std::string_view bytes) {
  std::string temp = writeTempBeside(path, bytes);
  return !temp.empty() && replaceWithTemp(temp, path);
}

namespace {
// The n-th name of a copy beside path (1: path + ending, then path + ending + "2", ...); "" past
// the last one tried.
std::string copyName(std::string_view path, std::string_view ending, int n) {
  if (n >= 10000) return {};
  return std::string(path) + std::string(ending) + (n == 1 ? std::string() : std::to_string(n));
}
bool taken(const std::string& name) { return GetFileAttributesW(wide(name).c_str()) != INVALID_FILE_ATTRIBUTES; }
}  // namespace

std::string freeCopyName(std::string_view path, std::string_view ending) {
  for (int n = 1;; ++n) {
    std::string name = copyName(path, ending, n);
    if (name.empty() || !taken(name)) return name;
  }
}

std::string keepCopyBeside(std::string_view path, std::string_view ending, std::string_view bytes) {
  for (int n = 1; n < 10000; ++n) {
    std::string name = copyName(path, ending, n);
    if (taken(name)) continue;
    std::string temp = writeTempBeside(name, bytes);
    if (temp.empty()) return {};
    // A move that does not replace: a copy made meanwhile under this name is kept as well.
    if (MoveFileExW(wide(temp).c_str(), wide(name).c_str(), MOVEFILE_WRITE_THROUGH)) return name;
    DWORD code = GetLastError();
    DeleteFileW(wide(temp).c_str());
    if (code != ERROR_ALREADY_EXISTS && code != ERROR_FILE_EXISTS) return {};
  }
  return {};
}

std::string makeTempFolder(std::string_view prefix) {
  wchar_t tmp[MAX_PATH];
  GetTempPathW(MAX_PATH, tmp);
  static unsigned counter = 0;
  for (;;) {
    std::wstring name = std::wstring(tmp) + wide(prefix) + std::to_wstring(GetCurrentProcessId()) + L"_" +
                        std::to_wstring(GetTickCount()) + L"_" + std::to_wstring(++counter);
    if (CreateDirectoryW(name.c_str(), nullptr)) return cp932(name) + "\\";
    if (GetLastError() != ERROR_ALREADY_EXISTS) return {};
  }
}

void removeTree(std::string_view folder) {
  std::wstring dir = wide(folder);
  while (!dir.empty() && (dir.back() == L'\\' || dir.back() == L'/')) dir.pop_back();
  if (dir.empty()) return;
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = fd.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring full = dir + L"\\" + name;
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        removeTree(cp932(full));
      } else {
        SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(full.c_str());
      }
    } while (FindNextFileW(h, &fd));
    FindClose(h);
  }
  RemoveDirectoryW(dir.c_str());
}

}  // namespace base
