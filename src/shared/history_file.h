// The clipboard history file "_history3": one record per captured text, oldest first, each the
// capture time (a double) and the text (a length-prefixed CP932 string). The clock appends, trims
// and rewrites it; the memo program only loads it. The two programs share no lock: every operation
// opens the file exclusively, does its work and closes it again, so an operation while the other
// program holds the file fails with EFOpenError and changes nothing.
//
// A damaged file (a count outside 0..262,144 or beyond the end, a time that is no date, a record
// cut off) is read up to the last intact record; every rewrite keeps exactly those records and
// replaces the file only once the new content is complete. Before a rewrite over a file that did
// not read to its end, the damaged file is kept beside it (what lies behind the damage may still be
// rescued from there) as "<name>.damaged", or, when that is taken, "<name>.damaged2", "3", ...: a
// kept copy is never replaced, and no damaged file is rewritten before its copy is kept.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "base/datetime.h"
#include "shared/stretchable_file.h"

namespace shared {

// A date text that does not read as a date-time.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One record as stored: its capture time and its text's bytes.
struct THistoryRecord {
  base::DateTime Time = 0;
  std::string Text;
};

class TKzHistoryFile : public TKzStretchableFileOperation {
 public:
  // Does not touch the file.
  explicit TKzHistoryFile(std::string fileName);

  // The text that Save appends in append mode.
  std::string AddText;
  // Full path of the history file.
  std::string FileName;
  // Alternating date text and clip text, one pair per record.
  std::vector<std::string> Items;
  // Selects how Save works; false after creation.
  bool AppendMode = false;
  // The path of the damaged file's copy when an operation of this object kept one; else empty.
  std::string KeptDamagedCopy;

  // Fills Items from the file, newest record first. Always true.
  bool Load() override;
  // Append mode: moves AddText to the end with the current time (an equal older record goes).
  // Rewrite mode: replaces the file by Items (newest first; Items are oldest first afterwards); a
  // date text that does not parse raises EConvertError before anything is written. Always true.
  bool Save() override;
  // Moves text to the end as a record of the given time (an equal older record goes).
  void Append(const std::string& text, base::DateTime time);
  // The records as stored, newest first, with their own times (no date text in between).
  std::vector<THistoryRecord> LoadRecords();
  // Replaces the file by these records, given newest first, in one step.
  void SaveRecords(const std::vector<THistoryRecord>& newestFirst);
  // Removes every record whose text equals text byte for byte.
  void RemoveText(const std::string& text);
  // Removes the n oldest records; false (and the file is not opened) when n <= 0.
  bool DeleteOldest(int n);
  int GetCount();
  // Time of the oldest record; the current time when there is none.
  base::DateTime GetFirstDate();
  bool DeleteHistoryFile();

  void SetItems(const std::vector<std::string>& items) { Items = items; }
  void SetAddText(const std::string& text) { AddText = text; }
  void SetAppendMode(bool appendMode) { AppendMode = appendMode; }
  void SetFileName(const std::string& fileName) { FileName = fileName; }

  // The date text of a record's time as Load gives it and a rewrite reads it back: the locale's
  // short date, a blank and its long time; the date alone at exactly midnight.
  static std::string DateText(base::DateTime time);
  // The items of a history file's bytes as Load gives them, for a reader that opens the file
  // itself; false when the bytes end in a damaged record (the intact ones before it are given).
  static bool ItemsOf(std::string bytes, std::vector<std::string>& items);
  // time as a rewrite from date texts keeps it: cut to whole seconds.
  static base::DateTime WholeSeconds(base::DateTime time);
  // Removes the temporary file a rewrite killed half-way left beside the history file at path,
  // once that file reads whole (a damaged or unreadable one keeps it: it may hold what is lost).
  static void RemoveStrayTemp(const std::string& path);
  // Items with the order of their pairs reversed; a trailing unpaired entry is dropped.
  static std::vector<std::string> ReversePairs(const std::vector<std::string>& items);
};

}  // namespace shared
