// Conversion between the two document formats. The new form is complete on disk before anything
// of the old one is removed: a failed step leaves the document as it was.
#include "base/files.h"
#include "base/text.h"
#include "memo/document/foreign_files.h"
#include "memo/document/memo_manager.h"
#include "memo/document/tab_file_name.h"
#include "memo/document/tab_name.h"

namespace memo {

void TKzMemoManager::deleteUnreferenced(std::string_view docPath, const base::Lines& oldIndex,
                                        const base::Lines& newIndex) const {
  const std::string dir = base::extractFolder(docPath);
  std::vector<std::string> others;
  bool othersRead = false;
  for (size_t i = kFirstEntry; i < oldIndex.size(); ++i) {
    auto path = tabPath(dir, oldIndex[i]);
    if (!path) continue;
    std::string file = entryFile(oldIndex[i]);
    if (!othersRead) {
      others = otherIndexes_.filesOf(docPath);
      othersRead = true;
    }
    if (!isOwnTabFile(file, docPath, others)) continue;
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
    if (!fitsTabName(name, DocFormat::TypeII)) {
      SetLastError(ERROR_INVALID_NAME);  // told apart from a file that could not be read
      return std::nullopt;
    }
    std::string content;
    auto path = tabPath(dir, index[i]);
    if (path && base::fileExists(*path)) {
      auto bytes = base::readFile(*path);
      if (!bytes) return std::nullopt;
      content = typeIIContent(*bytes, isPlainTabFile(*path, *bytes));
    }
    out.push_back(encodeTabContent(name, content));
  }
  out.push_back(kEndDocument);
  return out;
}

bool TKzMemoManager::writeSplitDocument(std::string_view path, const std::vector<TabContent>& tabs,
                                        const base::Lines& replaced) const {
  const std::string dir = base::extractFolder(path);
  base::Lines index = typeIIIHeader();
  const std::vector<std::string> others =
      replaced.size() > kFirstEntry ? otherIndexes_.filesOf(path) : std::vector<std::string>{};
  auto mayReplace = [&](const std::string& file) {
    for (size_t i = kFirstEntry; i < replaced.size(); ++i)
      if (base::equalsNoCase(entryFile(replaced[i]), file)) return isOwnTabFile(file, path, others);
    return false;
  };
  // Each file written, with what it held before when it was written over.
  std::vector<std::pair<std::string, std::optional<std::string>>> written;
  auto undo = [&] {
    DWORD code = GetLastError();
    for (const auto& [p, old] : written) old ? base::writeFileAtomic(p, *old) : base::deleteFile(p);
    SetLastError(code);
    return false;
  };
  // Two names the file system would take for one would map two tabs to one file.
  std::vector<std::string> names;
  for (const auto& tab : tabs) names.push_back(tab.name);
  makeTabNamesDistinct(names);
  for (size_t i = 0; i < tabs.size(); ++i) {
    const TabContent& tab = tabs[i];
    std::string stem = makeTabFileName(index, names[i], SeparatedHeader, dir, mayReplace);
    if (stem.empty()) return undo();
    std::string file = stem + tabFileExt(isRtfText(tab.content));
    std::optional<std::string> old = base::fileExists(dir + file) ? base::readFile(dir + file) : std::nullopt;
    if (base::fileExists(dir + file) && !old) return undo();
    if (!base::writeFileAtomic(dir + file, tab.content)) return undo();
    written.emplace_back(dir + file, std::move(old));
    index.push_back(names[i] + "=" + file);
  }
  return base::writeLines(path, index) || undo();
}

bool TKzMemoManager::ConvertFormat(std::string_view path, bool toTypeII, bool moveFiles) {
  AgesOnExit ages{*this};
  LastError = {};
  if (!base::fileExists(path)) return fail(DocFailure::Gone);
  auto lines = base::readLines(path);
  if (!lines) return failSystem(path);
  DocFormat format = recognise(*lines);
  const std::string dir = base::extractFolder(path);
  if (toTypeII) {
    if (format != DocFormat::TypeIII) return fail(DocFailure::Reported);
    auto single = typeIIFromIndex(dir, *lines);
    if (!single) return GetLastError() == ERROR_INVALID_NAME ? fail(DocFailure::BadName) : failSystem();
    if (!base::writeLines(path, *single)) return failSystem(path);
    // Only now that the whole document is in the one file: never the file just written.
    if (moveFiles) deleteUnreferenced(path, *lines, typeIIIHeader());
    return true;
  }
  // Without moving the contents into tab files the index would name files that do not exist and
  // every tab's content would be gone.
  if (format != DocFormat::TypeII || !moveFiles) return fail(DocFailure::Reported);
  auto tabs = typeIITabs(*lines);
  if (!tabs) return fail(DocFailure::Reported);
  for (const auto& tab : *tabs)
    if (!fitsTabName(tab.name, DocFormat::TypeIII)) return fail(DocFailure::BadName);
  return writeSplitDocument(path, *tabs) || failSystem(path);
}

}  // namespace memo
