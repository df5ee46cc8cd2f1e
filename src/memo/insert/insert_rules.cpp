#include "memo/insert/insert_rules.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "base/files.h"
#include "base/text.h"
#include "base/text_lines.h"

namespace memo {

bool parseOffset(std::string_view answer, long long& count) { return base::parseInt(base::trim(answer), count); }

base::DateTime offsetTime(base::DateTime now, long long count, bool hours) {
  static const base::DateTime first = base::encodeDateTime(1, 1, 1);
  static const base::DateTime last = base::encodeDateTime(9999, 12, 31, 23, 59, 59);
  // Any count beyond the shown years ends at their edge; the clamp keeps the double exact enough.
  const double limit = 4e6 * (hours ? 24 : 1);
  const double days =
      static_cast<double>(std::clamp<long long>(count, static_cast<long long>(-limit), static_cast<long long>(limit))) /
      (hours ? 24.0 : 1.0);
  return std::clamp(now + days, first, last);
}

TextFileState readTextFile(const std::string& path, std::string& bytes) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(base::wide(path).c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return TextFileState::Missing;
  const unsigned long long size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  if (size > kMaxTextFile) return TextFileState::TooLarge;
  std::optional<std::string> content = base::readFile(path);
  if (!content) return TextFileState::Missing;
  if (content->size() > kMaxTextFile) return TextFileState::TooLarge;
  if (std::memchr(content->data(), '\0', content->size())) return TextFileState::NotText;
  bytes = std::move(*content);
  return TextFileState::Read;
}

std::string urlOfInternetShortcut(std::string_view content) {
  return base::valueOfName(base::splitLines(content), "URL");
}

DropKind dropKindOf(std::string_view path, bool autoOpenText) {
  std::string name = base::extractFileName(path);
  size_t dot = name.rfind('.');
  std::string ext = dot == std::string::npos ? std::string() : name.substr(dot);
  auto is = [&](std::string_view e) { return base::equalsNoCase(ext, e); };
  if (is(".txt") || is(".rtf")) return autoOpenText ? DropKind::Tab : DropKind::Line;
  if (is(".lnk")) return DropKind::Shortcut;
  if (is(".url")) return DropKind::InternetShortcut;
  return DropKind::Line;
}

std::string insertedFileText(const std::string& path, std::string_view content) {
  base::Lines lines{"", "===> Inserted from file://" + path, ""};
  for (std::string& line : base::splitLines(content)) lines.push_back(std::move(line));
  std::string text = base::joinLines(lines);
  text.resize(text.size() - 2);  // a line added last ends without a break
  return text;
}

}  // namespace memo
