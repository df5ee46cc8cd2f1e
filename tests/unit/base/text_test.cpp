#include "base/text.h"

#include <gtest/gtest.h>

namespace {

// "あい" in CP932; the second byte of "表" is 0x5C, a backslash in ASCII.
const std::string kA = "\x82\xA0";
const std::string kHyou = "\x95\x5C";

TEST(Text, ConvertsBothWays) {
  EXPECT_EQ(base::wide(kA), L"\u3042");
  EXPECT_EQ(base::cp932(L"\u3042\u8868"), kA + kHyou);
  EXPECT_EQ(base::cp932(base::wide("abc" + kHyou)), "abc" + kHyou);
  EXPECT_EQ(base::wide(""), L"");
}

TEST(Text, CutsOnCharacterBoundary) {
  std::string s = "a" + kA + kA;  // 5 bytes
  EXPECT_EQ(base::cut(s, 5), s);
  EXPECT_EQ(base::cut(s, 4), "a" + kA);
  EXPECT_EQ(base::cut(s, 2), "a");
  EXPECT_EQ(base::cut(s, 0), "");
  // A lone lead byte at the end is one byte of its own.
  EXPECT_EQ(base::cut("ab\x82", 3), "ab\x82");
}

TEST(Text, TrimsBlanksAndControls) {
  EXPECT_EQ(base::trim(" \t\r\n" + kA + " x \x01"), kA + " x");
  EXPECT_EQ(base::trim("   "), "");
}

TEST(Text, FindsOnlyOnCharacterBoundaries) {
  // The trail byte 0x5C of "表" is not a backslash.
  EXPECT_EQ(base::find(kHyou + "\\", "\\"), 2u);
  EXPECT_EQ(base::find(kHyou, "\\"), std::string::npos);
  EXPECT_EQ(base::replaceAll("a#rb#r", "#r", "|"), "a|b|");
  EXPECT_EQ(base::replaceAll(kHyou + "\\" + kHyou, "\\", "/"), kHyou + "/" + kHyou);
  EXPECT_EQ(base::replaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(base::replaceAll("abc", "", "x"), "abc");
}

TEST(Text, ComparesLettersWithoutCase) {
  EXPECT_TRUE(base::equalsNoCase("Abc" + kA, "aBC" + kA));
  EXPECT_FALSE(base::equalsNoCase("abc", "abd"));
  // 0x82 0x60 (Ａ) and 0x82 0x81 (ａ) are different characters, not letters to fold.
  EXPECT_FALSE(base::equalsNoCase("\x82\x60", "\x82\x81"));
}

TEST(Text, ParsesIntegersStrictly) {
  long long v = 0;
  EXPECT_TRUE(base::parseInt("-3", v));
  EXPECT_EQ(v, -3);
  EXPECT_TRUE(base::parseInt("+12", v));
  EXPECT_EQ(v, 12);
  EXPECT_FALSE(base::parseInt("12a", v));
  EXPECT_FALSE(base::parseInt("", v));
  EXPECT_FALSE(base::parseInt(" 1", v));
}

}  // namespace
