// Which files a split document may delete or overwrite: only its own tab files. A damaged index
// can name anything beside it (the index itself, a program, another document's tab file), and
// none of that is the document's to remove.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace memo {

// The files that the other split documents in the document's folder name in their indexes (the
// indexes looked at are the files with the document's extension or ".ntd").
std::vector<std::string> filesOfOtherIndexes(std::string_view document);
// A file named by the document's index is its own tab file when it is a bare ".txt" or ".rtf"
// name beside it, not the document itself, not named by another index (othersFiles) and not a
// link: a linked file is read, but neither deleted nor written over through the link.
bool isOwnTabFile(std::string_view file, std::string_view document, const std::vector<std::string>& othersFiles);

}  // namespace memo
