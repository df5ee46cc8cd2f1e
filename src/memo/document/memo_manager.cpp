#include "memo/document/memo_manager.h"

#include <windows.h>

#include "base/files.h"
#include "base/text.h"
#include "memo/document/file_age.h"
#include "memo/document/foreign_files.h"
#include "memo/document/leftover_temps.h"
#include "memo/document/tab_file_name.h"
#include "memo/document/tab_name.h"
#include "memo/document/welcome.h"
#include "shared/prompts.h"

namespace memo {

namespace {

const std::string kUnknownFormat = "未知のファイル形式です"_sj;
const std::string kCriticalError = "クリティカルエラー"_sj;

void eraseNoCase(std::vector<std::string>& list, std::string_view name) {
  for (auto it = list.begin(); it != list.end(); ++it)
    if (sameTabName(*it, name)) {
      list.erase(it);
      return;
    }
}

// The file name of an index entry without its tab-file extension.
std::string stemOf(const std::string& file) { return hasTabFileExt(file) ? file.substr(0, file.size() - 4) : file; }

// True when an entry other than except names file (ignoring case).
bool otherEntryNames(const base::Lines& index, std::string_view file, size_t except) {
  for (size_t i = kFirstEntry; i < index.size(); ++i)
    if (i != except && base::equalsNoCase(entryFile(index[i]), file)) return true;
  return false;
}

}  // namespace

TKzMemoManager::TKzMemoManager()
    : BackupFolder(base::programFolder()),
      ShowError([](std::string_view text, std::string_view caption) {
        shared::prompts().ask(nullptr, text, caption, MB_OK | MB_ICONERROR);
      }),
      Confirm([](std::string_view text, std::string_view caption) {
        return shared::prompts().ask(nullptr, text, caption, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
      }) {}

void TKzMemoManager::notFound() {
  if (OnNotFound) OnNotFound();
}
void TKzMemoManager::tabListChanged(bool critical) {
  if (OnTabListChange) OnTabListChange(critical);
}
void TKzMemoManager::status(const std::string& text) {
  if (OnStatusMessage) OnStatusMessage(text);
}
void TKzMemoManager::error(std::string_view text, std::string_view caption) {
  if (ShowError) ShowError(text, caption);
}
bool TKzMemoManager::confirm(std::string_view text, std::string_view caption) {
  return Confirm && Confirm(text, caption);
}

bool TKzMemoManager::writeDocument(base::Lines lines) {
  return document_.write(FileName, std::move(lines)) || failSystem(FileName);
}

bool TKzMemoManager::fail(DocFailure kind) {
  LastError = {kind, 0};
  return false;
}

bool TKzMemoManager::failSystem(std::string_view path) {
  DWORD code = GetLastError();
  LastError = {DocFailure::System, code ? code : ERROR_GEN_FAILURE, std::string(path)};
  return false;
}

bool TKzMemoManager::hasTab(const base::Lines& lines, DocFormat format, std::string_view name) const {
  if (format == DocFormat::TypeIII) return findTypeIIIEntry(lines, name).has_value();
  auto body = findTypeIIBody(lines);
  return body && findTypeIITab(lines, *body, name);
}

std::string TKzMemoManager::folder() const { return base::extractFolder(FileName); }

std::string TKzMemoManager::BackupPath() const {
  return BackupFolder + base::changeExtension(base::extractFileName(FileName), ".bak");
}

std::optional<std::string> TKzMemoManager::tabPath(std::string_view dir, std::string_view entryLine) const {
  std::string file = entryFile(entryLine);
  if (!isBareFileName(file)) return std::nullopt;
  return std::string(dir) + file;
}

std::string TKzMemoManager::MakeTabFileName(const base::Lines& indexLines, std::string_view tabName) const {
  return makeTabFileName(indexLines, tabName, SeparatedHeader, folder());
}

void TKzMemoManager::RememberFileAges() {
  DocAge = fileAge(FileName);
  if (!CurrentTabFile.empty() && base::fileExists(CurrentTabFile)) TabAge = fileAge(CurrentTabFile);
}

const base::Lines* TKzMemoManager::readDocument(DocFormat& format, bool reportUnknown) {
  if (!base::fileExists(FileName)) {
    fail(DocFailure::Gone);
    notFound();
    return nullptr;
  }
  const base::Lines* lines = document_.read(FileName);
  if (!lines) {
    failSystem(FileName);
    return nullptr;
  }
  format = recognise(*lines);
  if (format == DocFormat::Unknown) {
    fail(DocFailure::Reported);
    if (reportUnknown) error(kUnknownFormat, kCriticalError);
    return nullptr;
  }
  DocumentType = documentTypeOf(format);
  return lines;
}

bool TKzMemoManager::LoadTabList() {
  AgesOnExit ages{*this};
  LastError = {};
  TabList.clear();
  if (!base::fileExists(FileName)) {
    notFound();
    // A handler may have created the document and read it meanwhile.
    TabList.clear();
    if (!base::fileExists(FileName)) return false;
  }
  DocFormat format{};
  auto lines = readDocument(format, true);
  if (!lines) return false;
  removeLeftoverTemps(FileName, BackupPath());
  std::string name;
  if (format == DocFormat::TypeIII) {
    for (size_t i = kFirstEntry; i < lines->size(); ++i) {
      // A line without "=" is a tab with an empty name: listed, so that no later write drops it.
      TabList.push_back(entryName((*lines)[i]));
    }
  } else {
    auto body = findTypeIIBody(*lines);
    if (!body) return fail(DocFailure::Reported);
    for (size_t i = body->begin + 1; i < body->end; ++i)
      if (decodeTabLine((*lines)[i], name, nullptr)) TabList.push_back(name);
  }
  renameRepeatedTabs(*lines, format);
  tabListChanged(true);
  return true;
}

void TKzMemoManager::renameRepeatedTabs(base::Lines lines, DocFormat format) {
  std::vector<std::string> names = TabList;
  if (!makeTabNamesDistinct(names)) return;
  // A document no save can write keeps its names: the repeats stay unavailable rather than
  // take edits that could never be saved under their new names.
  DWORD attributes = GetFileAttributesW(base::wide(FileName).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY)) return;
  // The tab lines in TabList's order: every index entry, or every line of the body with a name.
  std::vector<size_t> at;
  if (format == DocFormat::TypeIII) {
    for (size_t i = kFirstEntry; i < lines.size(); ++i) at.push_back(i);
  } else if (auto body = findTypeIIBody(lines)) {
    std::string name;
    for (size_t i = body->begin + 1; i < body->end; ++i)
      if (decodeTabLine(lines[i], name, nullptr)) at.push_back(i);
  }
  if (at.size() != names.size()) return;
  for (size_t k = 0; k < names.size(); ++k) {
    if (names[k] == TabList[k]) continue;
    std::string& line = lines[at[k]];
    line = names[k] + line.substr(base::find(line, format == DocFormat::TypeIII ? "=" : kTabSeparator));
  }
  // Reading never writes the user's file: the new names hold in memory and reach the file with
  // the next save. A file that cannot be kept so (it changed while read) keeps its names.
  if (!document_.keepUnwritten(FileName, std::move(lines))) return;
  TabList = std::move(names);
  status("同じ名前のタブの名前を変えました (次の保存で書き込みます) -> "_sj + FileName);
}

DocFailure TKzMemoManager::readTab(const base::Lines& lines, DocFormat format, std::string_view name,
                                   std::string& stream, bool* plain, std::string& tabFile) const {
  if (format == DocFormat::TypeIII) {
    auto entry = findTypeIIIEntry(lines, name);
    auto path = entry ? tabPath(folder(), lines[*entry]) : std::nullopt;
    if (!path || !base::fileExists(*path)) return DocFailure::NoSuchTab;
    auto bytes = base::readFile(*path);
    if (!bytes) {
      tabFile = *path;  // the file the failure names
      return DocFailure::System;
    }
    stream = std::move(*bytes);
    if (plain) *plain = isPlainTabFile(*path, stream);
    tabFile = *path;
    return DocFailure::None;
  }
  auto body = findTypeIIBody(lines);
  if (!body) return DocFailure::Reported;
  auto at = findTypeIITab(lines, *body, name);
  if (!at) return DocFailure::NoSuchTab;
  stream = tabLineContent(lines[*at]);
  if (plain) *plain = !isRtfText(stream);
  return DocFailure::None;
}

bool TKzMemoManager::LoadTab(std::string_view name, std::string& stream, bool* plain) {
  AgesOnExit ages{*this};
  LastError = {};
  stream.clear();
  DocFormat format{};
  auto lines = readDocument(format, false);
  if (!lines) return false;
  std::string tabFile;
  switch (readTab(*lines, format, name, stream, plain, tabFile)) {
    case DocFailure::None:
      if (!tabFile.empty()) CurrentTabFile = tabFile;
      return true;
    case DocFailure::System:
      return failSystem(tabFile);
    case DocFailure::NoSuchTab:
      fail(DocFailure::NoSuchTab);
      if (format == DocFormat::TypeII) error("タブが見つかりませんでした"_sj, kCriticalError);
      return false;
    default:
      return fail(DocFailure::Reported);
  }
}

bool TKzMemoManager::ReadTab(std::string_view name, std::string& stream, bool* plain) const {
  stream.clear();
  const base::Lines* lines = base::fileExists(FileName) ? document_.read(FileName) : nullptr;
  if (!lines) return false;
  const DocFormat format = recognise(*lines);
  std::string tabFile;
  return format != DocFormat::Unknown && readTab(*lines, format, name, stream, plain, tabFile) == DocFailure::None;
}

bool TKzMemoManager::SaveTab(std::string_view name, std::string_view stream, std::optional<bool> plain) {
  AgesOnExit ages{*this};
  LastError = {};
  // A document that vanished is the owner's to write again (RewriteDocument): never recreated
  // here with this one tab, and no OnNotFound, whose wizard would replace it.
  if (!base::fileExists(FileName)) return fail(DocFailure::Gone);
  DocFormat format{};
  const base::Lines* doc = readDocument(format, true);
  if (!doc) return false;
  if (!isValidTabName(name, format) && !(fitsTabName(name, format) && hasTab(*doc, format, name)))
    return fail(DocFailure::BadName);
  const bool isPlain = plain.value_or(!isRtfText(stream));
  if (format == DocFormat::TypeII) return saveSingleTab(*doc, name, stream, isPlain);
  base::Lines lines = *doc;
  if (!saveSplitTab(lines, name, stream, isPlain)) return false;
  // A tab file written alone leaves the index as it is: names made distinct at reading still go
  // in with this save.
  if (document_.unwritten(FileName)) return writeDocument(lines);
  return true;
}

bool TKzMemoManager::saveSplitTab(base::Lines& lines, std::string_view name, std::string_view stream, bool plain) {
  const std::string dir = folder();
  const char* ext = tabFileExt(!plain);
  auto entry = findTypeIIIEntry(lines, name);
  std::string oldFile = entry ? entryFile(lines[*entry]) : std::string();
  // Only the document's own tab file is written over; an entry naming anything else (the index,
  // a program, another document's tab file) gets a new file of its own.
  std::optional<std::string> oldPath = entry && isOwnTabFile(oldFile, FileName, otherIndexes_.filesOf(FileName))
                                           ? tabPath(dir, lines[*entry])
                                           : std::nullopt;
  if (oldPath && hasExt(oldFile, ext)) {
    // Same file, same kind: the index stays as it is.
    return base::writeFileAtomic(*oldPath, stream) || failSystem(*oldPath);
  }
  // A new file: for a new tab, for a tab whose kind changed, or for an entry that named no bare
  // file. The same base is kept when only the extension changes and nothing else uses the name.
  std::string file;
  if (oldPath) {
    file = stemOf(oldFile) + ext;
    if (base::fileExists(dir + file) || otherEntryNames(lines, file, *entry)) file.clear();
  }
  if (file.empty()) {
    std::string stem = oldPath ? unusedTabBase(lines, stemOf(oldFile), dir) : MakeTabFileName(lines, name);
    if (stem.empty()) return fail(DocFailure::BadName);
    file = stem + ext;
  }
  const std::string path = dir + file;
  if (!base::writeFileAtomic(path, stream)) return failSystem(path);
  const base::Lines oldIndex = lines;
  if (entry) {
    lines[*entry] = entryName(lines[*entry]) + "=" + file;
  } else {
    lines.push_back(std::string(name) + "=" + file);
  }
  if (!writeDocument(lines)) {
    base::deleteFile(path);
    return false;
  }
  if (oldPath && base::equalsNoCase(CurrentTabFile, *oldPath)) CurrentTabFile = path;
  deleteUnreferenced(FileName, oldIndex, lines);
  if (!entry) {
    TabList.emplace_back(name);
    tabListChanged(false);
  }
  return true;
}

bool TKzMemoManager::saveSingleTab(const base::Lines& lines, std::string_view name, std::string_view stream,
                                   bool plain) {
  auto body = findTypeIIBody(lines);
  if (!body) return fail(DocFailure::Reported);
  std::string line = encodeTabContent(name, typeIIContent(stream, plain));
  auto at = findTypeIITab(lines, *body, name);
  // lines is the document cache's own copy, which the edited write changes with the file.
  if (!document_.writeEdited(FileName, at.value_or(body->end), std::move(line), !at)) return failSystem(FileName);
  if (!at) {
    TabList.emplace_back(name);
    tabListChanged(false);
  }
  return true;
}

bool TKzMemoManager::RenameTab(std::string_view oldName, std::string_view newName) {
  AgesOnExit ages{*this};
  LastError = {};
  DocFormat format{};
  const base::Lines* doc = readDocument(format, false);
  if (!doc) return false;
  if (!isValidTabName(newName, format)) return fail(DocFailure::BadName);
  base::Lines lines = *doc;
  if (format == DocFormat::TypeIII) {
    auto at = findTypeIIIEntry(lines, oldName);
    if (!at) return fail(DocFailure::NoSuchTab);
    // The new name must not be another tab's already.
    auto taken = findTypeIIIEntry(lines, newName);
    if (taken && *taken != *at) return fail(DocFailure::RepeatedName);
    lines[*at] = std::string(newName) + "=" + entryFile(lines[*at]);
  } else {
    auto body = findTypeIIBody(lines);
    if (!body) return fail(DocFailure::Reported);
    auto at = findTypeIITab(lines, *body, oldName);
    if (!at) return fail(DocFailure::NoSuchTab);
    auto taken = findTypeIITab(lines, *body, newName);
    if (taken && *taken != *at) return fail(DocFailure::RepeatedName);
    std::string& line = lines[*at];
    line = std::string(newName) + line.substr(base::find(line, kTabSeparator));
  }
  if (!writeDocument(std::move(lines))) return false;
  for (auto& tab : TabList)
    if (sameTabName(tab, oldName)) {
      tab = std::string(newName);
      break;
    }
  tabListChanged(false);
  return true;
}

bool TKzMemoManager::DeleteTab(std::string_view name) {
  AgesOnExit ages{*this};
  LastError = {};
  DocFormat format{};
  const base::Lines* doc = readDocument(format, false);
  if (!doc) return false;
  const base::Lines oldIndex = *doc;
  base::Lines lines = *doc;
  std::optional<size_t> at;
  if (format == DocFormat::TypeIII) {
    at = findTypeIIIEntry(lines, name);
  } else if (auto body = findTypeIIBody(lines)) {
    at = findTypeIITab(lines, *body, name);
  }
  if (!at) return fail(DocFailure::NoSuchTab);
  lines.erase(lines.begin() + static_cast<ptrdiff_t>(*at));
  if (!writeDocument(lines)) return false;
  if (format == DocFormat::TypeIII) deleteUnreferenced(FileName, oldIndex, lines);
  eraseNoCase(TabList, name);
  tabListChanged(false);
  return true;
}

bool TKzMemoManager::ApplyTabList(const std::vector<std::string>& list) {
  AgesOnExit ages{*this};
  LastError = {};
  if (!base::fileExists(FileName)) {
    // Never written into being: a missing document is the owner's to create.
    notFound();
    if (!base::fileExists(FileName)) return fail(DocFailure::Gone);
  }
  DocFormat format{};
  const base::Lines* doc = readDocument(format, true);
  if (!doc) return false;
  const base::Lines lines = *doc;  // the old document, still needed after the new one is written
  for (size_t i = 0; i < list.size(); ++i) {
    // A tab that has an empty name already keeps it; a new tab needs a real one.
    if (!isValidTabName(list[i], format) && !(fitsTabName(list[i], format) && hasTab(lines, format, list[i])))
      return fail(DocFailure::BadName);
    for (size_t j = 0; j < i; ++j)
      if (sameTabName(list[i], list[j])) return fail(DocFailure::RepeatedName);
  }
  if (!(format == DocFormat::TypeIII ? applySplit(lines, list) : applySingle(lines, list))) return false;
  TabList = list;
  tabListChanged(false);
  return true;
}

bool TKzMemoManager::applySplit(const base::Lines& lines, const std::vector<std::string>& list) {
  const std::string dir = folder();
  base::Lines index(lines.begin(), lines.begin() + static_cast<ptrdiff_t>(std::min(kFirstEntry, lines.size())));
  base::Lines known = lines;  // every name in use, for the names of new files
  std::vector<std::string> created;
  auto undo = [&] {
    failSystem();
    for (const auto& path : created) base::deleteFile(path);
    return false;
  };
  for (const auto& name : list) {
    if (auto at = findTypeIIIEntry(lines, name)) {
      index.push_back(lines[*at]);
      continue;
    }
    std::string file = MakeTabFileName(known, name) + ".txt";
    if (file == ".txt") {
      undo();
      return fail(DocFailure::BadName);
    }
    std::string entry = name + "=" + file;
    if (!base::writeFileAtomic(dir + file, "")) return undo();
    created.push_back(dir + file);
    index.push_back(entry);
    known.push_back(entry);
  }
  if (!writeDocument(index)) return undo();
  deleteUnreferenced(FileName, lines, index);
  return true;
}

bool TKzMemoManager::applySingle(const base::Lines& lines, const std::vector<std::string>& list) {
  auto body = findTypeIIBody(lines);
  if (!body) return fail(DocFailure::Reported);
  base::Lines out(lines.begin(), lines.begin() + static_cast<ptrdiff_t>(body->begin) + 1);
  for (const auto& name : list) {
    auto at = findTypeIITab(lines, *body, name);
    out.push_back(at ? lines[*at] : encodeTabLine(name, nullptr));
  }
  // Lines between the markers that hold no tab are not ours to drop.
  std::string ignored;
  for (size_t i = body->begin + 1; i < body->end; ++i)
    if (!decodeTabLine(lines[i], ignored, nullptr)) out.push_back(lines[i]);
  out.insert(out.end(), lines.begin() + static_cast<ptrdiff_t>(body->end), lines.end());
  return writeDocument(std::move(out));
}

bool TKzMemoManager::CreateDocument() {
  AgesOnExit ages{*this};
  LastError = {};
  if (!base::fileExists(FileName)) {
    base::Lines lines;
    if (DocumentType == kTypeIII) {
      const std::string dir = folder();
      std::string stem = unusedTabBase(typeIIIHeader(), "0", dir);
      if (stem.empty()) return fail(DocFailure::BadName);
      std::string file = stem + ".rtf";
      if (!base::writeLines(dir + file, {kWelcomeText})) return failSystem(dir + file);
      lines = typeIIIHeader();
      lines.push_back(std::string(kWelcomeTabName) + "=" + file);
      if (!writeDocument(lines)) {
        DWORD code = GetLastError();
        base::deleteFile(dir + file);
        SetLastError(code);
        return false;
      }
    } else {
      base::Lines welcome = base::splitLines(welcomeRtf());
      lines = typeIIHeader();
      lines.push_back(encodeTabLine(kWelcomeTabName, &welcome));
      lines.push_back(kEndDocument);
      if (!writeDocument(lines)) return false;
    }
  }
  TabList.clear();
  if (!LoadTabList()) return false;
  tabListChanged(true);
  return true;
}

bool TKzMemoManager::RewriteDocument(std::string_view from) {
  AgesOnExit ages{*this};
  LastError = {};
  if (base::fileExists(FileName)) return fail(DocFailure::Reported);
  const DocFormat wanted = DocumentType == kTypeII ? DocFormat::TypeII : DocFormat::TypeIII;
  const base::Lines* last = document_.last(from);
  // A split document's entries name files beside its index: elsewhere they would name nothing.
  bool usable = last && recognise(*last) == wanted &&
                (wanted == DocFormat::TypeII || base::equalsNoCase(base::extractFolder(from), folder()));
  base::Lines lines;
  if (usable) {
    lines = *last;
  } else {
    lines = wanted == DocFormat::TypeII ? typeIIHeader() : typeIIIHeader();
    if (wanted == DocFormat::TypeII) lines.push_back(kEndDocument);
  }
  if (!writeDocument(lines)) return false;
  TabList.clear();
  std::string name;
  if (wanted == DocFormat::TypeIII) {
    for (size_t i = kFirstEntry; i < lines.size(); ++i) TabList.push_back(entryName(lines[i]));
  } else if (auto body = findTypeIIBody(lines)) {
    for (size_t i = body->begin + 1; i < body->end; ++i)
      if (decodeTabLine(lines[i], name, nullptr)) TabList.push_back(name);
  }
  return true;
}

bool TKzMemoManager::IsChangedOutside() {
  if (DocAge == 0) {
    RememberFileAges();
    return false;
  }
  bool changed = fileAge(FileName) != DocAge;
  if (!changed && TabAge != 0 && !CurrentTabFile.empty() && base::fileExists(CurrentTabFile))
    changed = fileAge(CurrentTabFile) != TabAge;
  RememberFileAges();
  if (changed) status("メモファイルが外部で更新されています -> 再読み込み推奨"_sj);
  return changed;
}

}  // namespace memo
