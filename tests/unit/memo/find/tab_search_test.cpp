// A find or replace request walked through tabs held in memory: the order, the questions at the
// wraps, what is shown and what is replaced.
#include "memo/find/tab_search.h"

#include <gtest/gtest.h>

#include "base/text.h"

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
  bool replaceAll(const memo::ReplacedText& r, size_t, std::string_view) override {
    log.push_back("replace all " + std::to_string(shown));
    texts[shown] = r.text;
    return true;
  }
  void reportReplaced(size_t count) override { log.push_back("replaced " + std::to_string(count)); }
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

// Replace: a selection that is a match is replaced and the next match selected; any other
// selection only finds.
struct ReplaceCase {
  const char* name;
  const char* text;  // UTF-8
  size_t start, length;
  bool matchCase;
  const char* after;  // UTF-8
  size_t selectedAt;  // bytes
};

class TabReplace : public testing::TestWithParam<ReplaceCase> {};

TEST_P(TabReplace, ReplacesTheSelectedMatchElseFindsFirst) {
  const ReplaceCase& c = GetParam();
  Tabs tabs({base::fromUtf8(c.text)});
  tabs.start = c.start, tabs.length = c.length;
  SearchRequest r = request(base::fromUtf8("検索結果"), true, SearchMode::Replace, "R");
  r.options.matchCase = c.matchCase;
  EXPECT_TRUE(runSearch(tabs, r));
  EXPECT_EQ(base::fromUtf8(c.after), tabs.texts[0]);
  EXPECT_EQ(c.selectedAt, tabs.start);
  EXPECT_EQ(8u, tabs.length);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, TabReplace,
    testing::Values(ReplaceCase{"TheSelectedMatch", "検索結果 XgXin 検索結果", 0, 8, true, "R XgXin 検索結果", 8},
                    ReplaceCase{"ACaretFindsFirst", "検索結果 XgXin 検索結果", 0, 0, true, "検索結果 XgXin 検索結果",
                                0},
                    ReplaceCase{"AnotherSelectionFindsTheNext", "検索結果 XgXin 検索結果", 9, 4, true,
                                "検索結果 XgXin 検索結果", 15},
                    ReplaceCase{"APartOfAMatchFindsTheNext", "検索結果 検索結果", 0, 4, false, "検索結果 検索結果", 9}),
    [](const testing::TestParamInfo<ReplaceCase>& info) { return std::string(info.param.name); });

TEST(TabSearch, ReplaceAllReplacesEachTabWholeOnceAndReportsTheCount) {
  for (bool yes : {false, true}) {
    Tabs tabs({"a-a", "b", "aa"});
    tabs.shown = 1;
    tabs.answers = {yes};
    EXPECT_TRUE(runSearch(tabs, request("a", true, SearchMode::ReplaceAll, "aa")));
    // The replacement holds the find text: a tab done is never done again.
    EXPECT_EQ((std::vector<std::string>{yes ? "aa-aa" : "a-a", "b", "aaaa"}), tabs.texts);
    std::vector<std::string> log{"show 2", "replace all 2", "show 0", "ask replace down"};
    if (yes) log.push_back("replace all 0");
    log.push_back(yes ? "replaced 4" : "replaced 2");
    EXPECT_EQ(log, tabs.log);
  }
  // From the first tab the walk ends at the last, without a question; matches before the
  // selection are replaced too.
  Tabs tabs({"a-a", "b"});
  tabs.start = 2, tabs.length = 1;
  EXPECT_TRUE(runSearch(tabs, request("A", true, SearchMode::ReplaceAll, "x")));
  EXPECT_EQ((std::vector<std::string>{"x-x", "b"}), tabs.texts);
  EXPECT_EQ((std::vector<std::string>{"replace all 0", "replaced 2"}), tabs.log);
}

}  // namespace
