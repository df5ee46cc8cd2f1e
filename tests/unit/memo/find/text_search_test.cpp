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

}  // namespace
