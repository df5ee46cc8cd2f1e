#include "memo/find/tab_search.h"

namespace memo {

namespace {

// The next tab of the walk from tab, and whether the step wrapped around the end.
int nextTab(int tab, int count, bool down, bool& wrapped) {
  wrapped = down ? tab + 1 >= count : tab <= 0;
  if (down) return wrapped ? 0 : tab + 1;
  return wrapped ? count - 1 : tab - 1;
}

}  // namespace

bool runSearch(SearchTarget& target, const SearchRequest& request) {
  const TextSearch search(request.findText, request.options);
  if (search.size() == 0) return false;
  const bool replacing = request.mode != SearchMode::Find;
  size_t start = 0, length = 0;
  target.selection(start, length);
  size_t from = length > 0 ? start + length : 0;
  std::string text = target.shownText();
  bool replaced = false;
  for (;;) {
    if (size_t at = search.find(text, from); at != TextSearch::npos) {
      target.select(at, search.size());
      if (!replacing) return true;
      if (!target.replaceSelection(request.replaceText)) {
        // A tab that cannot be edited keeps its text: the walk goes on after the match.
        if (request.mode == SearchMode::Replace) return true;
        from = at + search.size();
        continue;
      }
      replaced = true;
      if (request.mode == SearchMode::Replace) return true;
      // Going on after the inserted text: a replace text that holds the find text is not found
      // again in this tab.
      if (request.replaceText.find_first_of("\r\n") == std::string::npos)
        text.replace(at, search.size(), request.replaceText);
      else
        text = target.shownText();
      from = at + request.replaceText.size();
      continue;
    }
    const int count = target.tabCount();
    if (count <= 0) return replaced;
    bool wrapped = false;
    int tab = target.shownTab();
    for (;;) {
      tab = nextTab(tab, count, request.down, wrapped);
      if (wrapped) break;
      std::optional<std::string> stored = target.storedText(tab);
      if (!stored || search.find(*stored) != TextSearch::npos) break;
    }
    if (!target.showTab(tab)) return replaced;
    if (wrapped && !target.askContinue(request.down, replacing)) return replaced;
    text = target.shownText();
    from = 0;
  }
}

}  // namespace memo
