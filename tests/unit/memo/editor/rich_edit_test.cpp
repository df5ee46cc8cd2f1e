// The editor control at its boundary: CP932 text with CR LF in and out, byte positions for the
// selection, and rich text that keeps Japanese because it declares code page 932.
#include "memo/editor/rich_edit.h"
#include "memo/link/link_conversion.h"

#include <richedit.h>

#include <gtest/gtest.h>

#include <functional>

#include "base/text.h"
#include "ui/form.h"

namespace {

class RichEditTest : public ::testing::Test {
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

TEST_F(RichEditTest, TextComesBackWithCrLfLineEnds) {
  edit.setText("あい\r\nb\r\n\r\nう"_sj);
  EXPECT_EQ(edit.text(), "あい\r\nb\r\n\r\nう"_sj);
  edit.setText("x\ny\rz"_sj);
  EXPECT_EQ(edit.text(), "x\r\ny\r\nz");
}

TEST_F(RichEditTest, SelectionIsSetAndReadInBytes) {
  edit.setText("あい\r\nbc"_sj);
  edit.setSelection(6, 1);
  EXPECT_EQ(edit.selStart(), 6);
  EXPECT_EQ(edit.selLength(), 1);
  EXPECT_EQ(edit.selectedText(), "b");
  edit.setSelection(2, 2);
  EXPECT_EQ(edit.selectedText(), "い"_sj);
  edit.setSelection(0, 7);
  EXPECT_EQ(edit.selectedText(), "あい\r\nb"_sj);
}

TEST_F(RichEditTest, RichContentDeclaresCodePage932AndRoundTrips) {
  edit.setText("日本語のメモ\r\n二行目"_sj);
  std::string rtf = edit.saveContent(true);
  EXPECT_TRUE(memo::isRichContent(rtf));
  EXPECT_NE(rtf.find("\\ansicpg932"), std::string::npos);
  // The text alone: it ends with its closing brace, without the control's NUL byte.
  EXPECT_EQ(rtf.find('\0'), std::string::npos);
  EXPECT_EQ(rtf.back(), '}');
  edit.clear();
  edit.loadContent(rtf);
  EXPECT_EQ(edit.text(), "日本語のメモ\r\n二行目"_sj);
}

TEST_F(RichEditTest, PlainContentIsTheTextAndAnythingNotRtfLoadsAsText) {
  edit.loadContent("{\\rtf plain braces\r\nあ"_sj);  // not "{\rtf1": plain text
  EXPECT_EQ(edit.text(), "{\\rtf plain braces\r\nあ"_sj);
  EXPECT_EQ(edit.saveContent(false), "{\\rtf plain braces\r\nあ"_sj);
}

TEST_F(RichEditTest, ModifiedMarkAndReadOnly) {
  edit.setText("a");
  edit.setModified(false);
  EXPECT_FALSE(edit.modified());
  edit.setModified(true);
  EXPECT_TRUE(edit.modified());
  edit.setReadOnly(true);
  EXPECT_TRUE(edit.readOnly());
}

TEST_F(RichEditTest, AReadOnlyEditorTakesNoEditFromTheProgramEither) {
  using Edit = std::function<bool(memo::RichEdit&)>;
  CHARFORMAT2W bold{};
  bold.cbSize = sizeof bold;
  bold.dwMask = CFM_BOLD;
  bold.dwEffects = CFE_BOLD;
  PARAFORMAT2 centre{};
  centre.cbSize = sizeof centre;
  centre.dwMask = PFM_ALIGNMENT;
  centre.wAlignment = PFA_CENTER;
  const std::vector<std::pair<const char*, Edit>> edits = {
      {"replace", [](memo::RichEdit& e) { return e.replaceSelection("x"); }},
      {"cut", [](memo::RichEdit& e) { return e.cut(); }},
      {"paste", [](memo::RichEdit& e) { return e.paste(); }},
      {"delete", [](memo::RichEdit& e) { return e.deleteSelection(); }},
      {"undo", [](memo::RichEdit& e) { return e.undo(); }},
      {"selection format", [&](memo::RichEdit& e) { return e.setCharFormat(SCF_SELECTION, bold); }},
      {"typing format", [&](memo::RichEdit& e) { return e.setCharFormat(SCF_DEFAULT, bold); }},
      {"paragraph", [&](memo::RichEdit& e) { return e.setParaFormat(centre); }},
  };
  for (const auto& [name, change] : edits) {
    edit.loadContent("{\\rtf1\\ansi one two}");
    edit.replaceSelection("z");  // something to undo
    edit.setSelection(0, 3);
    edit.setReadOnly(true);
    const std::string before = edit.saveContent(true);
    EXPECT_FALSE(change(edit)) << name;
    EXPECT_EQ(edit.saveContent(true), before) << name;
    edit.setReadOnly(false);
  }
}

}  // namespace

TEST_F(RichEditTest, ConvertedLinkTextShowsTheSameText) {
  memo::TLinkString registry;
  memo::RegisterWebLinks(registry);
  edit.loadContent(memo::ConvertLinks("表\\{x}\rhttp://a\\b{}\nド\r\n"_sj, registry));
  EXPECT_EQ(edit.text(), "表\\{x}\r\nhttp://a\\b{}\r\nド\r\n"_sj);
}

TEST_F(RichEditTest, ALargeContentIsDroppedWithAFreshControlThatKeepsIdAndDefaultFont) {
  edit.setDefaultFont("Arial", 15, RGB(0, 128, 0));
  HWND first = edit.handle();
  edit.setText(std::string(memo::RichEdit::kSlowEmptying + 1, 'x'));
  edit.clear();
  ASSERT_NE(edit.handle(), first);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(GetDlgCtrlID(edit.handle()), 10);
  EXPECT_EQ(edit.text(), "");
  CHARFORMAT2W cf{};
  cf.cbSize = sizeof cf;
  SendMessageW(edit.handle(), EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
  EXPECT_EQ(base::cp932(cf.szFaceName), "Arial");
  EXPECT_EQ(cf.crTextColor, RGB(0, 128, 0));
}
