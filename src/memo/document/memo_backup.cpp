// The backup: one Type II copy of the document in the program's folder. It is built in memory and
// written through a temporary file; the live document is never converted or copied over in place.
#include "base/files.h"
#include "base/text.h"
#include "memo/document/memo_manager.h"

namespace memo {

namespace {

// The backup's comment line names the document it was taken from, so that a backup of another
// document with the same file name is never restored over this one. Readers skip the line.
const std::string kOriginOpen = "<!--Tavelo 3 backup of ";
const std::string kOriginClose = "-->";

std::string originLine(std::string_view document) { return kOriginOpen + std::string(document) + kOriginClose; }

std::optional<std::string> originOf(const base::Lines& lines) {
  if (lines.size() < 2) return std::nullopt;
  const std::string& l = lines[1];
  if (l.size() < kOriginOpen.size() + kOriginClose.size() || l.compare(0, kOriginOpen.size(), kOriginOpen) != 0 ||
      l.compare(l.size() - kOriginClose.size(), kOriginClose.size(), kOriginClose) != 0)
    return std::nullopt;
  return l.substr(kOriginOpen.size(), l.size() - kOriginOpen.size() - kOriginClose.size());
}

// A Type II document of its own body only: header, the lines between the markers, End.
std::optional<base::Lines> canonicalSingle(const base::Lines& lines, std::string_view comment) {
  auto body = findTypeIIBody(lines);
  if (!body) return std::nullopt;
  base::Lines out = typeIIHeader();
  out[1] = std::string(comment);
  out.insert(out.end(), lines.begin() + static_cast<ptrdiff_t>(body->begin) + 1,
             lines.begin() + static_cast<ptrdiff_t>(body->end));
  out.push_back(kEndDocument);
  return out;
}

}  // namespace

bool TKzMemoManager::UpdateBackup() {
  if (!base::fileExists(FileName)) return false;
  AgesOnExit ages{*this};
  const std::string bak = BackupPath();
  std::optional<base::Lines> single;
  // A document that is itself named like its backup (x.bak in the program's folder) is never
  // overwritten by it.
  const bool isItself = base::equalsNoCase(bak, FileName);
  if (auto lines = isItself ? std::nullopt : base::readLines(FileName)) {
    switch (recognise(*lines)) {
      case DocFormat::TypeII:
        single = canonicalSingle(*lines, originLine(FileName));
        break;
      case DocFormat::TypeIII:
        single = typeIIFromIndex(folder(), *lines);
        if (single) (*single)[1] = originLine(FileName);
        break;
      case DocFormat::Unknown:
        break;
    }
  }
  if (!single || !base::writeLines(bak, *single)) {
    status("バックアップできませんでした -> "_sj + bak);
    return false;
  }
  status("バックアップしました -> "_sj + bak);
  return true;
}

bool TKzMemoManager::RestoreBackup() {
  AgesOnExit ages{*this};
  LastError = {};
  const std::string bak = BackupPath();
  if (!base::fileExists(bak)) {
    error("バックアップファイルが見つかりませんでした"_sj, "バックアップファイル未発見"_sj);
    return fail(DocFailure::Reported);
  }
  auto backup = base::readLines(bak);
  if (!backup || recognise(*backup) != DocFormat::TypeII || !findTypeIIBody(*backup)) {
    error("未知のファイル形式です"_sj, "クリティカルエラー"_sj);
    return fail(DocFailure::Reported);
  }
  // Documents of the same file name share the backup: one that moved, or was copied, finds the
  // backup of its old place, which is the user's to take.
  auto origin = originOf(*backup);
  if (origin && !base::equalsNoCase(*origin, FileName) &&
      !confirm("このバックアップファイルは別のメモファイルのものです"_sj + "\r\n" + *origin +
                   "\r\n\r\nこのメモファイルに復元しますか？"_sj,
               "バックアップファイルの不一致"_sj))
    return fail(DocFailure::Reported);
  // The document's present format decides; a missing or unreadable one keeps DocumentType's.
  base::Lines current;
  DocFormat format = DocumentType == kTypeII ? DocFormat::TypeII : DocFormat::TypeIII;
  if (auto lines = base::fileExists(FileName) ? base::readLines(FileName) : std::nullopt) {
    if (DocFormat found = recognise(*lines); found != DocFormat::Unknown) {
      format = found;
      current = std::move(*lines);
    }
  }
  bool ok = false;
  if (format == DocFormat::TypeII) {
    auto restored = canonicalSingle(*backup, kTypeIIComment);
    ok = restored && base::writeLines(FileName, *restored);
  } else {
    auto tabs = typeIITabs(*backup);
    ok = tabs.has_value();
    for (size_t i = 0; ok && i < tabs->size(); ++i) ok = fitsTabName((*tabs)[i].name, DocFormat::TypeIII);
    // The tab files the restored index no longer names stay on disk; its own ones of the names
    // made anew are written over.
    if (format != recognise(current)) current.clear();
    ok = ok && writeSplitDocument(FileName, *tabs, current);
  }
  if (!ok) return failSystem(FileName);
  status("復元しました -> "_sj + FileName);
  return true;
}

}  // namespace memo
