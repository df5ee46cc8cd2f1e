// Why a document operation answered false, so that the window can tell the user: the manager shows
// only the boxes of its formats itself, never a file-system error.
#pragma once

#include <windows.h>

#include <string>

namespace memo {

enum class DocFailure {
  None,
  Reported,      // the manager's own box or OnNotFound has told the user already
  Gone,          // the document file does not exist
  System,        // a file could not be read or written; the code says why
  BadName,       // a tab name the document's format cannot hold
  RepeatedName,  // a name given twice, or one that another tab has already
  NoSuchTab,     // the tab is not in the document
};

struct DocError {
  DocFailure kind = DocFailure::None;
  DWORD code = 0;    // the system's error code for DocFailure::System
  std::string path;  // the file it concerns, when one does
};

// The system's own text for an error code, or its number when the system has none.
std::string systemErrorText(DWORD code);
// What the user is told about a failure; empty when there is nothing more to tell.
std::string failureText(const DocError& error);

}  // namespace memo
