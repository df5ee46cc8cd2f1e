#include "memo/text_lines.h"

#include <algorithm>
#include <cstring>

#include "base/files.h"

namespace memo {

Lines splitLines(std::string_view text) {
  // CR, LF and NUL are never the second byte of a double-byte character, so a byte scan is safe.
  size_t nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);
  Lines lines;
  const char* p = text.data();
  const char* end = p + text.size();
  // The next CR and the next LF, each found with one memchr and looked for again only once passed.
  auto next = [end](const char* from, char c) {
    const void* hit = std::memchr(from, c, static_cast<size_t>(end - from));
    return hit ? static_cast<const char*>(hit) : end;
  };
  const char* cr = next(p, '\r');
  const char* lf = next(p, '\n');
  while (p < end) {
    if (cr < p) cr = next(p, '\r');
    if (lf < p) lf = next(p, '\n');
    const char* eol = std::min(cr, lf);
    lines.emplace_back(p, static_cast<size_t>(eol - p));
    if (eol == end) break;
    p = eol + 1;
    if (*eol == '\r' && p < end && *p == '\n') ++p;
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
