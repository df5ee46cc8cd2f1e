// How the clock's messages say what is wrong with one of its data files.
#pragma once

#include <string>

#include "base/files.h"

namespace tockle {

// The end of a sentence that begins with the file's name: " が見つかりません" for a missing file,
// and the same plainly for a folder in its place or a file that cannot be opened; "" for none.
std::string fileProblemText(base::FileProblem problem);

}  // namespace tockle
