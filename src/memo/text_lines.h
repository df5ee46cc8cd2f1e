// Memo documents are CP932 text handled as lists of lines: a line ends at CR LF, a lone CR or a
// lone LF, a NUL byte ends the text, and every line written (the last one too) ends with CR LF.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/text_lines.h"

namespace memo {

using Lines = std::vector<std::string>;

using base::joinLines;
using base::splitLines;
// The text as it reads back through a list of lines: line breaks made CR LF, a final one added,
// everything from a NUL byte on dropped.
std::string normalizeText(std::string_view text);

// Whole-file reads and atomic writes of line lists; nothing when the file cannot be read.
std::optional<Lines> readLines(std::string_view path);
bool writeLines(std::string_view path, const Lines& lines);

}  // namespace memo
