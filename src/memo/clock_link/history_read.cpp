#include "memo/clock_link/history_read.h"

#include "base/handles.h"
#include "base/text.h"
#include "memo/document/doc_failure.h"
#include "shared/history_file.h"

namespace memo {

namespace {

bool readAll(HANDLE file, std::string& bytes) {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size) || size.QuadPart > 0x7FFFFFFF) return false;
  bytes.resize(static_cast<size_t>(size.QuadPart));
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD got = 0;
    if (!ReadFile(file, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got, nullptr) || got == 0)
      return false;
    done += got;
  }
  return true;
}

}  // namespace

HistoryRead readHistoryFile(const std::string& path, int tries, DWORD pauseMs) {
  HistoryRead result;
  std::wstring wpath = base::wide(path);
  for (int attempt = 0;; ++attempt) {
    // Shared for reading only: the clock's own exclusive open waits for this read to end.
    base::FileHandle file(CreateFileW(wpath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file) {
      std::string bytes;
      if (!readAll(file.get(), bytes)) {
        result.state = HistoryState::Failed;
        result.error = systemErrorText(GetLastError());
        return result;
      }
      bool intact = shared::TKzHistoryFile::ItemsOf(std::move(bytes), result.items);
      result.state = intact ? HistoryState::Read : HistoryState::Damaged;
      return result;
    }
    DWORD code = GetLastError();
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) {
      result.state = HistoryState::Missing;
      return result;
    }
    if (code != ERROR_SHARING_VIOLATION && code != ERROR_LOCK_VIOLATION) {
      result.state = HistoryState::Failed;
      result.error = systemErrorText(code);
      return result;
    }
    if (attempt + 1 >= tries) {
      result.state = HistoryState::Held;
      return result;
    }
    Sleep(pauseMs);
  }
}

}  // namespace memo
