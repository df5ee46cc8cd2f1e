// The memo document manager: the only code that reads or writes memo documents. Every operation
// reads the files it needs as they are on disk now (an unchanged document file is not split into
// lines twice) and writes back what it changed, always through a temporary file moved over the
// old one; a file is deleted only after what replaces it is on disk. Tab contents go in and out as
// byte strings, as the editor streams them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/text_lines.h"
#include "memo/document/doc_failure.h"
#include "memo/document/doc_format.h"
#include "memo/document/document_cache.h"
#include "memo/document/foreign_files.h"

namespace memo {

class TKzMemoManager {
 public:
  TKzMemoManager();

  // Events, raised only when assigned. fCritical: the whole list was read anew.
  std::function<void(bool fCritical)> OnTabListChange;
  std::function<void()> OnNotFound;
  std::function<void(const std::string& message)> OnStatusMessage;

  std::string FileName;         // the Type II file or the Type III index (full path)
  std::string CurrentTabFile;   // the Type III tab file loaded last
  std::string SeparatedHeader;  // prefix of new Type III tab file names
  unsigned char DocumentType = kTypeIII;
  std::vector<std::string> TabList;
  int32_t DocAge = 0;  // 0: not remembered
  int32_t TabAge = 0;

  // Where the ".bak" lives: the program's folder.
  std::string BackupFolder;
  // The manager's error boxes (text, caption); a modal box with an error icon and no owner.
  std::function<void(std::string_view text, std::string_view caption)> ShowError;
  // The manager's questions (text, caption): a modal Yes/No box with no owner; true for Yes.
  std::function<bool(std::string_view text, std::string_view caption)> Confirm;

  // Every operation answers false and leaves the files as they were when it cannot finish, and
  // LastError then says why. A missing document raises OnNotFound (SaveTab only reports it) and is
  // never written into being (only CreateDocument and RewriteDocument make one); an unknown one is
  // never written. A missing tab raises nothing: LoadTab answers NoSuchTab. New names are checked by isValidTabName; a
  // tab that has an empty name keeps it.
  DocError LastError;
  bool LoadTabList();
  // plain, when given, says whether the tab is plain text (a Type III tab file's extension says so).
  bool LoadTab(std::string_view name, std::string& stream, bool* plain = nullptr);
  // The same read as a look into a tab that is not the shown one: no event, no box, and what the
  // manager remembers (the tab file loaded last, the file ages, LastError) stays as it is. False
  // when the document or the tab cannot be read.
  bool ReadTab(std::string_view name, std::string& stream, bool* plain = nullptr) const;
  // Writes the tab's content, adding the tab when new. plain says what the content is; without
  // it, rich text is told by its first bytes.
  bool SaveTab(std::string_view name, std::string_view stream, std::optional<bool> plain = std::nullopt);
  // Refuses a new name that another tab has already.
  bool RenameTab(std::string_view oldName, std::string_view newName);
  bool DeleteTab(std::string_view name);
  // Makes the document's tabs exactly list, in its order: kept tabs move, new ones are created
  // empty, the others are removed. A list with a bad or repeated name is refused.
  bool ApplyTabList(const std::vector<std::string>& list);
  // A new document of DocumentType with a welcome tab, or the existing one at FileName read.
  bool CreateDocument();
  // Writes a vanished document again at FileName in DocumentType's format: from the lines last
  // read from the document at from (every tab they held) when they are of that format and, for a
  // split document, lie in FileName's folder; otherwise as a document without tabs. TabList
  // follows; no event. False when FileName exists or cannot be written.
  bool RewriteDocument(std::string_view from);
  // Converts the document at path in place; false when it is missing, not in the source format,
  // or a step fails (then nothing of the old document is changed).
  bool ConvertFormat(std::string_view path, bool toTypeII, bool moveFiles);
  // True once for each change of the document file or the shown tab file by someone else.
  bool IsChangedOutside();
  // Writes every tab in one-file form to BackupPath(), marked with the document's path; the
  // document itself is only read.
  bool UpdateBackup();
  // Puts the backup's tabs back into the document in its present format; a backup that was taken
  // from another document of the same file name only when the user confirms it.
  bool RestoreBackup();
  // The base name (no extension) for a new tab file of tabName beside the document.
  std::string MakeTabFileName(const base::Lines& indexLines, std::string_view tabName) const;
  void RememberFileAges();

