// The hot keys stored in "_hot3": one line per command, "<command number>=<shortcut code>".
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tockle {

struct HotKeyEntry {
  int id;        // command number
  int shortcut;  // virtual key in the low byte, 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt; 0 = none
};

// The entries of a "_hot3" text, in file order. Each line takes the value of the first line of
// its name. A line whose name or value is no integer, or whose code lies outside 0..65535, is
// skipped and the reading goes on; with badLines given, such lines (blank ones aside) are
// gathered there as they stand.
std::vector<HotKeyEntry> parseHotKeys(std::string_view text, std::vector<std::string>* badLines = nullptr);

// The one box the clock shows after registering its hot keys, "" when all is well: the lines of
// the file at path that could not be read (skipped, the others registered), and the keys that
// could not be registered (another program holds them) with their commands' names from
// commands (a number without a name is "コマンド n"); such an assignment stays stored.
std::string hotKeyProblemsText(const std::string& path, const std::vector<std::string>& badLines,
                               const std::vector<HotKeyEntry>& unregistered,
                               const std::vector<std::pair<std::string, int>>& commands);

}  // namespace tockle
