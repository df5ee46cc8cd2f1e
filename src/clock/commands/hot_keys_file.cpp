#include "clock/commands/hot_keys_file.h"

#include <climits>

#include "base/text.h"
#include "base/text_lines.h"

namespace tockle {

namespace {
bool parseInteger(const std::string& text, long long& value) {
  return base::parseInt(text, value) && value >= INT_MIN && value <= INT_MAX;
}
}  // namespace

std::vector<HotKeyEntry> parseHotKeys(std::string_view text, std::string* error) {
  std::vector<HotKeyEntry> entries;
  auto lines = base::splitLines(text);
  for (const auto& line : lines) {
    std::string name = base::lineName(line);
    std::string value = base::valueOfName(lines, name);
    long long id = 0, code = 0;
    const bool idRead = parseInteger(name, id), codeRead = idRead && parseInteger(value, code);
    if (!codeRead && error) {
      *error = "'" + (idRead ? value : name) + "' is not a valid integer value";
      break;
    }
    if (!codeRead || code < 0 || code > 0xFFFF) continue;
    entries.push_back({static_cast<int>(id), static_cast<int>(code)});
  }
  return entries;
}

}  // namespace tockle
