#include "shared/history_file.h"

#include <windows.h>

#include <cmath>
#include <optional>
#include <utility>

#include "base/files.h"
#include "base/handles.h"
#include "base/text.h"

namespace shared {

namespace {

struct HistoryRecord {
  double time;
  std::string text;
};
using Records = std::vector<HistoryRecord>;

// Dates the locale can write and read back: years 1 to 9999.
bool isDate(double t) { return std::isfinite(t) && t >= -693593.0 && t < 2958466.0; }

// The intact records from the start of the file; reading stops at the first damaged one. intact:
// whether they are all the file holds.
Records parse(std::string bytes, bool* intact = nullptr) {
  Records out;
  TMemoryStream stream(std::move(bytes));
  size_t left = stream.Remaining();
  while (stream.Remaining() >= 8) {
    HistoryRecord r;
    r.time = TKzStretchableFileOperation::ReadDouble(stream);
    if (!isDate(r.time) || !TKzStretchableFileOperation::ReadString(stream, r.text)) break;
    out.push_back(std::move(r));
    left = stream.Remaining();
  }
  if (intact) *intact = left == 0;
  return out;
}

std::string serialize(const Records& records) {
  TMemoryStream stream;
  for (const HistoryRecord& r : records) {
    TKzStretchableFileOperation::WriteDouble(stream, r.time);
    TKzStretchableFileOperation::WriteString(stream, r.text);
  }
  return stream.Bytes();
}

std::string systemMessage(DWORD code) {
  wchar_t* buf = nullptr;
  DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, code, 0, reinterpret_cast<wchar_t*>(&buf), 0, nullptr);
  std::string text = n ? base::trim(base::cp932(std::wstring_view(buf, n))) : std::to_string(code);
  if (buf) LocalFree(buf);
  return text;
}

// The name of the n-th copy kept of a damaged history file: "<name>.damaged", then
// "<name>.damaged2", "<name>.damaged3", ...
std::string damagedCopyName(const std::string& path, int n) {
  return path + ".damaged" + (n == 1 ? std::string() : std::to_string(n));
}

// Keeps bytes under the first free copy name; a copy already holding exactly these bytes (kept by
// an earlier try whose rewrite failed) serves again. Never replaces a copy. "" when none could be
// written (the next rewrite tries again).
std::string keepDamagedCopy(const std::string& path, const std::string& bytes, bool& keptNow) {
  keptNow = false;
  for (int n = 1; n < 10000; ++n) {
    std::string copy = damagedCopyName(path, n);
    if (base::fileProblem(copy) != base::FileProblem::Missing) {
      if (base::readFile(copy) == bytes) return copy;
      continue;
    }
    std::string temp = base::writeTempBeside(copy, bytes);
    if (temp.empty()) return {};
    // A move that does not replace: a copy made meanwhile under this name stays as it is.
    if (MoveFileExW(base::wide(temp).c_str(), base::wide(copy).c_str(), MOVEFILE_WRITE_THROUGH)) {
      keptNow = true;
      return copy;
    }
    DeleteFileW(base::wide(temp).c_str());
  }
  return {};
}

// The history file held open without sharing for the length of one operation (created empty when
// missing). Its content is read whole; a rewrite goes to a temporary file beside it first, which
// then replaces it, so a failure leaves the old content as it was.
class OpenHistory {
 public:
  explicit OpenHistory(const std::string& path) : path_(path) {
    file_.reset(CreateFileW(base::wide(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file_) throw EFOpenError("Cannot open file \"" + path + "\". " + systemMessage(GetLastError()));
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file_.get(), &size) || size.QuadPart > 0x7FFFFFFF) throw EStreamError("Stream read error");
    bytes_.resize(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    while (done < bytes_.size()) {
      DWORD got = 0;
      if (!ReadFile(file_.get(), bytes_.data() + done, static_cast<DWORD>(bytes_.size() - done), &got, nullptr) ||
          got == 0)
        throw EStreamError("Stream read error");
      done += got;
    }
  }

  Records records() const { return parse(bytes_); }
  const std::string& bytes() const { return bytes_; }

  // keptCopy: set to the copy's path when the damaged old content is kept beside the file.
  void rewrite(const Records& records, std::string& keptCopy) {
    std::string bytes = serialize(records);
    if (bytes == bytes_) return;
    keepDamaged(keptCopy);
    std::string temp = base::writeTempBeside(path_, bytes);
    if (temp.empty()) throw EWriteError("Stream write error");
    file_.reset();
    if (!base::replaceWithTemp(temp, path_)) {
      // Another program opened the file in the moment it was free: the old content stays.
      DWORD code = GetLastError();
      std::string text = "Cannot replace file \"" + path_ + "\". " + systemMessage(code);
      if (code == ERROR_SHARING_VIOLATION || code == ERROR_ACCESS_DENIED) throw EFOpenError(text);
      throw EWriteError(text);
    }
    bytes_ = std::move(bytes);
  }

 private:
  void keepDamaged(std::string& keptCopy) {
    bool intact = false;
    parse(bytes_, &intact);
    if (intact) return;
    bool keptNow = false;
    std::string copy = keepDamagedCopy(path_, bytes_, keptNow);
    if (copy.empty()) throw EWriteError("Cannot keep the damaged file \"" + path_ + "\"");
    if (keptNow) keptCopy = copy;
  }

  std::string path_;
  base::FileHandle file_;
  std::string bytes_;
};

}  // namespace

TKzHistoryFile::TKzHistoryFile(std::string fileName) : FileName(std::move(fileName)) {}

std::string TKzHistoryFile::DateText(base::DateTime time) {
  return time == std::floor(time) ? base::dateToStr(time) : base::dateTimeToStr(time);
}

std::vector<std::string> TKzHistoryFile::ReversePairs(const std::vector<std::string>& items) {
  std::vector<std::string> out;
  out.reserve(items.size());
  for (size_t pair = items.size() / 2; pair-- > 0;) {
    out.push_back(items[2 * pair]);
    out.push_back(items[2 * pair + 1]);
  }
  return out;
}

bool TKzHistoryFile::Load() {
  ItemsOf(OpenHistory(FileName).bytes(), Items);
  return true;
}

bool TKzHistoryFile::ItemsOf(std::string bytes, std::vector<std::string>& items) {
  items.clear();
  bool intact = false;
  Records records = parse(std::move(bytes), &intact);
  for (auto r = records.rbegin(); r != records.rend(); ++r) {
    items.push_back(DateText(r->time));
    items.push_back(std::move(r->text));
  }
  return intact;
}

bool TKzHistoryFile::Save() {
  if (AppendMode) {
    Append(AddText, base::now());
    return true;
  }
  std::vector<std::string> oldestFirst = ReversePairs(Items);
  Records records;
  for (size_t i = 0; i + 1 < oldestFirst.size(); i += 2) {
    base::DateTime t = 0;
    if (!base::tryStrToDateTime(oldestFirst[i], t))
      throw EConvertError("'" + oldestFirst[i] + "' is not a valid date and time");
    records.push_back({t, oldestFirst[i + 1]});
  }
  OpenHistory(FileName).rewrite(records, KeptDamagedCopy);
  Items = std::move(oldestFirst);
  return true;
}

void TKzHistoryFile::Append(const std::string& addText, base::DateTime time) {
  // The duplicate goes and the new record comes in one rewrite: no text is lost between them.
  std::string text = base::cut(addText, kMaxRecordString);
  OpenHistory file(FileName);
  Records records = file.records();
  std::erase_if(records, [&](const HistoryRecord& r) { return r.text == text; });
  records.push_back({time, std::move(text)});
  file.rewrite(records, KeptDamagedCopy);
}

base::DateTime TKzHistoryFile::WholeSeconds(base::DateTime time) {
  base::DateTime cut = time;
  return base::tryStrToDateTime(DateText(time), cut) ? cut : time;
}

void TKzHistoryFile::RemoveStrayTemp(const std::string& path) {
  std::string temp = base::tempBeside(path);
  if (!base::fileExists(temp)) return;
  std::optional<std::string> bytes = base::readFile(path);
  bool intact = false;
  if (bytes) parse(std::move(*bytes), &intact);
  if (intact) base::deleteFile(temp);
}

std::vector<THistoryRecord> TKzHistoryFile::LoadRecords() {
  Records records = OpenHistory(FileName).records();
  std::vector<THistoryRecord> out;
  for (auto r = records.rbegin(); r != records.rend(); ++r) out.push_back({r->time, std::move(r->text)});
  return out;
}

void TKzHistoryFile::SaveRecords(const std::vector<THistoryRecord>& newestFirst) {
  Records records;
  for (auto r = newestFirst.rbegin(); r != newestFirst.rend(); ++r) records.push_back({r->Time, r->Text});
  OpenHistory(FileName).rewrite(records, KeptDamagedCopy);
}

void TKzHistoryFile::RemoveText(const std::string& text) {
  OpenHistory file(FileName);
  Records records = file.records();
  std::erase_if(records, [&](const HistoryRecord& r) { return r.text == text; });
  file.rewrite(records, KeptDamagedCopy);
}

bool TKzHistoryFile::DeleteOldest(int n) {
  if (n <= 0) return false;
  OpenHistory file(FileName);
  Records records = file.records();
  records.erase(records.begin(), records.begin() + std::min<size_t>(records.size(), static_cast<size_t>(n)));
  file.rewrite(records, KeptDamagedCopy);
  return true;
}

int TKzHistoryFile::GetCount() { return static_cast<int>(OpenHistory(FileName).records().size()); }

base::DateTime TKzHistoryFile::GetFirstDate() {
  Records records = OpenHistory(FileName).records();
  return records.empty() ? base::now() : records.front().time;
}

bool TKzHistoryFile::DeleteHistoryFile() { return base::deleteFile(FileName); }

}  // namespace shared