  // The program folder + the document's file name with ".bak".
  std::string BackupPath() const;

 private:
  // Every operation that touches files ends by remembering the file ages, also when it fails, so
  // that the manager's own writes never look like outside changes.
  struct AgesOnExit {
    TKzMemoManager& manager;
    ~AgesOnExit() { manager.RememberFileAges(); }
  };
  // The document's lines and format, or nothing (with the events and boxes an operation on a
  // missing or unknown document gives). The lines stay valid until the document's next read or
  // write.
  const base::Lines* readDocument(DocFormat& format, bool reportUnknown);
  // Writes the document file atomically.
  bool writeDocument(base::Lines lines);
  std::string folder() const;
  // Full path of the tab file an index entry names, or nothing when the entry names no bare file.
  std::optional<std::string> tabPath(std::string_view folder, std::string_view entryLine) const;
  // The Type II text of a Type III index: every tab's file read in.
  std::optional<base::Lines> typeIIFromIndex(std::string_view folder, const base::Lines& index) const;
  // Writes the tabs as files and the index over path; no file is deleted, and only the own tab
  // files of replaced (the index that path holds now) are written over. Nothing changes when a
  // write fails.
  bool writeSplitDocument(std::string_view path, const std::vector<TabContent>& tabs,
                          const base::Lines& replaced = {}) const;
  // Deletes the own tab files (see isOwnTabFile) of the document at path that oldIndex names and
  // newIndex does not.
  void deleteUnreferenced(std::string_view path, const base::Lines& oldIndex, const base::Lines& newIndex) const;
  bool hasTab(const base::Lines& lines, DocFormat format, std::string_view name) const;
  // A tab's content from the document's lines (for a split document, tabFile gets its file's
  // path): None, or why it could not be read (System with the system's error code set).
  DocFailure readTab(const base::Lines& lines, DocFormat format, std::string_view name, std::string& stream,
                     bool* plain, std::string& tabFile) const;
  // Gives the tabs of TabList that repeat an earlier name (see makeTabNamesDistinct) their new
  // names, in the document read as lines and in TabList; nothing changes when the write fails.
  void renameRepeatedTabs(base::Lines lines, DocFormat format);
  bool fail(DocFailure kind);
  // A failed read or write: the system's error code is kept for the owner to show.
  // A system error about path (empty: about no one file).
  bool failSystem(std::string_view path = {});
  bool saveSplitTab(base::Lines& lines, std::string_view name, std::string_view stream, bool plain);
  bool saveSingleTab(const base::Lines& lines, std::string_view name, std::string_view stream, bool plain);
  bool applySplit(const base::Lines& lines, const std::vector<std::string>& list);
  bool applySingle(const base::Lines& lines, const std::vector<std::string>& list);
  void notFound();
  void tabListChanged(bool critical);
  void status(const std::string& text);
  void error(std::string_view text, std::string_view caption);
  bool confirm(std::string_view text, std::string_view caption);

  // A cache: a read that only looks (ReadTab) fills it as any other read does.
  mutable DocumentCache document_;
  // What the other split documents beside this one name (only its own tab files are written over
  // or deleted).
  mutable OtherIndexes otherIndexes_;
};

// While it lives, the manager shows no box and raises no OnNotFound: for what nobody may be asked
// about (a write at the end, a look into another tab).
class QuietManager {
 public:
  explicit QuietManager(TKzMemoManager& m)
      : m_(m), showError_(std::exchange(m.ShowError, nullptr)), notFound_(std::exchange(m.OnNotFound, nullptr)) {}
  ~QuietManager() {
    m_.ShowError = std::move(showError_);
    m_.OnNotFound = std::move(notFound_);
  }
  QuietManager(const QuietManager&) = delete;
  QuietManager& operator=(const QuietManager&) = delete;

 private:
  TKzMemoManager& m_;
  decltype(TKzMemoManager::ShowError) showError_;
  decltype(TKzMemoManager::OnNotFound) notFound_;
};

}  // namespace memo
