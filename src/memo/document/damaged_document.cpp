#include "memo/document/damaged_document.h"

#include "base/text.h"
#include "base/text_lines.h"

namespace memo {

std::optional<DamagedDocument> inspectDocument(std::string_view bytes) {
  const bool nul = bytes.find('\0') != std::string_view::npos;
  std::string text(bytes);
  // A NUL byte would end the text; a run of them (a write cut by a crash) hides what follows.
  if (nul) std::erase(text, '\0');
  const base::Lines lines = base::splitLines(text);
  const DocFormat format = recognise(lines);
  if (format == DocFormat::TypeIII) return std::nullopt;
  auto body = format == DocFormat::TypeII ? findTypeIIBody(lines) : std::nullopt;
  if (body && !nul) return std::nullopt;

  DamagedDocument damaged;
  if (format == DocFormat::Unknown) {
    damaged.reason = "メモファイルの形式ではありません"_sj;
  } else if (nul) {
    damaged.reason = "ファイルに NUL 文字 (0x00) が含まれています"_sj;
  } else {
    damaged.reason = "ファイルの終わりの行 (<!--End Document-->) がありません (途中で切れています)"_sj;
  }
  if (format == DocFormat::TypeII) {
    // The tab lines from the begin line (or the top) up to the end line (or the file's end).
    size_t from = 0, to = lines.size();
    if (body) {
      from = body->begin + 1;
      to = body->end;
    } else {
      for (size_t i = 0; i < lines.size(); ++i)
        if (base::equalsNoCase(lines[i], kBeginDocument)) {
          from = i + 1;
          break;
        }
    }
    std::string name;
    for (size_t i = from; i < to; ++i)
      if (decodeTabLine(lines[i], name, nullptr)) damaged.tabs.push_back(TabContent{name, tabLineContent(lines[i])});
  }
  // Nothing read as a tab: the whole text is shown as one, so that nothing of it is hidden.
  if (damaged.tabs.empty()) damaged.tabs.push_back(TabContent{"読み込めた内容"_sj, base::joinLines(lines)});
  return damaged;
}

std::string salvagedDocument(const DamagedDocument& damaged) {
  base::Lines lines = typeIIHeader();
  for (const auto& tab : damaged.tabs) lines.push_back(encodeTabContent(tab.name, tab.content));
  lines.push_back(kEndDocument);
  return base::joinLines(lines);
}

}  // namespace memo
