// Conversion between the two document formats. The new form is complete on disk before anything
// of the old one is removed: a failed step leaves the document as it was.
#include "base/files.h"
#include "base/text.h"
#include "memo/document/memo_manager.h"
#include "memo/document/tab_file_name.h"

namespace memo {

void TKzMemoManager::deleteUnreferenced(std::string_view dir, const base::Lines& oldIndex,
                                        const base::Lines& newIndex) const {
  for (size_t i = kFirstEntry; i < oldIndex.size(); ++i) {
    auto path = tabPath(dir, oldIndex[i]);
    if (!path) continue;
    std::string file = entryFile(oldIndex[i]);
    bool kept = false;
    for (size_t j = kFirstEntry; j < newIndex.size() && !kept; ++j)
      kept = base::equalsNoCase(entryFile(newIndex[j]), file);
    if (!kept) base::deleteFile(*path);
  }
}

std::optional<base::Lines> TKzMemoManager::typeIIFromIndex(std::string_view dir, const base::Lines& index) const {
  base::Lines out = typeIIHeader();
  for (size_t i = kFirstEntry; i < index.size(); ++i) {
    std::string name = entryName(index[i]);
    if (!isValidTabName(name, DocFormat::TypeIII)) continue;  // a line that names no tab
    if (!isValidTabName(name, DocFormat::TypeII)) return std::nullopt;
    base::Lines content;
    auto path = tabPath(dir, index[i]);
    if (path && base::fileExists(*path)) {
      auto bytes = base::readFile(*path);
      if (!bytes) return std::nullopt;
      content = base::splitLines(*bytes);
    }
    out.push_back(encodeTabLine(name, &content));
  }
  out.push_back(kEndDocument);
  return out;
}

bool TKzMemoManager::writeSplitDocument(std::string_view path, const std::vector<TabContent>& tabs,
                                        const base::Lines& oldIndex) const {
  const std::string dir = base::extractFolder(path);
  base::Lines index = typeIIIHeader();
  std::vector<std::string> written;
  auto undo = [&] {
    for (const auto& p : written) base::deleteFile(p);
    return false;
  };
  for (const auto& tab : tabs) {
    // New names are unused on disk, so no file of the old document is overwritten.
    std::string stem = makeTabFileName(index, tab.name, SeparatedHeader, dir);
    if (stem.empty()) return undo();
    std::string file = stem + tabFileExt(isRtfText(tab.content));
    if (!base::writeFileAtomic(dir + file, tab.content)) return undo();
    written.push_back(dir + file);
    index.push_back(tab.name + "=" + file);
  }
  if (!base::writeLines(path, index)) return undo();
  deleteUnreferenced(dir, oldIndex, index);
  return true;
}

bool TKzMemoManager::ConvertFormat(std::string_view path, bool toTypeII, bool moveFiles) {
  AgesOnExit ages{*this};
  if (!base::fileExists(path)) return false;
  auto lines = base::readLines(path);
  if (!lines) return false;
  DocFormat format = recognise(*lines);
  const std::string dir = base::extractFolder(path);
  if (toTypeII) {
    if (format != DocFormat::TypeIII) return false;
    auto single = typeIIFromIndex(dir, *lines);
    if (!single || !base::writeLines(path, *single)) return false;
    if (moveFiles) deleteUnreferenced(dir, *lines, typeIIIHeader());
    return true;
  }
  // Without moving the contents into tab files the index would name files that do not exist and
  // every tab's content would be gone.
  if (format != DocFormat::TypeII || !moveFiles) return false;
  auto tabs = typeIITabs(*lines);
  if (!tabs) return false;
  for (const auto& tab : *tabs)
    if (!isValidTabName(tab.name, DocFormat::TypeIII)) return false;
  return writeSplitDocument(path, *tabs, typeIIIHeader());
}

}  // namespace memo
