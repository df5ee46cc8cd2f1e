#include "memo/link/open_link.h"

#include "base/files.h"
#include "base/text.h"

namespace memo {

namespace {

constexpr const char* kSchemes[] = {
    "http:", "https:", "ftp:", "gopher:", "mailto:", "news:", "nntp:", "telnet:", "wais:", "file:", "prospero:"};
constexpr const char* kProgramExtensions[] = {".exe", ".bat", ".com", ".cmd", ".lnk", ".pif", ".scr", ".vbs", ".js"};

bool contains(const std::string& s, const char* part) { return base::find(s, part) != std::string::npos; }

bool startsProgram(const std::string& target) {
  std::string t = base::trim(target);
  for (const char* ext : kProgramExtensions) {
    std::string_view e(ext);
    if (t.size() > e.size() && base::equalsNoCase(std::string_view(t).substr(t.size() - e.size()), e)) return true;
  }
  return false;
}

}  // namespace

std::optional<LinkOpening> PlanOpenLink(std::string s, const LinkSettings& settings) {
  size_t a = std::string::npos;
  for (const char* scheme : kSchemes)
    if ((a = base::find(s, scheme)) != std::string::npos) break;
  if (a == std::string::npos && contains(s, "@")) {
    s = "mailto:" + s;
    a = 0;
  } else if (a == std::string::npos && contains(s, "www")) {
    s = "http://" + s + "/";
    a = 0;
  }
  if (contains(s, "@") && !settings.UseEmail) return std::nullopt;
  if (contains(s, "http") && !settings.UseUrl) return std::nullopt;
  LinkOpening o;
  o.shown = s;
  if (a != std::string::npos) {
    o.target = s.substr(a);
    // Addresses open in their programs; only a file address can start a program itself.
    o.program = o.target.compare(0, 5, "file:") == 0 && startsProgram(o.target);
    return o;
  }
  if (!settings.UseLocal) return std::nullopt;
  o.target = s;
  if (settings.folderExists && settings.folderExists(s)) return o;
  if (settings.fileExists && settings.fileExists(s)) {
    o.folder = base::extractFolder(s);
    o.program = startsProgram(s);
    return o;
  }
  return std::nullopt;
}

}  // namespace memo
