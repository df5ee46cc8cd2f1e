// Whole-file reads and the one way a user's data is rewritten: atomically.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace base {

// The folder of the running program, with a trailing backslash (CP932).
std::string programFolder();
// The full path of the running program (CP932).
std::string programPath();
// path with its extension (from the last '.' after the last '\') replaced by ext (".hlp").
std::string changeExtension(std::string_view path, std::string_view ext);
// The folder part of path, with its trailing backslash ("" when there is none).
std::string extractFolder(std::string_view path);
// The file-name part of path.
std::string extractFileName(std::string_view path);

bool fileExists(std::string_view path);

// Why a file cannot be read: it is not there, something else (a folder) stands in its place, it
// cannot be opened (access refused, or any other reason), or another program holds it open
// without sharing.
enum class FileProblem { None, Missing, NotAFile, Unreadable, Held };
FileProblem fileProblem(std::string_view path);
bool folderExists(std::string_view path);
bool deleteFile(std::string_view path);
// True when path is a file that leads elsewhere: a reparse point (a symbolic link), or a file that
// opens as another one than its folder's entry of that name (Wine shows a host's symbolic link as
// a plain file, and deleting it deletes what it points to).
bool isLinkedFile(std::string_view path);

// The whole file, or nothing when it cannot be opened or read.
std::optional<std::string> readFile(std::string_view path);

// Writes bytes to a temporary file in the same folder, flushes it and moves it over path.
// On failure the old file is untouched and the temporary file removed. A file marked read-only is
// never replaced (ERROR_ACCESS_DENIED, as Windows refuses the move; Wine would replace it).
bool writeFileAtomic(std::string_view path, std::string_view bytes);
// The two halves of writeFileAtomic, for a caller that writes the new content while it still holds
// the old file open: the flushed temporary file beside path ("" on failure, nothing left behind),
// then its move over path (on failure the temporary file is removed, path untouched and the
// move's error left for GetLastError).
std::string writeTempBeside(std::string_view path, std::string_view bytes);
bool replaceWithTemp(std::string_view temp, std::string_view path);
// The name of the temporary file writeTempBeside makes for path; such a file that is found while
// nobody writes is what a write ended half-way (the program killed) left behind.
std::string tempBeside(std::string_view path);
// The names (without the temporary ending) of the temporary files in folder, files only.
std::vector<std::string> leftoverTemps(std::string_view folder);

// Keeps bytes (a damaged file's content) beside path as a new file path + ending, or, where that
// name is taken, path + ending + "2", "3", ...: an earlier kept copy is never written over. The
// name of the copy; "" when none could be written.
std::string keepCopyBeside(std::string_view path, std::string_view ending, std::string_view bytes);
// The name keepCopyBeside would give a copy now: the first of those names not taken.
std::string freeCopyName(std::string_view path, std::string_view ending);

// A fresh empty folder under the system's temporary folder (for tests and scratch work).
std::string makeTempFolder(std::string_view prefix);
// Deletes a folder with everything in it.
void removeTree(std::string_view folder);

}  // namespace base
