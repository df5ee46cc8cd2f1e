#include "memo/document/doc_format.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "base/text_lines.h"

using namespace memo;

namespace {

TEST(MemoLines, SplitAtEveryKindOfLineEnd) {
  EXPECT_EQ(base::splitLines("a\r\nb\rc\nd"), (base::Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(base::splitLines("a\r\n"), (base::Lines{"a"}));
  EXPECT_EQ(base::splitLines("a\r\n\r\n"), (base::Lines{"a", ""}));
  EXPECT_EQ(base::splitLines("\n\r"), (base::Lines{"", ""}));
  EXPECT_EQ(base::splitLines(""), base::Lines{});
  // A NUL byte ends the text.
  EXPECT_EQ(base::splitLines(std::string("ab\0c\r\nd", 7)), (base::Lines{"ab"}));
}

TEST(MemoLines, WriteEveryLineWithCrLf) {
  EXPECT_EQ(base::joinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
  EXPECT_EQ(base::joinLines({}), "");
  EXPECT_EQ(base::normalizeText("a\rb"), "a\r\nb\r\n");
}

TEST(MemoFormat, RecognisesTypeIIFirstAndAnywhereIgnoringCase) {
  EXPECT_EQ(recognise({"x", "<!--TAVELO document type ii-->"}), DocFormat::TypeII);
  EXPECT_EQ(recognise({"[Tavelo Document Type III]", "<!--Tavelo Document Type II-->"}), DocFormat::TypeII);
  EXPECT_EQ(recognise({"[tavelo document type iii]"}), DocFormat::TypeIII);
  EXPECT_EQ(recognise({"hello", " [Tavelo Document Type III]"}), DocFormat::Unknown);
}

TEST(MemoFormat, RichTextOnlyWithExactPrefix) {
  EXPECT_TRUE(isRtfText("{\\rtf1\\ansi"));
  EXPECT_TRUE(isRtfText("{\\rtf1"));
  EXPECT_FALSE(isRtfText("{\\rtf"));
  EXPECT_FALSE(isRtfText("{\\RTF1"));
  EXPECT_FALSE(isRtfText(" {\\rtf1"));
  EXPECT_STREQ(tabFileExt(true), ".rtf");
  EXPECT_STREQ(tabFileExt(false), ".txt");
}

TEST(MemoFormat, TabLinesEncodeLineBreaksAsMarks) {
  base::Lines content{"milk", "bread"};
  EXPECT_EQ(encodeTabLine("Shopping", &content), "Shopping/*!/milk\\CrLf%bread\\CrLf%");
  EXPECT_EQ(encodeTabLine("Empty", nullptr), "Empty/*!/");
  std::string name = "unchanged";
  base::Lines lines{"kept"};
  EXPECT_FALSE(decodeTabLine("no separator", name, &lines));
  EXPECT_EQ(name, "unchanged");
  EXPECT_EQ(lines, base::Lines{"kept"});
  ASSERT_TRUE(decodeTabLine("a/*!/b/*!/x\\CrLf%y\\CrLf%", name, &lines));
  EXPECT_EQ(name, "a");
  EXPECT_EQ(lines, (base::Lines{"b/*!/x", "y"}));
}

TEST(MemoFormat, ContentEncodesAsItsLines) {
  for (std::string content : {"", "a", "a\r\n", "a\r\nb", "a\rb\n\nc", "\r\n\r\n", "x\\CrLf%y"}) {
    base::Lines lines = base::splitLines(content);
    EXPECT_EQ(encodeTabContent("t", content), encodeTabLine("t", &lines)) << content;
  }
  EXPECT_EQ(encodeTabContent("t", std::string("a\0\r\nb", 5)), "t/*!/a\\CrLf%");
  // A line that ends on a lone lead byte still leaves no line break in the document.
  std::string line = encodeTabContent("t", "a\x82\r\nb");
  EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
  EXPECT_EQ(line, "t/*!/a\x82\\CrLf%b\\CrLf%");
}

TEST(MemoFormat, LineBreakMarkIsNotFoundInsideADoubleByteCharacter) {
  // The second byte of "表" is 0x5C: "表CrLf%" holds no line-break mark.
  std::string hyou = "\x95\x5C";
  base::Lines content{hyou + "CrLf%"};
  std::string line = encodeTabLine("t", &content);
  EXPECT_EQ(tabLineContent(line), hyou + "CrLf%\r\n");
}

TEST(MemoFormat, TypeIIBodyNeedsBothMarkers) {
  base::Lines doc{kTypeIIMagic, "c", "<!--begin document-->", "a/*!/", "<!--end document-->", kEndDocument};
  auto body = findTypeIIBody(doc);
  ASSERT_TRUE(body);
  // The End line is matched exactly; a lowercase one is just a line of the body.
  EXPECT_EQ(body->begin, 2u);
  EXPECT_EQ(body->end, 5u);
  EXPECT_FALSE(findTypeIIBody({kTypeIIMagic, kBeginDocument, "a/*!/"}));
  EXPECT_FALSE(findTypeIIBody({kTypeIIMagic, "a/*!/", kEndDocument}));
}

TEST(MemoFormat, TypeIITabsAreFoundInsideTheBodyIgnoringCase) {
  base::Lines doc{kTypeIIMagic, "Memo/*!/header", kBeginDocument, "Memo/*!/x", "memo/*!/y", kEndDocument, "After/*!/"};
  auto body = findTypeIIBody(doc);
  ASSERT_TRUE(body);
  EXPECT_EQ(findTypeIITab(doc, *body, "memo"), 3u);
  EXPECT_FALSE(findTypeIITab(doc, *body, "After"));
}

TEST(MemoFormat, TypeIIIEntriesSkipTheHeaderLines) {
  base::Lines index{"Memo=[Tavelo Document Type III]", "Memo=comment", "Memo=Memo.txt", "Other=o.txt"};
  EXPECT_EQ(findTypeIIIEntry(index, "MEMO"), 2u);
  EXPECT_EQ(findTypeIIIEntry(index, "other"), 3u);
  EXPECT_FALSE(findTypeIIIEntry(index, ""));
  EXPECT_EQ(entryName("no equals"), "");
  EXPECT_EQ(entryName("a=b=c"), "a");
  EXPECT_EQ(entryFile("a=b=c"), "b=c");
}

TEST(MemoFormat, OneValidatorForTabNames) {
  for (auto format : {DocFormat::TypeII, DocFormat::TypeIII}) {
    EXPECT_TRUE(isValidTabName("Memo", format));
    EXPECT_FALSE(isValidTabName("", format));
    EXPECT_FALSE(isValidTabName("a\r\nb", format));
    EXPECT_FALSE(isValidTabName("a\nb", format));
    EXPECT_FALSE(isValidTabName(std::string("a\0b", 3), format));
  }
  EXPECT_FALSE(isValidTabName("a=b", DocFormat::TypeIII));
  EXPECT_TRUE(isValidTabName("a=b", DocFormat::TypeII));
  EXPECT_FALSE(isValidTabName("a/*!/b", DocFormat::TypeII));
  EXPECT_TRUE(isValidTabName("a/*!/b", DocFormat::TypeIII));
}

TEST(MemoFormat, IndexEntriesNameOnlyBareFiles) {
  EXPECT_TRUE(isBareFileName("Memo.txt"));
  EXPECT_TRUE(isBareFileName("x..y.rtf"));
  EXPECT_TRUE(isBareFileName("\x95\x5C.txt"));  // "表.txt": its 0x5C is no folder separator
  for (const char* bad :
       {"", " ", ".", "..", "..\\x.txt", "../x.txt", "C:\\x.txt", "C:x.txt", "\\\\srv\\s\\x.txt", "a\\b.txt", "x.txt.",
        "x.txt ", "*.txt", "con", "CON.txt", "nul.rtf", "com1.txt", "Lpt9.txt", "aux"})
    EXPECT_FALSE(isBareFileName(bad)) << bad;
  EXPECT_TRUE(isBareFileName("com10.txt"));
  EXPECT_TRUE(isBareFileName("console.txt"));
}

}  // namespace
