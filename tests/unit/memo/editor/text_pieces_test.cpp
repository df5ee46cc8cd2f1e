// Where a load cuts a plain text: whole characters, never between CR and LF, after a line break
// or a blank.
#include "memo/editor/text_pieces.h"

#include <gtest/gtest.h>

#include "base/text.h"

namespace {

struct PieceCase {
  const char* text;
  size_t from, minChars, end;
};
class PieceEndTable : public testing::TestWithParam<PieceCase> {};

TEST_P(PieceEndTable, EndsAfterALineBreakOrBlankOnWholeCharacters) {
  const PieceCase& c = GetParam();
  EXPECT_EQ(memo::PieceEnd(base::fromUtf8(c.text), c.from, c.minChars), c.end);
}

INSTANTIATE_TEST_SUITE_P(Cases, PieceEndTable,
                         testing::Values(PieceCase{"ab cd", 0, 1, 3},     // after the blank
                                         PieceCase{"ab\r\ncd", 0, 3, 4},  // never between CR and LF
                                         PieceCase{"ab\rcd", 0, 1, 3},    // a lone CR is a break
                                         PieceCase{"日本 語", 0, 2, 5},   // two characters are four bytes
                                         PieceCase{"ソ ab", 0, 1, 3},     // a trail byte 0x5C is no break
                                         PieceCase{"abcdef", 0, 2, 6},    // no break: the text's end
                                         PieceCase{"ab cd ef", 3, 1, 6},  // from inside the text
                                         PieceCase{"", 0, 1, 0}));        // an empty text: one empty piece

}  // namespace
