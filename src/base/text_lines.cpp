#include "base/text_lines.h"

#include "base/text.h"

namespace base {

std::vector<std::string> splitLines(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

// CR, LF and "=" are single-byte and never trail bytes, so plain searches find them.
std::string lineName(std::string_view line) { return std::string(line.substr(0, line.find('='))); }

std::string lineValue(std::string_view line) {
  size_t eq = line.find('=');
  return eq == std::string_view::npos ? std::string() : std::string(line.substr(eq + 1));
}

std::string valueOfName(const std::vector<std::string>& lines, std::string_view name) {
  for (const auto& line : lines)
    if (equalsNoCase(lineName(line), name)) return lineValue(line);
  return {};
}

}  // namespace base
