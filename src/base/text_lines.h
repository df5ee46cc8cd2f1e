// Text files read as lists of lines, and the name=value lines some of them hold. A line ends at
// CR LF, a lone CR or a lone LF; a NUL byte ends the text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace base {

using Lines = std::vector<std::string>;

Lines splitLines(std::string_view text);
// Each line followed by CR LF.
std::string joinLines(const Lines& lines);
// The text as it reads back through a list of lines: line breaks made CR LF, a final one added,
// everything from a NUL byte on dropped.
std::string normalizeText(std::string_view text);

// Whole-file reads and atomic writes of line lists; nothing when the file cannot be read.
std::optional<Lines> readLines(std::string_view path);
bool writeLines(std::string_view path, const Lines& lines);

// The name of a line is the text before its first "=", the value the text after it; a line
// without "=" is all name and has an empty value.
std::string lineName(std::string_view line);
std::string lineValue(std::string_view line);

// The value of the first line whose name equals name, letter case ignored; "" when none has it.
// Every line of a name thus carries the value of the first line of that name.
std::string valueOfName(const std::vector<std::string>& lines, std::string_view name);

}  // namespace base
