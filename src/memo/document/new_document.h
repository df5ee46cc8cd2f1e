// The document the user chose to create (or to open, when it exists): where, and in which format.
#pragma once

#include <string>

namespace memo {

struct NewDocumentChoice {
  std::string path;
  bool typeII = true;  // one file; else an index with a file per tab
};

}  // namespace memo
