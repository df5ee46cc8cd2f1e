#include "memo/editor/plain_bullets.h"

#include "base/text.h"

namespace memo {

namespace {
bool isBlank(char c) { return static_cast<unsigned char>(c) <= 32; }
}  // namespace

std::string PlainBullets(std::string_view selection) {
  const std::string bullet = "・"_sj;
  bool endsWithBreak = selection.size() >= 2 && selection.substr(selection.size() - 2) == "\r\n";
  if (endsWithBreak) selection.remove_suffix(2);
  std::string out;
  out.reserve(selection.size() + selection.size() / 8 + bullet.size() + 2);
  bool first = true;
  while (true) {
    size_t p = selection.find("\r\n");
    std::string_view line = selection.substr(0, p);
    if (!first)  // the following lines lose their indentation; blank ones go
      while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
    if (p == std::string_view::npos && !first)
      while (!line.empty() && isBlank(line.back())) line.remove_suffix(1);
    if (first || !line.empty()) {
      if (!first) out += "\r\n";
      out += bullet;
      out.append(line);
    }
    first = false;
    if (p == std::string_view::npos) break;
    selection.remove_prefix(p + 2);
  }
  if (endsWithBreak) out += "\r\n";
  return out;
}

}  // namespace memo
