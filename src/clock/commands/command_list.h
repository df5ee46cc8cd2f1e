// The command list file "_command" that comes with the program: which commands the user may put
// into the system menu ([System]), which may get a hot key or a mouse button ([HotKey], with
// headings), and the default system menu ([Default]). Only the settings dialog reads it.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/files.h"

namespace tockle {

struct CommandEntry {
  std::string Name;
  int Command = 0;  // above 0; 0 for a heading of the hot-key section
};

struct CommandList {
  std::vector<CommandEntry> System;
  std::vector<CommandEntry> HotKey;
  // Whether the file has a "[HotKey]" line: only then is the hot-key list a real one.
  bool HasHotKeySection = false;
  // The whole file, for the default menu of its "[Default]" section.
  std::vector<std::string> Lines;

  // The entries of the three mouse-button lists, in hot-key order: (name, command), a heading as
  // ("--------------", 0).
  std::vector<std::pair<std::string, int>> MouseCommands() const;
};

// Each line takes the value of the first line of the file with its name (letter case ignored).
// [System] runs from its marker line to the next marker, [HotKey] from its marker to "[Default]"
// (a marker counts anywhere in a line); a section whose marker is missing is empty. Lines without a value, and values
// that are not a command number (a heading's 0 aside), are passed over.
CommandList parseCommandList(std::vector<std::string> lines);

// The list from folder + "_command"; nothing when the file cannot be read.
std::optional<CommandList> readCommandList(const std::string& programFolder);

// The text of the box that tells the command list is missing (the program cannot go on).
// The text of the critical error box when "_command" cannot be read, saying why.
std::string commandListErrorText(base::FileProblem problem);

}  // namespace tockle
