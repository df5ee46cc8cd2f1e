// Positions between the rich-edit control (UTF-16 units) and the program (CP932 bytes, a line
// break two), both ways, and the text conversion at the control's boundary.
#include "memo/editor/position_map.h"

#include <gtest/gtest.h>

#include "base/text.h"

namespace {

using memo::PositionMap;

TEST(PositionMap, DoubleByteCharactersAndACrLfBreak) {
  PositionMap m(L"\u3042\u3044\r\nb");  // あい CR LF b
  EXPECT_EQ(m.controlLength(), 5);
  EXPECT_EQ(m.byteLength(), 7);
  const int bytes[] = {0, 2, 4, 6, 6, 7};
  for (int pos = 0; pos <= 5; ++pos) EXPECT_EQ(m.toBytes(pos), bytes[pos]) << pos;
  EXPECT_EQ(m.toControl(0), 0);
  EXPECT_EQ(m.toControl(1), 0);  // inside あ
  EXPECT_EQ(m.toControl(2), 1);
  EXPECT_EQ(m.toControl(4), 2);
  EXPECT_EQ(m.toControl(5), 2);  // inside the break
  EXPECT_EQ(m.toControl(6), 4);  // after the whole pair
  EXPECT_EQ(m.toControl(7), 5);
}

TEST(PositionMap, ALoneCrAsTheControlStoresBreaksCountsTwo) {
  PositionMap m(L"ab\rc\u3046");
  const int bytes[] = {0, 1, 2, 4, 5, 7};
  for (int pos = 0; pos <= 5; ++pos) EXPECT_EQ(m.toBytes(pos), bytes[pos]) << pos;
  for (int pos = 0; pos <= 5; ++pos) EXPECT_EQ(m.toControl(bytes[pos]), pos) << pos;
  EXPECT_EQ(m.toControl(3), 2);
}

TEST(PositionMap, ALoneLfAndBreaksInARowEachCountTwo) {
  PositionMap m(L"\n\r\r\nx");
  EXPECT_EQ(m.toBytes(1), 2);  // LF
  EXPECT_EQ(m.toBytes(2), 4);  // CR
  EXPECT_EQ(m.toBytes(4), 6);  // CR LF
  EXPECT_EQ(m.toBytes(5), 7);
  EXPECT_EQ(m.toControl(4), 2);
  EXPECT_EQ(m.toControl(6), 4);
}

TEST(PositionMap, OutOfRangeIsClampedAndAnEmptyTextMapsZero) {
  PositionMap empty;
  EXPECT_EQ(empty.toBytes(3), 0);
  EXPECT_EQ(empty.toControl(9), 0);
  PositionMap m(L"ab");
  EXPECT_EQ(m.toBytes(-1), 0);
  EXPECT_EQ(m.toBytes(10), 2);
  EXPECT_EQ(m.toControl(-4), 0);
  EXPECT_EQ(m.toControl(99), 2);
}

TEST(PositionMap, ByteOffsetsOfTheProgramTextMatchTheMap) {
  std::wstring control = L"\u65e5\u672c\r\u8a9e\nz\r\n";
  std::string program = memo::toProgramText(control);
  EXPECT_EQ(program, "日本\r\n語\r\nz\r\n"_sj);
  PositionMap m(control);
  EXPECT_EQ(m.byteLength(), static_cast<int>(program.size()));
  EXPECT_EQ(program.substr(static_cast<size_t>(m.toBytes(3)), 2), "語"_sj);
}

TEST(PositionMap, ProgramTextReachesTheControlUnchanged) {
  EXPECT_EQ(memo::toControlText("あい\r\nb"_sj), L"\u3042\u3044\r\nb");
}

}  // namespace
