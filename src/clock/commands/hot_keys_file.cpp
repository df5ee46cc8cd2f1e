#include "clock/commands/hot_keys_file.h"

#include <climits>

#include "base/text.h"
#include "base/text_lines.h"

namespace tockle {

std::vector<HotKeyEntry> parseHotKeys(std::string_view text) {
  std::vector<HotKeyEntry> entries;
  auto lines = base::splitLines(text);
  for (const auto& line : lines) {
    std::string name = base::lineName(line);
    long long id = 0, code = 0;
    if (!base::parseInt(name, id) || id < INT_MIN || id > INT_MAX) continue;
    if (!base::parseInt(base::valueOfName(lines, name), code) || code < 0 || code > 0xFFFF) continue;
    entries.push_back({static_cast<int>(id), static_cast<int>(code)});
  }
  return entries;
}

}  // namespace tockle
