// Reading "_hot3": command number = shortcut code per line.
#include "clock/commands/hot_keys_file.h"

#include <gtest/gtest.h>


#include <string>

namespace {

using tockle::parseHotKeys;

TEST(HotKeysFile, ReadsEveryLineInOrderWhateverItsLineEnd) {
  auto e = parseHotKeys("7=24698\r\n-1=0\n5=0\r8=16449");
  ASSERT_EQ(e.size(), 4u);
  EXPECT_EQ(e[0].id, 7);
  EXPECT_EQ(e[0].shortcut, 24698);
  EXPECT_EQ(e[1].id, -1);
  EXPECT_EQ(e[1].shortcut, 0);
  EXPECT_EQ(e[2].id, 5);
  EXPECT_EQ(e[3].id, 8);
  EXPECT_EQ(e[3].shortcut, 16449);
}

TEST(HotKeysFile, ABadLineIsSkippedAndTheLinesAfterItStillCount) {
  auto e = parseHotKeys("abc=1\r\n7=x\r\n\r\n=5\r\n6\r\n9=70000\r\n10=-3\r\n11=12\r\n");
  ASSERT_EQ(e.size(), 1u);
  EXPECT_EQ(e[0].id, 11);
  EXPECT_EQ(e[0].shortcut, 12);
}

// What the clock reads: every line that is "integer=0..65535"; the others, blank ones aside, are
// gathered to be said.
struct BadHotKeys {
  const char* text;
  size_t read;
  std::vector<std::string> bad;
};

class HotKeysFileError : public testing::TestWithParam<BadHotKeys> {};

TEST_P(HotKeysFileError, PassesOverEachBadLineAndReadsOn) {
  std::vector<std::string> bad;
  EXPECT_EQ(parseHotKeys(GetParam().text, &bad).size(), GetParam().read);
  EXPECT_EQ(bad, GetParam().bad);
}

INSTANTIATE_TEST_SUITE_P(Lines, HotKeysFileError,
                         testing::Values(BadHotKeys{"abc=5\r\n7=1\r\n", 1, {"abc=5"}},
                                         BadHotKeys{"7=1\r\n8=x\r\n\r\n9=2\r\n", 2, {"8=x"}},
                                         BadHotKeys{"7=1\r\n9=70000\r\n10=2", 2, {"9=70000"}},
                                         BadHotKeys{"\r\n7=1\r\n", 1, {}}));

TEST(HotKeysFile, EachLineTakesTheValueOfTheFirstLineOfItsName) {
  auto e = parseHotKeys("7=100\r\n7=200\r\n+7=300\r\n");
  ASSERT_EQ(e.size(), 3u);
  EXPECT_EQ(e[1].shortcut, 100);
  // "+7" is another name but the same number.
  EXPECT_EQ(e[2].id, 7);
  EXPECT_EQ(e[2].shortcut, 300);
}

TEST(HotKeysFile, ANulByteEndsTheText) {
  auto e =
      parseHotKeys(std::string("7=1\r\n\0"
                               "8=2\r\n",
                               12));
  ASSERT_EQ(e.size(), 1u);
  EXPECT_EQ(e[0].id, 7);
}

}  // namespace
