// The rules of the memo's insert commands and dropped files that need no window: offsets of the
// date and time commands, files read as text, Internet shortcuts, and what a dropped path becomes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/datetime.h"

namespace memo {

// The count typed into the input box: a whole number, a minus sign allowed; false for anything
// else.
bool parseOffset(std::string_view answer, long long& count);
// now moved by count days (or hours), held inside the years 1 to 9999 that can be shown.
base::DateTime offsetTime(base::DateTime now, long long count, bool hours);

// Files larger than this are not taken in as text.
inline constexpr size_t kMaxTextFile = size_t{16} << 20;

enum class TextFileState { Read, Missing, TooLarge, NotText };
// A file taken in as CP932 text: missing (or a folder), too large, or holding a NUL byte (no
// text) is refused; bytes holds the content when it was read.
TextFileState readTextFile(const std::string& path, std::string& bytes);

// The value of the first "URL=" line of an Internet shortcut (the name in any case, any section);
// "" when there is none.
std::string urlOfInternetShortcut(std::string_view content);

enum class DropKind { Tab, Line, Shortcut, InternetShortcut };
// By the extension in any case: ".txt" and ".rtf" become tabs when autoOpenText is on, ".lnk" and
// ".url" are resolved, everything else (folders too) is added as its path.
DropKind dropKindOf(std::string_view path, bool autoOpenText);

// The lines a file inserted into a tab adds: an empty line, the line naming the file, another
// empty line, then the file's lines (CR LF between them).
std::string insertedFileText(const std::string& path, std::string_view content);

}  // namespace memo
