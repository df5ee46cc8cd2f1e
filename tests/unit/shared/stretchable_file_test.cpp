#include "shared/stretchable_file.h"

#include <gtest/gtest.h>

#include "base/text.h"

namespace {

using shared::TKzStretchableFileOperation;
using shared::TMemoryStream;
using Ops = TKzStretchableFileOperation;

std::string bytesOf(std::initializer_list<int> b) {
  std::string s;
  for (int c : b) s.push_back(static_cast<char>(c));
  return s;
}

TEST(RecordFields, WriteExactLittleEndianBytes) {
  TMemoryStream m;
  Ops::WriteDouble(m, 1.5);
  Ops::WriteInteger(m, -2);
  Ops::WriteString(m, "");
  Ops::WriteString(m, "あ"_sj);
  EXPECT_EQ(m.Bytes(), bytesOf({0,    0,    0,    0,    0,    0,   0xF8, 0x3F,  // 1.5
                                0xFE, 0xFF, 0xFF, 0xFF,                         // -2
                                0,    0,    0,    0,                            // ""
                                2,    0,    0,    0,    0x82, 0xA0}));          // "あ"
}

TEST(RecordFields, ReadBackWhatWasWritten) {
  TMemoryStream m;
  Ops::WriteDouble(m, -45000.25);
  Ops::WriteInteger(m, 0x7FFFFFFF);
  Ops::WriteString(m, "表示"_sj);
  Ops::WriteString(m, "");
  m.SetPosition(0);
  EXPECT_EQ(Ops::ReadDouble(m), -45000.25);
  EXPECT_EQ(Ops::ReadInteger(m), 0x7FFFFFFF);
  std::string s = "old";
  ASSERT_TRUE(Ops::ReadString(m, s));
  EXPECT_EQ(s, "表示"_sj);
  ASSERT_TRUE(Ops::ReadString(m, s));
  EXPECT_EQ(s, "");
  EXPECT_EQ(m.Remaining(), 0u);
}

TEST(RecordFields, ShortReadsReadNothingAndKeepThePosition) {
  TMemoryStream m(bytesOf({1, 2, 3, 4, 5, 6, 7}));
  m.SetPosition(4);
  EXPECT_EQ(Ops::ReadInteger(m), 0);  // 3 bytes left
  EXPECT_EQ(m.Position(), 4u);
  m.SetPosition(0);
  EXPECT_EQ(Ops::ReadDouble(m), 0.0);  // 7 bytes left
  EXPECT_EQ(m.Position(), 0u);
  std::string s = "keep";
  m.SetPosition(5);
  EXPECT_FALSE(Ops::ReadString(m, s));  // no whole count
  EXPECT_EQ(m.Position(), 5u);
  EXPECT_EQ(s, "keep");
}

TEST(RecordFields, StringLongerThanTheRestStopsBehindTheCount) {
  TMemoryStream m(bytesOf({5, 0, 0, 0, 'a', 'b', 'c'}));
  std::string s = "keep";
  EXPECT_FALSE(Ops::ReadString(m, s));
  EXPECT_EQ(s, "keep");
  EXPECT_EQ(m.Position(), 4u);
}

TEST(RecordFields, CountsOutsideTheLimitMarkDamage) {
  std::string tail(300000, 'x');
  for (int32_t bad : {-1, INT32_MIN, shared::kMaxRecordString + 1, INT32_MAX}) {
    TMemoryStream w;
    Ops::WriteInteger(w, bad);
    TMemoryStream m(w.Bytes() + tail);
    std::string s = "keep";
    EXPECT_FALSE(Ops::ReadString(m, s)) << bad;
    EXPECT_EQ(s, "keep");
    EXPECT_EQ(m.Position(), 4u);
  }
  // The limit itself is a valid count.
  TMemoryStream w;
  Ops::WriteInteger(w, shared::kMaxRecordString);
  TMemoryStream m(w.Bytes() + tail);
  std::string s;
  EXPECT_TRUE(Ops::ReadString(m, s));
  EXPECT_EQ(s.size(), static_cast<size_t>(shared::kMaxRecordString));
}

TEST(RecordFields, EmbeddedNulCutsTheTextButNotTheField) {
  TMemoryStream m;
  Ops::WriteString(m, std::string("ab\0cd", 5));
  Ops::WriteInteger(m, 7);
  EXPECT_EQ(m.Bytes().size(), 4u + 5u + 4u);
  m.SetPosition(0);
  std::string s;
  ASSERT_TRUE(Ops::ReadString(m, s));
  EXPECT_EQ(s, "ab");
  EXPECT_EQ(m.Position(), 9u);
  EXPECT_EQ(Ops::ReadInteger(m), 7);
}

TEST(RecordFields, OverlongTextIsCutOnACharacterBoundary) {
  // The limit falls between the two bytes of the last character.
  std::string text(shared::kMaxRecordString - 1, 'a');
  text += "あ"_sj;
  TMemoryStream m;
  Ops::WriteString(m, text);
  m.SetPosition(0);
  EXPECT_EQ(Ops::ReadInteger(m), shared::kMaxRecordString - 1);
  EXPECT_EQ(m.Remaining(), static_cast<uint64_t>(shared::kMaxRecordString - 1));
}

TEST(RecordFields, MemoryStreamOverwritesAndGrows) {
  TMemoryStream m(std::string("abcdef"));
  m.SetPosition(4);
  m.Write("XYZ", 3);
  EXPECT_EQ(m.Bytes(), "abcdXYZ");
  EXPECT_EQ(m.Position(), 7u);
}

}  // namespace
