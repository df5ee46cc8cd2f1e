// Text written into rich text comes back from the editor exactly: plain texts that cannot be kept
// as plain lines of a Type II document, and rich text whose backslashes are rewritten.
#include "memo/editor/rtf_text.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "memo/editor/rich_edit.h"
#include "ui/form.h"

namespace {

class RtfTextTest : public testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    ui::FormParams p;
    p.caption = "editor host";
    ASSERT_TRUE(form.create(p));
    ASSERT_TRUE(edit.create(form.handle(), 10));
  }
  ui::Form form;
  memo::RichEdit edit;
};

TEST_P(RtfTextTest, ALiteralRichTextShowsTheTextExactly) {
  const std::string rtf = memo::literalRtf(GetParam());
  EXPECT_TRUE(memo::isRichContent(rtf));
  EXPECT_EQ(rtf.find("\\CrLf%"), std::string::npos);
  edit.loadContent(rtf);
  EXPECT_EQ(edit.text(), GetParam());
}

TEST_P(RtfTextTest, RichTextKeepsItsTextWithoutEscapedBackslashes) {
  edit.setText(GetParam());
  const std::string rtf = memo::rtfWithoutEscapedBackslash(edit.saveContent(true));
  EXPECT_EQ(rtf.find("\\\\"), std::string::npos);
  EXPECT_EQ(rtf.find("\\CrLf%"), std::string::npos);
  edit.clear();
  edit.loadContent(rtf);
  EXPECT_EQ(edit.text(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Texts, RtfTextTest,
                         testing::Values("{\\rtf1 plain\r\nsecond", "x\\CrLf%y\r\n", "\\\\CrLf%\\", "{}\\par\ttab",
                                         "表\\CrLf%示"_sj,
                                         "\x95\x5C"
                                         "CrLf%",
                                         "a\r\n\r\nb"));

}  // namespace
