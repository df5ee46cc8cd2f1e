// A find or replace request walked through the tabs of a memo document: the shown tab's text from
// the end of the selection, then the following (or, searching up, the preceding) tabs, each from
// its beginning, asking whether to go on each time the walk wraps around the end of the tab list.
// Replace replaces the selection when it is a match and then finds the next; otherwise it finds
// first. Replace all replaces every match of a tab at once, each tab once in a request: it ends
// when the walk comes round to a tab already done.
// A tab that does not hold the text is passed over on its stored content without being shown;
// the walk shows a tab only where it found the text, and the first (or last) tab when it wraps,
// before asking.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "memo/find/text_search.h"

namespace memo {

// The memo window's tabs as a search sees them.
class SearchTarget {
 public:
  virtual ~SearchTarget() = default;
  virtual int tabCount() = 0;
  virtual int shownTab() = 0;
  // The shown tab's text as the editor holds it (CP932, CR LF), and its selection in bytes.
  virtual std::string shownText() = 0;
  virtual void selection(size_t& start, size_t& length) = 0;
  virtual void select(size_t start, size_t length) = 0;
  // Replaces the selection; false when the shown tab cannot be edited.
  virtual bool replaceSelection(std::string_view text) = 0;
  // Replaces the shown tab's text by replaced.text as one edit, the caret and the view kept
  // (matchBytes: the length of every match replaced); false when the tab cannot be edited.
  virtual bool replaceAll(const ReplacedText& replaced, size_t matchBytes, std::string_view replacement) = 0;
  // A replace-all request ended, having replaced count matches in all.
  virtual void reportReplaced(size_t count) = 0;
  // The text a tab holds in the document; nothing when it cannot be told without showing it.
  virtual std::optional<std::string> storedText(int tab) = 0;
  // Shows a tab (the tab shown until then saved first); false when the walk must stop.
  virtual bool showTab(int tab) = 0;
  // The walk wrapped (down: past the last tab); true to go on.
  virtual bool askContinue(bool down, bool replacing) = 0;
};

enum class SearchMode { Find, Replace, ReplaceAll };

struct SearchRequest {
  std::string findText;
  std::string replaceText;
  SearchOptions options;
  bool down = true;
  SearchMode mode = SearchMode::Find;
};

// Runs one request; true when it ended on a found (or replaced) text.
bool runSearch(SearchTarget& target, const SearchRequest& request);

}  // namespace memo
