// Which files a split document may delete or overwrite: only its own tab files. A damaged index
// can name anything beside it (the index itself, a program, another document's tab file), and
// none of that is the document's to remove.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace memo {

// The files that the other split documents in the document's folder name in their indexes (the
// indexes looked at are the files with the document's extension or ".ntd"). Each file is read
// once and again only after it changed (size or last write): a save lists the folder, but does
// not read every other document beside its own again.
class OtherIndexes {
 public:
  std::vector<std::string> filesOf(std::string_view document);

 private:
  struct Seen {
    LONGLONG size = 0;
    FILETIME written{};
    std::vector<std::string> files;  // empty for a file that is no split document's index
  };
  std::map<std::string, Seen> seen_;  // by full path, as the folder lists it
};
// A file named by the document's index is its own tab file when it is a bare ".txt" or ".rtf"
// name beside it, not the document itself, not named by another index (othersFiles) and not a
// link: a linked file is read, but neither deleted nor written over through the link.
bool isOwnTabFile(std::string_view file, std::string_view document, const std::vector<std::string>& othersFiles);

}  // namespace memo
