#include "memo/text_lines.h"

#include "base/files.h"

namespace memo {

Lines splitLines(std::string_view text) {
  // CR, LF and NUL are never the second byte of a double-byte character, so a byte scan is safe.
  size_t nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);
  Lines lines;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t eol = text.find_first_of("\r\n", pos);
    if (eol == std::string_view::npos) {
      lines.emplace_back(text.substr(pos));
      break;
    }
    lines.emplace_back(text.substr(pos, eol - pos));
    pos = eol + 1;
    if (text[eol] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
  }
  return lines;
}

std::string joinLines(const Lines& lines) {
  size_t size = 0;
  for (const auto& l : lines) size += l.size() + 2;
  std::string out;
  out.reserve(size);
  for (const auto& l : lines) {
    out.append(l);
    out.append("\r\n");
  }
  return out;
}

std::string normalizeText(std::string_view text) { return joinLines(splitLines(text)); }

std::optional<Lines> readLines(std::string_view path) {
  auto bytes = base::readFile(path);
  if (!bytes) return std::nullopt;
  return splitLines(*bytes);
}

bool writeLines(std::string_view path, const Lines& lines) { return base::writeFileAtomic(path, joinLines(lines)); }

}  // namespace memo
