#include "memo/document/doc_format.h"

#include "memo/document/tab_name.h"

#include "base/text.h"
#include "memo/editor/rtf_text.h"

namespace memo {

namespace {

bool anyLineIs(const base::Lines& lines, std::string_view wanted) {
  for (const auto& l : lines)
    if (base::equalsNoCase(l, wanted)) return true;
  return false;
}

bool contains(std::string_view s, std::string_view needle) { return base::find(s, needle) != std::string_view::npos; }

}  // namespace

DocFormat recognise(const base::Lines& lines) {
  if (anyLineIs(lines, kTypeIIMagic)) return DocFormat::TypeII;
  if (anyLineIs(lines, kTypeIIIMagic)) return DocFormat::TypeIII;
  return DocFormat::Unknown;
}

bool isRtfText(std::string_view content) { return content.substr(0, 6) == "{\\rtf1"; }

const char* tabFileExt(bool rich) { return rich ? ".rtf" : ".txt"; }

std::string typeIIContent(std::string_view content, bool plain) {
  if (!plain) return rtfWithoutEscapedBackslash(content);
  if (isRtfText(content) || contains(content, kLineBreakMark)) return literalRtf(content);
  return std::string(content);
}

bool decodeTabLine(std::string_view line, std::string& name, base::Lines* lines) {
  size_t sep = base::find(line, kTabSeparator);
  if (sep == std::string_view::npos) return false;
  name = std::string(line.substr(0, sep));
  if (lines) *lines = base::splitLines(base::replaceAll(line.substr(sep + 4), kLineBreakMark, "\r\n"));
  return true;
}

std::string encodeTabContent(std::string_view name, std::string_view content) {
  size_t nul = content.find('\0');
  if (nul != std::string_view::npos) content = content.substr(0, nul);
  std::string out(name);
  out.reserve(name.size() + 4 + content.size() + content.size() / 8);
  out.append(kTabSeparator);
  // Every line end (CR LF, lone CR, lone LF) becomes the mark, the last line's too. A byte scan:
  // CR and LF are never part of a double-byte character, and even text that ends a line on a
  // lone lead byte cannot put a line break into the document this way.
  size_t run = 0;
  for (size_t i = 0; i < content.size(); ++i) {
    if (content[i] != '\r' && content[i] != '\n') continue;
    out.append(content.substr(run, i - run)).append(kLineBreakMark);
    if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
    run = i + 1;
  }
  if (run < content.size()) out.append(content.substr(run)).append(kLineBreakMark);
  return out;
}

std::string encodeTabLine(std::string_view name, const base::Lines* lines) {
  return encodeTabContent(name, lines ? base::joinLines(*lines) : std::string());
}

std::string tabLineContent(std::string_view line) {
  std::string name;
  base::Lines lines;
  if (!decodeTabLine(line, name, &lines)) return {};
  return base::joinLines(lines);
}

std::optional<TypeIIBody> findTypeIIBody(const base::Lines& lines) {
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!base::equalsNoCase(lines[i], kBeginDocument)) continue;
    for (size_t j = i + 1; j < lines.size(); ++j)
      if (lines[j] == kEndDocument) return TypeIIBody{i, j};
    return std::nullopt;
  }
  return std::nullopt;
}

std::optional<size_t> findTypeIITab(const base::Lines& lines, const TypeIIBody& body, std::string_view name) {
  std::string lineName;
  for (size_t i = body.begin + 1; i < body.end; ++i)
    if (decodeTabLine(lines[i], lineName, nullptr) && sameTabName(lineName, name)) return i;
  return std::nullopt;
}

std::optional<std::vector<TabContent>> typeIITabs(const base::Lines& lines) {
  auto body = findTypeIIBody(lines);
  if (!body) return std::nullopt;
  std::vector<TabContent> tabs;
  std::string name;
  for (size_t i = body->begin + 1; i < body->end; ++i) {
    if (!decodeTabLine(lines[i], name, nullptr)) continue;
    tabs.push_back(TabContent{name, tabLineContent(lines[i])});
  }
  return tabs;
}

std::string entryName(std::string_view line) {
  size_t eq = base::find(line, "=");
  return eq == std::string_view::npos ? std::string() : std::string(line.substr(0, eq));
}

std::string entryFile(std::string_view line) {
  size_t eq = base::find(line, "=");
  return eq == std::string_view::npos ? std::string() : std::string(line.substr(eq + 1));
}

std::optional<size_t> findTypeIIIEntry(const base::Lines& lines, std::string_view name) {
  for (size_t i = kFirstEntry; i < lines.size(); ++i)
    if (sameTabName(entryName(lines[i]), name)) return i;
  return std::nullopt;
}

bool isValidTabName(std::string_view name, DocFormat format) { return !name.empty() && fitsTabName(name, format); }

bool fitsTabName(std::string_view name, DocFormat format) {
  if (name.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return false;
  if (format == DocFormat::TypeIII && contains(name, "=")) return false;
  if (format == DocFormat::TypeII && contains(name, kTabSeparator)) return false;
  return true;
}

bool isDeviceName(std::string_view name) {
  size_t dot = base::find(name, ".");
  std::string stem = base::trim(name.substr(0, dot == std::string_view::npos ? name.size() : dot));
  for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"})
    if (base::equalsNoCase(stem, device)) return true;
  if (stem.size() == 4 && stem[3] >= '1' && stem[3] <= '9')
    return base::equalsNoCase(stem.substr(0, 3), "COM") || base::equalsNoCase(stem.substr(0, 3), "LPT");
  return false;
}

bool isBareFileName(std::string_view name) {
  if (base::trim(name).empty() || name == "." || name == "..") return false;
  for (unsigned char c : name)
    if (c < 0x20) return false;
  for (const char* bad : {"\\", "/", ":", "*", "?", "\"", "<", ">", "|"})
    if (contains(name, bad)) return false;
  // Windows drops trailing dots and blanks, so "x.txt." would name x.txt through another entry.
  if (name.back() == '.' || name.back() == ' ') return false;
  return !isDeviceName(name);
}

base::Lines typeIIHeader() { return {kTypeIIMagic, kTypeIIComment, kBeginDocument}; }
base::Lines typeIIIHeader() { return {kTypeIIIMagic, kTypeIIIComment}; }

}  // namespace memo
