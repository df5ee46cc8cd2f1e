// The hot keys stored in "_hot3": one line per command, "<command number>=<shortcut code>".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tockle {

struct HotKeyEntry {
  int id;        // command number
  int shortcut;  // virtual key in the low byte, 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt; 0 = none
};

// The entries of a "_hot3" text, in file order. Each line takes the value of the first line of
// its name; a line whose code lies outside 0..65535 is skipped. A line whose name or value is no
// integer is skipped too, or, with `error` given, ends the reading there with the conversion
// error's text in `error` (the clock registers the lines before it and shows the error).
std::vector<HotKeyEntry> parseHotKeys(std::string_view text, std::string* error = nullptr);

}  // namespace tockle
