// What a write that was ended half-way (the program killed) leaves: the temporary file beside the
// file it was to replace, until that file is next written.
#pragma once

#include <string_view>

namespace memo {

// Deletes the temporary files beside the document's own kinds of files in its folder (the
// document itself, ".txt" and ".rtf" tab files, new ones included) and beside its backup. Only
// this program writes them, one write at a time, so any found while a document opens is left over.
void removeLeftoverTemps(std::string_view document, std::string_view backup);

}  // namespace memo
