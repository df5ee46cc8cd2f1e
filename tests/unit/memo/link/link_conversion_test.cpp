// The link converter byte for byte: the rich text it makes of plain memo text and the marks it
// records, with the memo's three web prefixes registered.
#include "memo/link/link_conversion.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "memo/editor/text_pieces.h"

namespace {

const std::string kHead = "{\\rtf1\\ansi\\ansicpg932{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue255;}\r\n";
const std::string kTail = "\r\n\\par}";
const std::string kOpen = "\\cf1\\ul ";
const std::string kClose = "\\plain\\cf0 ";

struct Case {
  const char* name;
  std::string text;
  std::string body;  // between the header and the tail
  std::vector<memo::TKzLinkMark> marks;
};

std::string describe(const std::vector<memo::TKzLinkMark>& marks) {
  std::string s;
  for (const auto& m : marks)
    s += m.Text + "@" + std::to_string(m.StartPos) + "-" + std::to_string(m.EndPos) + "/" + std::to_string(m.Style) +
         ";";
  return s;
}

class LinkConversionTable : public ::testing::TestWithParam<Case> {};

TEST_P(LinkConversionTable, ConvertsByteForByte) {
  const Case& c = GetParam();
  memo::TLinkString registry;
  memo::RegisterWebLinks(registry);
  EXPECT_EQ(memo::ConvertLinks(c.text, registry), kHead + c.body + kTail);
  EXPECT_EQ(describe(registry.Marks), describe(c.marks));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LinkConversionTable,
    ::testing::Values(
        Case{"Example",
             "word http://a.b/c end",
             "word " + kOpen + "http://a.b/c" + kClose + " end",
             {{"http://a.b/c", 5, 16, 1}}},
        Case{"DoubleH", "hhttp://x", "hhttp://x", {}}, Case{"TrailingPrefixBytes", "ah ft", "ah ft", {}},
        Case{"CapitalsAndOtherSchemes", "HTTP://x Http:y mailto:z", "HTTP://x Http:y mailto:z", {}},
        Case{"HttpsAndFtp",
             "https://s ftp:f",
             kOpen + "https://s" + kClose + " " + kOpen + "ftp:f" + kClose,
             {{"https://s", 0, 8, 1}, {"ftp:f", 10, 14, 1}}},
        Case{"EscapesOutsideAndInside",
             "a\\{}http://a\\{}b",
             "a\\\\\\{\\}" + kOpen + "http://a\\\\\\{\\}b" + kClose,
             {{"http://a\\{}b", 4, 15, 1}}},
        Case{"TrailByte5C", "表http:"_sj, "\x95\\\\" + kOpen + "http:" + kClose, {{"http:", 2, 6, 1}}},
        Case{"LineBreaks",
             "http://x\r\nhttp://y\nhttp://z\rhttp://w",
             kOpen + "http://x" + kClose + "\r\n\\par " + kOpen + "http://y" + kClose + "\r\n\\par " + kOpen +
                 "http://z" + kClose + "\r\n\\par " + kOpen + "http://w" + kClose,
             {{"http://x", 0, 7, 1}, {"http://y", 10, 17, 1}, {"http://z", 20, 27, 1}, {"http://w", 30, 37, 1}}},
        Case{"TrailByteNeverStartsALink",
             "ドttp://x ドhttp:"_sj,
             "ドttp://x ド"_sj + kOpen + "http:" + kClose,
             {{"http:", 12, 16, 1}}},
        Case{"Empty", "", "", {}},
        Case{"DelimitersEndTabCommaJapaneseDoNot",
             "(http://a)b http://c,d\te。f<"_sj,
             "(" + kOpen + "http://a" + kClose + ")b " + kOpen + "http://c,d\te。f"_sj + kClose + "<",
             {{"http://a", 1, 8, 1}, {"http://c,d\te。f"_sj, 12, 26, 1}}},
        Case{"NulEndsTheText", std::string("a\0http:", 7), "a", {}}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(LinkLook, TheFaceNameIsEscaped) {
  memo::TLinkString registry;
  // Its second byte may be a backslash.
  const memo::TextLook look{"\x95\x5C{", 9, 0x008000, true};
  EXPECT_NE(memo::ConvertLinks("a", registry, look).find("\\fcharset128 \\'95\\'5c\\'7b;}"), std::string::npos);
}

TEST(LinkLook, PiecesMarkAndShowWhatTheWholeTextDoes) {
  const std::string text = "日本 http://a.b/x\r\nftp:y z\r\n\r\nhttps://c/ end http:"_sj;
  memo::TLinkString whole, pieces;
  memo::RegisterWebLinks(whole);
  memo::RegisterWebLinks(pieces);
  memo::ConvertLinks(text, whole);
  memo::LinkConverter converter(pieces, {});
  std::string body;
  for (size_t at = 0; at < text.size();) {
    size_t end = memo::PieceEnd(text, at, 2);
    std::string rtf = converter.Convert(std::string_view(text).substr(at, end - at), end == text.size());
    ASSERT_EQ(rtf.rfind(kHead, 0), 0u);
    body += rtf.substr(kHead.size(), rtf.size() - kHead.size() - 1);  // without the closing brace
    at = end;
  }
  EXPECT_EQ(describe(pieces.Marks), describe(whole.Marks));
  EXPECT_EQ(body + "}", memo::ConvertLinks(text, whole).substr(kHead.size()));
}

TEST(LinkString, ColoursAreSharedAndStylesBecomeControlWords) {
  memo::TLinkString r;
  r.AddItem({"a:", 0x0000FF, 7, 0, {}, {}});
  r.AddItem({"b:", 0x0000FF, 2, 1, {}, {}});
  r.AddItem({"c:", 0x123456, 0, 0, {}, {}});
  EXPECT_EQ(r.Items[0].RtfCode, "\\cf1\\ul\\b\\i");
  EXPECT_EQ(r.Items[1].RtfCode, "\\cf1\\b");
  EXPECT_EQ(r.Items[2].RtfCode, "\\cf2");
  EXPECT_EQ(r.ColorTable(), "{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red86\\green52\\blue18;}");
}

TEST(LinkString, KindOneLinkIsThePrefixAloneAndMarksAreFoundByPosition) {
  memo::TLinkString r;
  r.AddItem({"x", 0x00FF00, 0, 1, {}, {}});
  EXPECT_EQ(memo::ConvertLinks("axb", r),
            "{\\rtf1\\ansi\\ansicpg932{\\colortbl\\red0\\green0\\blue0;\\red0\\green255\\blue0;}"
            "\r\na\\cf1 x\\plain\\cf0 b" +
                kTail);
  memo::RegisterWebLinks(r);
  memo::ConvertLinks("ab http://x\r\nhttp://y", r);
  EXPECT_EQ(r.MarkAt(2), -1);
  EXPECT_EQ(r.MarkAt(3), 0);
  EXPECT_EQ(r.MarkAt(10), 0);
  EXPECT_EQ(r.MarkAt(11), -1);
  EXPECT_EQ(r.MarkAt(13), 1);
  memo::TKzLinkMark m{"keep", 1, 2, 3};
  r.GetMark(5, m);
  EXPECT_EQ(m.Text, "keep");
  r.GetMark(1, m);
  EXPECT_EQ(m.Text, "http://y");
}

}  // namespace
