#include "memo/text_lines.h"

#include "base/files.h"

namespace memo {

std::string normalizeText(std::string_view text) { return joinLines(splitLines(text)); }

std::optional<Lines> readLines(std::string_view path) {
  auto bytes = base::readFile(path);
  if (!bytes) return std::nullopt;
  return splitLines(*bytes);
}

bool writeLines(std::string_view path, const Lines& lines) { return base::writeFileAtomic(path, joinLines(lines)); }

}  // namespace memo
