// Keeping what a user had when something new is to take its place: an old document moved into a
// folder of its own beside it, text that has no document left written into a file of its own.
// Nothing here writes over a file or folder that exists.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace memo {

// Moves the document at path into a new folder beside it, named after the document ("notes_旧",
// then "notes_旧2", ...), its files keeping their names, so that it opens there as it was. A split
// document takes its own tab files along; a tab file that another document beside it also names
// (or a link) is copied and stays. The new folder, or nothing when a step failed (GetLastError
// says why, failedFile which file could not be moved): then everything is back where it was.
std::optional<std::string> moveDocumentAside(std::string_view path, std::string* failedFile = nullptr);

// Writes content into a new file folder + stem + ext; when that name is taken, stem gets a number
// ("2", "3", ...). The file's path, or nothing (GetLastError says why).
std::optional<std::string> writeNewFile(std::string_view folder, std::string_view stem, std::string_view ext,
                                        std::string_view content);

}  // namespace memo
