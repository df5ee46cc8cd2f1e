// How the clock's messages say what is wrong with one of its data files.
#pragma once

#include <string>
#include <string_view>

#include "base/files.h"

namespace tockle {

// The end of a sentence that begins with the file's name: " が見つかりません" for a missing file,
// and the same plainly for a folder in its place or a file that cannot be opened; "" for none.
std::string fileProblemText(base::FileProblem problem);
// The same for a file the clock could not write at path, as the file is now: a folder in its place,
// held by another program, marked read-only, or else refused or failing.
std::string fileWriteProblemText(std::string_view path);

}  // namespace tockle
