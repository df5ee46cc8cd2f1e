// Bullet characters for a plain tab's selection.
#include "memo/editor/plain_bullets.h"

#include <gtest/gtest.h>

#include "base/text.h"

namespace {

struct Case {
  std::string selection, expected;
};

class PlainBulletsTable : public ::testing::TestWithParam<Case> {};

TEST_P(PlainBulletsTable, Bullets) { EXPECT_EQ(memo::PlainBullets(GetParam().selection), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Selections, PlainBulletsTable,
                         ::testing::Values(Case{"", "・"_sj}, Case{"・a"_sj, "・・a"_sj},
                                           Case{"a\r\n  b\r\n", "・a\r\n・b\r\n"_sj},
                                           Case{" a\r\n\r\n \tb  ", "・ a\r\n・b"_sj},
                                           Case{"あ\r\nい"_sj, "・あ\r\n・い"_sj}));

}  // namespace
