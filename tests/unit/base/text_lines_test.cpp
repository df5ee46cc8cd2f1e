// Text files as lines, and name=value lines looked up by name.
#include "base/text_lines.h"

#include <gtest/gtest.h>

#include "base/text.h"

namespace {

using Lines = std::vector<std::string>;

TEST(TextLines, EveryLineEndEndsALineAndNulEndsTheText) {
  EXPECT_EQ(base::splitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(base::splitLines("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
  EXPECT_EQ(base::splitLines("a\n\rb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(base::splitLines(std::string("a\r\nb\0c\r\n", 8)), (Lines{"a", "b"}));
  EXPECT_TRUE(base::splitLines("").empty());
}

TEST(TextLines, NameAndValueSplitAtTheFirstEquals) {
  EXPECT_EQ(base::lineName("a=b=c"), "a");
  EXPECT_EQ(base::lineValue("a=b=c"), "b=c");
  EXPECT_EQ(base::lineName("plain"), "plain");
  EXPECT_EQ(base::lineValue("plain"), "");
  EXPECT_EQ(base::lineValue("x="), "");
}

TEST(TextLines, TheFirstLineOfANameGivesItsValueLetterCaseIgnored) {
  Lines lines{"Alpha=1", "alpha=2", "表=3"_sj, "beta"};
  EXPECT_EQ(base::valueOfName(lines, "ALPHA"), "1");
  EXPECT_EQ(base::valueOfName(lines, "表"_sj), "3");
  EXPECT_EQ(base::valueOfName(lines, "beta"), "");
  EXPECT_EQ(base::valueOfName(lines, "gamma"), "");
}

}  // namespace
