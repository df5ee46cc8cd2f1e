// Reading the clock's clipboard history file for the history chooser. The memo only reads it: the
// file is opened for reading, never created, and a moment while the clock holds it is waited out.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace memo {

enum class HistoryState {
  Read,     // every record read
  Damaged,  // the records before a damaged one read
  Missing,  // no such file
  Held,     // the clock kept it open for all the tries
  Failed,   // another system error (error says which)
};

struct HistoryRead {
  HistoryState state = HistoryState::Missing;
  std::vector<std::string> items;  // date text and clip text alternating, newest first
  std::string error;
};

// Tries to open the file up to tries times, pauseMs apart, while another program holds it.
HistoryRead readHistoryFile(const std::string& path, int tries = 20, DWORD pauseMs = 50);

}  // namespace memo
