#include "memo/find/tab_search.h"

#include <set>

namespace memo {

namespace {

// The next tab of the walk from tab, and whether the step wrapped around the end.
int nextTab(int tab, int count, bool down, bool& wrapped) {
  wrapped = down ? tab + 1 >= count : tab <= 0;
  if (down) return wrapped ? 0 : tab + 1;
  return wrapped ? count - 1 : tab - 1;
}

class Walk {
 public:
  Walk(SearchTarget& target, const SearchRequest& request)
      : target_(target), request_(request), search_(request.findText, request.options) {}

  bool run() {
    if (search_.size() == 0) return false;
    size_t start = 0, length = 0;
    target_.selection(start, length);
    text_ = target_.shownText();
    size_t from = length > 0 ? start + length : 0;
    if (request_.mode == SearchMode::Replace && length == search_.size() && search_.matchesAt(text_, start)) {
      // The match the user sees is the one replaced; the next is then found.
      if (target_.replaceSelection(request_.replaceText)) {
        replaced_ = true;
        if (request_.replaceText.find_first_of("\r\n") == std::string::npos)
          text_.replace(start, length, request_.replaceText);
        else
          text_ = target_.shownText();
        from = start + request_.replaceText.size();
      }
      return find(from) || replaced_;
    }
    if (request_.mode != SearchMode::ReplaceAll) return find(from);
    const bool found = replaceAll();
    target_.reportReplaced(count_);
    return found;
  }

 private:
  // Finds and selects the next match from the shown tab's position from on.
  bool find(size_t from) {
    for (;;) {
      if (size_t at = search_.find(text_, from); at != TextSearch::npos) {
        target_.select(at, search_.size());
        return true;
      }
      if (!nextShown()) return false;
      from = 0;
    }
  }

  // Every tab is replaced whole, once: the shown one, then the others in the walk's order; the
  // walk ends when it comes round to a tab already done, without showing it again.
  bool replaceAll() {
    std::set<int> done;
    for (;;) {
      done.insert(target_.shownTab());
      ReplacedText r = replaceEvery(search_, text_, request_.replaceText);
      if (!r.at.empty() && target_.replaceAll(r, search_.size(), request_.replaceText)) {
        count_ += r.at.size();
        replaced_ = true;
      }
      if (!nextShown(&done)) return replaced_;
    }
  }

  // Shows the next tab of the walk that holds the text (or the one the walk wraps to, after the
  // question); false when the walk stops. With done: the tabs passed over join it, and the walk
  // stops at a tab in it.
  bool nextShown(std::set<int>* done = nullptr) {
    const int count = target_.tabCount();
    if (count <= 0) return false;
    bool wrapped = false;
    int tab = target_.shownTab();
    for (;;) {
      tab = nextTab(tab, count, request_.down, wrapped);
      if (done && done->count(tab)) return false;
      if (wrapped) break;
      std::optional<std::string> stored = target_.storedText(tab);
      if (!stored || search_.find(*stored) != TextSearch::npos) break;
      if (done) done->insert(tab);
    }
    if (!target_.showTab(tab)) return false;
    if (wrapped && !target_.askContinue(request_.down, request_.mode != SearchMode::Find)) return false;
    text_ = target_.shownText();
    return true;
  }

  SearchTarget& target_;
  const SearchRequest& request_;
  const TextSearch search_;
  std::string text_;
  bool replaced_ = false;
  size_t count_ = 0;
};

}  // namespace

bool runSearch(SearchTarget& target, const SearchRequest& request) { return Walk(target, request).run(); }

}  // namespace memo
