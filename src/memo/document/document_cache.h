// The lines of the document file read last, kept while that very file is unchanged: same file
// (volume and file index, so any replacing write is seen), same size, same last-write time. Every
// operation still asks the disk first; only an unchanged file is not read and split again, which
// keeps loading every tab of a large one-file document fast.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "base/text_lines.h"

namespace memo {

class DocumentCache {
 public:
  // The file's lines, or nothing when it cannot be read. Valid until the next call.
  const base::Lines* read(std::string_view path);
  // The lines last read from or written to path, even when the file has changed or vanished
  // since; nothing when the last file read was another.
  const base::Lines* last(std::string_view path) const;
  // Takes lines as the content of path as last read, without writing them: every operation then
  // sees them, and the next write carries them to the file. Dropped when the file changes. False
  // when path is not the file as last read (or it changed while read).
  bool keepUnwritten(std::string_view path, base::Lines lines);
  // True while lines kept unwritten for path have not reached its file.
  bool unwritten(std::string_view path) const { return unwritten_ && path_ == path; }
  // Writes the lines atomically (see writeLines) and keeps them as the file's content.
  bool write(std::string_view path, base::Lines lines);
  // Writes the lines last read from path with one line changed: line at replaced by line, or with
  // insert, line put before it. Spares copying a large document's lines for a one-tab save.
  bool writeEdited(std::string_view path, size_t at, std::string line, bool insert);

 private:
  struct Stamp {
    DWORD volume = 0, indexHigh = 0, indexLow = 0, sizeHigh = 0, sizeLow = 0;
    FILETIME written{};
    bool operator==(const Stamp& o) const;
  };
  static std::optional<Stamp> stampOf(std::string_view path);

  std::string path_;
  std::optional<Stamp> stamp_;
  base::Lines lines_;
  bool unwritten_ = false;
};

}  // namespace memo
