// A find or replace request walked through tabs held in memory: the order, the questions at the
// wraps, what is shown and what is replaced.
#include "memo/find/tab_search.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace {

using memo::SearchMode;
using memo::SearchRequest;

// Tabs in memory; the log records every tab shown ("show 1") and question ("ask down").
class Tabs : public memo::SearchTarget {
 public:
  explicit Tabs(std::vector<std::string> texts) : texts(std::move(texts)) {}
  int tabCount() override { return static_cast<int>(texts.size()); }
  int shownTab() override { return shown; }
  std::string shownText() override { return texts[shown]; }
  void selection(size_t& s, size_t& l) override { s = start, l = length; }
  void select(size_t s, size_t l) override { start = s, length = l; }
  bool replaceSelection(std::string_view text) override {
    texts[shown].replace(start, length, text);
    start += text.size();
    length = 0;
    return true;
  }
  std::optional<std::string> storedText(int tab) override { return texts[tab]; }
  bool showTab(int tab) override {
    log.push_back("show " + std::to_string(tab));
    shown = tab;
    start = length = 0;
    return true;
  }
  bool askContinue(bool down, bool replacing) override {
    log.push_back(std::string(replacing ? "ask replace " : "ask ") + (down ? "down" : "up"));
    if (answers.empty()) return false;
    bool yes = answers.front();
    answers.pop_front();
    return yes;
  }

  std::vector<std::string> texts;
  int shown = 0;
  size_t start = 0, length = 0;
  std::deque<bool> answers;
  std::vector<std::string> log;
};

SearchRequest request(const std::string& find, bool down = true, SearchMode mode = SearchMode::Find,
                      const std::string& replace = "") {
  SearchRequest r;
  r.findText = find;
  r.replaceText = replace;
  r.down = down;
  r.mode = mode;
  return r;
}

TEST(TabSearch, StartsAtTheBeginningThenAfterTheFoundTextThenInTheNextTabNotShownBefore) {
  Tabs tabs({"x ab ab", "none", "ab"});
  tabs.start = 3;  // a caret without selection: from the beginning
  EXPECT_TRUE(runSearch(tabs, request("ab")));
  EXPECT_EQ(2u, tabs.start);
  EXPECT_TRUE(runSearch(tabs, request("ab")));
  EXPECT_EQ(5u, tabs.start);
  EXPECT_TRUE(runSearch(tabs, request("ab")));
  EXPECT_EQ(2, tabs.shown);
  EXPECT_EQ(0u, tabs.start);
  EXPECT_EQ(std::vector<std::string>{"show 2"}, tabs.log);  // tab 1 was passed over unshown
}

TEST(TabSearch, OneTabWrapsAtOnceAndAsksOnEveryPass) {
  Tabs tabs({"nothing"});
  tabs.answers = {true, true};
  EXPECT_FALSE(runSearch(tabs, request("ab")));
  EXPECT_EQ((std::vector<std::string>{"show 0", "ask down", "show 0", "ask down", "show 0", "ask down"}), tabs.log);
}

TEST(TabSearch, AWrapShowsTheFirstTabThenAsksAndNoStopsThere) {
  Tabs tabs({"ab", "x", "y"});
  tabs.shown = 1;
  tabs.start = 0, tabs.length = 1;
  EXPECT_FALSE(runSearch(tabs, request("ab")));
  EXPECT_EQ((std::vector<std::string>{"show 0", "ask down"}), tabs.log);
  EXPECT_EQ(0, tabs.shown);
  tabs.log.clear();
  tabs.answers = {true};
  tabs.shown = 2;
  EXPECT_TRUE(runSearch(tabs, request("ab")));
  EXPECT_EQ((std::vector<std::string>{"show 0", "ask down"}), tabs.log);
  EXPECT_EQ(0u, tabs.start);
  EXPECT_EQ(2u, tabs.length);
}

TEST(TabSearch, SearchingUpGoesToThePreviousTabsAndStillForwardInsideEach) {
  Tabs tabs({"ab ab", "x", "y"});
  tabs.shown = 2;
  EXPECT_TRUE(runSearch(tabs, request("ab", false)));
  EXPECT_EQ(0, tabs.shown);
  EXPECT_EQ(0u, tabs.start);
  tabs.log.clear();
  EXPECT_FALSE(runSearch(tabs, request("zz", false)));  // from tab 0 up wraps to the last
  EXPECT_EQ((std::vector<std::string>{"show 2", "ask up"}), tabs.log);
}

TEST(TabSearch, ReplacePassesOverTheSelectedMatchAndReplacesTheNext) {
  Tabs tabs({"ab ab"});
  tabs.length = 2;
  EXPECT_TRUE(runSearch(tabs, request("ab", true, SearchMode::Replace, "X")));
  EXPECT_EQ("ab X", tabs.texts[0]);
}

TEST(TabSearch, ReplaceAllGoesOnAfterTheInsertedTextThroughEveryTabAndAsksAtTheWrap) {
  Tabs tabs({"a-a", "b", "aa"});
  tabs.shown = 1;
  EXPECT_TRUE(runSearch(tabs, request("a", true, SearchMode::ReplaceAll, "Aa")));
  EXPECT_EQ((std::vector<std::string>{"a-a", "b", "AaAa"}), tabs.texts);
  EXPECT_EQ((std::vector<std::string>{"show 2", "show 0", "ask replace down"}), tabs.log);
  tabs.answers = {true};
  tabs.log.clear();
  EXPECT_TRUE(runSearch(tabs, request("a", true, SearchMode::ReplaceAll, "A")));
  EXPECT_EQ((std::vector<std::string>{"A-A", "b", "AAAA"}), tabs.texts);
}

}  // namespace
