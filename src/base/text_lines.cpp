#include "base/text_lines.h"

#include <algorithm>
#include <cstring>

#include "base/files.h"
#include "base/text.h"

namespace base {

std::vector<std::string> splitLines(std::string_view text) {
  // CR, LF and NUL are never the second byte of a double-byte character, so a byte scan is safe.
  size_t nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);
  std::vector<std::string> lines;
  const char* p = text.data();
  const char* end = p + text.size();
  // The next CR and the next LF, each found with one memchr and looked for again only once passed:
  // linear also for documents of many megabytes.
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

std::string joinLines(const std::vector<std::string>& lines) {
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

// CR, LF and "=" are single-byte and never trail bytes, so plain searches find them.
std::string normalizeText(std::string_view text) { return joinLines(splitLines(text)); }

std::optional<Lines> readLines(std::string_view path) {
  auto bytes = readFile(path);
  if (!bytes) return std::nullopt;
  return splitLines(*bytes);
}

bool writeLines(std::string_view path, const Lines& lines) { return writeFileAtomic(path, joinLines(lines)); }

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
