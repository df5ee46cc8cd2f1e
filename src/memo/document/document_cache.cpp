#include "memo/document/document_cache.h"

#include "base/files.h"
#include "base/handles.h"
#include "base/text.h"

namespace memo {

bool DocumentCache::Stamp::operator==(const Stamp& o) const {
  return volume == o.volume && indexHigh == o.indexHigh && indexLow == o.indexLow && sizeHigh == o.sizeHigh &&
         sizeLow == o.sizeLow && CompareFileTime(&written, &o.written) == 0;
}

std::optional<DocumentCache::Stamp> DocumentCache::stampOf(std::string_view path) {
  base::FileHandle f(CreateFileW(base::wide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  BY_HANDLE_FILE_INFORMATION info{};
  if (!f || !GetFileInformationByHandle(f.get(), &info)) return std::nullopt;
  return Stamp{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow,
               info.nFileSizeHigh,        info.nFileSizeLow,   info.ftLastWriteTime};
}

const base::Lines* DocumentCache::read(std::string_view path) {
  auto stamp = stampOf(path);
  if (stamp && stamp_ && *stamp == *stamp_ && path_ == path) return &lines_;
  stamp_.reset();
  unwritten_ = false;
  auto lines = base::readLines(path);
  if (!lines) return nullptr;
  path_ = std::string(path);
  lines_ = std::move(*lines);
  // A file that changed while it was read is not trusted: the next read reads it again.
  if (stamp && stampOf(path) == stamp) stamp_ = stamp;
  return &lines_;
}

const base::Lines* DocumentCache::last(std::string_view path) const {
  return !path_.empty() && base::equalsNoCase(path_, path) ? &lines_ : nullptr;
}

bool DocumentCache::keepUnwritten(std::string_view path, base::Lines lines) {
  if (path_ != path || !stamp_) return false;
  lines_ = std::move(lines);
  unwritten_ = true;
  return true;
}

bool DocumentCache::write(std::string_view path, base::Lines lines) {
  stamp_.reset();
  if (!base::writeLines(path, lines)) return false;
  path_ = std::string(path);
  stamp_ = stampOf(path);
  lines_ = std::move(lines);
  unwritten_ = false;
  return true;
}

bool DocumentCache::writeEdited(std::string_view path, size_t at, std::string line, bool insert) {
  if (path_ != path || at > lines_.size() || (!insert && at == lines_.size())) return false;
  std::string bytes;
  size_t size = line.size() + 2;
  for (const auto& l : lines_) size += l.size() + 2;
  bytes.reserve(size);
  for (size_t i = 0; i <= lines_.size(); ++i) {
    if (i == at) bytes.append(line).append("\r\n");
    if (i < lines_.size() && !(i == at && !insert)) bytes.append(lines_[i]).append("\r\n");
  }
  if (!base::writeFileAtomic(path, bytes)) return false;
  if (insert) {
    lines_.insert(lines_.begin() + static_cast<ptrdiff_t>(at), std::move(line));
  } else {
    lines_[at] = std::move(line);
  }
  stamp_ = stampOf(path);
  unwritten_ = false;
  return true;
}

}  // namespace memo
