#include "clock/clipboard/unwritten_texts.h"

#include <vector>

#include "base/files.h"
#include "shared/history_file.h"

namespace tockle {

namespace {

std::string unwrittenName(const std::string& historyPath, int n) {
  return historyPath + ".unwritten" + (n > 1 ? std::to_string(n) : "");
}

}  // namespace

std::deque<std::string> unwrittenTextFiles(const std::string& historyPath) {
  std::deque<std::string> files;
  // A gap ends the row: the names are taken in order and removed in order.
  for (int n = 1; base::fileExists(unwrittenName(historyPath, n)); ++n) files.push_back(unwrittenName(historyPath, n));
  return files;
}

std::string keepUnwrittenTexts(const std::string& historyPath, const std::deque<ClipRecord>& records) {
  // Files left from before stay in front: this one takes the next free number after them.
  std::string path = unwrittenName(historyPath, static_cast<int>(unwrittenTextFiles(historyPath).size()) + 1);
  std::vector<shared::THistoryRecord> newestFirst;
  for (auto r = records.rbegin(); r != records.rend(); ++r) newestFirst.push_back({r->time, r->text});
  shared::TKzHistoryFile(path).SaveRecords(newestFirst);
  return path;
}

int takeUnwrittenTexts(const std::string& historyPath, const TClipHistory& limits) {
  std::deque<std::string> files = unwrittenTextFiles(historyPath);
  int moved = 0;
  // Every text is in the history before any file goes; a failure leaves them all for the next try.
  for (const std::string& file : files) {
    std::vector<shared::THistoryRecord> newestFirst = shared::TKzHistoryFile(file).LoadRecords();
    for (auto r = newestFirst.rbegin(); r != newestFirst.rend(); ++r) {
      std::string kept;
      appendClipRecord(historyPath, {r->Time, r->Text}, limits, kept);
      ++moved;
    }
  }
  // The last first: a kill in between leaves the row of names without a gap.
  for (auto f = files.rbegin(); f != files.rend(); ++f) base::deleteFile(*f);
  return moved;
}

}  // namespace tockle
