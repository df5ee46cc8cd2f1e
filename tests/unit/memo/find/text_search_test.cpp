// Finding a text character by character in CP932 text, with the case and word rules of the find
// dialogs.
#include "memo/find/text_search.h"

#include <gtest/gtest.h>

#include "base/text.h"

namespace {

using memo::TextSearch;

struct Case {
  const char* name;
  const char* find;  // UTF-8
  const char* text;  // UTF-8
  bool wholeWord, matchCase;
  size_t from, expected;  // byte positions in CP932
};

constexpr size_t kNone = TextSearch::npos;

class TextSearchTest : public ::testing::TestWithParam<Case> {};

TEST_P(TextSearchTest, FindsWhereTheRulesSay) {
  const Case& c = GetParam();
  TextSearch search(base::fromUtf8(c.find), {c.wholeWord, c.matchCase});
  EXPECT_EQ(c.expected, search.find(base::fromUtf8(c.text), c.from));
}

// "ド" is 0x83 0x68 and "ア" 0x83 0x41: their second bytes are "h" and "A".
INSTANTIATE_TEST_SUITE_P(
    Rules, TextSearchTest,
    ::testing::Values(Case{"NeverInsideADoubleByteCharacter", "h", "ドド", false, true, 0, kNone},
                      Case{"NorWithCaseFolded", "H", "ドアh", false, false, 0, 4},
                      Case{"ASecondByteIsNoLetter", "a", "アア", false, false, 0, kNone},
                      Case{"JapaneseFound", "ドア", "アドア", false, true, 0, 2},
                      Case{"CaseIgnored", "abc", "xABC", false, false, 0, 1},
                      Case{"MatchCase", "abc", "xABCabc", false, true, 0, 4},
                      Case{"FullWidthFolded", "ａｂ", "xＡＢ", false, false, 0, 1},
                      Case{"FullWidthMatchCase", "ａｂ", "ＡＢ", false, true, 0, kNone},
                      Case{"GreekFolded", "α", "Ωα", false, false, 0, 2},
                      Case{"WholeWordPassesPartsOfWords", "cat", "concat cats cat", true, false, 0, 12},
                      Case{"WholeWordIgnoresMatchCase", "CAT", "a cat.", true, true, 0, 2},
                      Case{"JapaneseIsNoPartOfAWord", "cat", "猫catの", true, false, 0, 2},
                      Case{"FullWidthLettersArePartOfAWord", "cat", "ａcat", true, false, 0, kNone},
                      Case{"FromAPosition", "ab", "abab", false, true, 1, 2},
                      Case{"WholeWordFromAfterADoubleByteCharacter", "h", "ドh", true, false, 2, 2},
                      Case{"WholeWordFromAfterALetter", "h", "xh", true, false, 1, kNone},
                      Case{"FromTheEnd", "a", "a", false, false, 1, kNone},
                      Case{"EmptyFindsNothing", "", "abc", false, false, 0, kNone}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// Replacing every match in one pass, with the same rules: "ア" (0x83 0x41) is never found inside
// "ヂ" (0x83 0x61), nor "\\" inside "ソ" (0x83 0x5C).
struct ReplaceCase {
  const char* name;
  const char* find;
  const char* with;
  const char* text;  // UTF-8 all three
  bool wholeWord, matchCase;
  const char* expected;  // empty: no match
  size_t count;
};

class ReplaceEveryTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceEveryTest, ReplacesWhatTheRulesFind) {
  const ReplaceCase& c = GetParam();
  TextSearch search(base::fromUtf8(c.find), {c.wholeWord, c.matchCase});
  memo::ReplacedText r = memo::replaceEvery(search, base::fromUtf8(c.text), base::fromUtf8(c.with));
  EXPECT_EQ(base::fromUtf8(c.expected), r.text);
  EXPECT_EQ(c.count, r.at.size());
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ReplaceEveryTest,
    ::testing::Values(ReplaceCase{"KanaNeverInsideAnother", "ア", "x", "ヂアヂ", false, false, "ヂxヂ", 1},
                      ReplaceCase{"BackslashNeverInsideSo", "\\", "/", "ソ\\ソ", false, true, "ソ/ソ", 1},
                      ReplaceCase{"CaseIgnored", "abc", "X", "ABC abc", false, false, "X X", 2},
                      ReplaceCase{"MatchCase", "abc", "X", "ABC abc", false, true, "ABC X", 1},
                      ReplaceCase{"WholeWord", "cat", "X", "cat concat cats CAT", true, false, "X concat cats X", 2},
                      ReplaceCase{"AReplacementHoldingTheFindTextOnce", "a", "aa", "aXa", false, true, "aaXaa", 2},
                      ReplaceCase{"ShorterAndJapanese", "検索結果", "R", "検索結果と検索結果", false, true, "RとR", 2},
                      ReplaceCase{"NoMatch", "zz", "X", "abc", false, false, "", 0}),
    [](const ::testing::TestParamInfo<ReplaceCase>& info) { return std::string(info.param.name); });

}  // namespace
