// The memo window's links and formatting in-process: a plain tab shows its links, the pointer and
// a click open them through the shell seam, marks follow edits, Ctrl+H opens the caret's line;
// bullets, bold with and without a selection, and the document format round trip.
#include <richedit.h>

#include <gtest/gtest.h>

#include "memo/chrome/commands.h"
#include "memo/link/tab_links.h"
#include "shared/shell_open.h"
#include "unit/memo/main_form_fixture.h"

namespace {

class MemoLinks : public memotest::MainFormTest {
 protected:
  void SetUp() override {
    MainFormTest::SetUp();
    saved_ = shared::shellOpener();
    shared::shellOpener() = [this](const std::string& target, const std::string& folder) {
      opened.push_back(target + "|" + folder);
    };
  }
  void TearDown() override {
    shared::shellOpener() = saved_;
    MainFormTest::TearDown();
  }
  void startWith(const std::string& tabLines) {
    write("memo.ntd", typeII(tabLines));
    start(dir.file("memo.ntd"));
  }
  // Moves the pointer over the middle of the character at a control position, or right of it.
  void pointAt(int controlPos, int dx = 2) {
    POINT p = form->rceMemo.posFromChar(controlPos);
    SendMessageW(form->rceMemo.handle(), WM_MOUSEMOVE, 0, MAKELPARAM(p.x + dx, p.y + 3));
  }
  void click() {
    SendMessageW(form->rceMemo.handle(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageW(form->rceMemo.handle(), WM_LBUTTONUP, 0, 0);
  }
  CHARFORMAT2W formatAt(int from, int to) {
    CHARRANGE r{from, to};
    SendMessageW(form->rceMemo.handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
    CHARFORMAT2W cf{};
    cf.cbSize = sizeof cf;
    SendMessageW(form->rceMemo.handle(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    return cf;
  }
  std::vector<std::string> opened;
  shared::ShellOpener saved_;
};

TEST_F(MemoLinks, APlainTabShowsItsLinksAndAClickOpensTheOneUnderThePointer) {
  startWith("t/*!/日本 http://a.b/ x\\CrLf%second\r\n"_sj);
  EXPECT_EQ(form->rceMemo.text(), "日本 http://a.b/ x\r\nsecond\r\n"_sj);
  ASSERT_EQ(form->links().LinkRegistry.Marks.size(), 1u);
  CHARFORMAT2W link = formatAt(4, 5), plain = formatAt(0, 1);
  EXPECT_EQ(link.crTextColor, 0xFF0000u);
  EXPECT_TRUE(link.dwEffects & CFE_UNDERLINE);
  EXPECT_FALSE(plain.dwEffects & CFE_UNDERLINE);
  EXPECT_EQ(base::cp932(plain.szFaceName), form->Settings.MemoFontName);  // ForceFix

  pointAt(0);
  EXPECT_FALSE(form->rceMemo.handCursor());
  pointAt(5);
  EXPECT_TRUE(form->rceMemo.handCursor());
  click();
  EXPECT_EQ(opened, std::vector<std::string>{"http://a.b/|"});
  EXPECT_EQ(form->StatusText(), "アクセス完了 -> http://a.b/"_sj);
  pointAt(16, 40);  // right of the end of the first line
  EXPECT_FALSE(form->rceMemo.handCursor());

  // An edit before the link moves its mark with it.
  form->rceMemo.setSelection(0, 0);
  form->rceMemo.replaceSelection("ab");
  pointAt(6);
  EXPECT_TRUE(form->rceMemo.handCursor());
  pointAt(4);
  EXPECT_FALSE(form->rceMemo.handCursor());
}

// A replace-all puts the whole text back at once: its links keep their look, and so after its undo.
TEST_F(MemoLinks, LinksKeepTheirLookThroughAReplaceAllAndItsUndo) {
  startWith("t/*!/x http://a.b/ x\r\n");
  const std::string before = form->rceMemo.text(), after = "yy http://a.b/ yy\r\n";
  ASSERT_TRUE(form->rceMemo.replaceMatches(before, {0, 14}, 1, "yy", after, false));
  EXPECT_EQ(form->rceMemo.text(), after);
  EXPECT_EQ(formatAt(5, 6).crTextColor, 0xFF0000u);
  EXPECT_TRUE(formatAt(5, 6).dwEffects & CFE_UNDERLINE);
  EXPECT_FALSE(formatAt(0, 1).dwEffects & CFE_UNDERLINE);
  ASSERT_TRUE(form->rceMemo.undo());
  EXPECT_EQ(form->rceMemo.text(), before);
  EXPECT_TRUE(formatAt(4, 5).dwEffects & CFE_UNDERLINE);
  EXPECT_FALSE(form->rceMemo.canUndo());
}

TEST_F(MemoLinks, OnlyTheCharactersShownAsALinkOpenIt) {
  write("memo.ntd", "[Tavelo Document Type III]\r\n;c\r\nt=t.txt\r\n");
  write("t.txt", "see http://a.b/\r\nsee http://c.d/");  // links end both lines
  start(dir.file("memo.ntd"));
  pointAt(6);
  EXPECT_TRUE(form->rceMemo.handCursor());
  POINT below = form->rceMemo.posFromChar(22);
  SendMessageW(form->rceMemo.handle(), WM_MOUSEMOVE, 0, MAKELPARAM(below.x + 2, below.y + 60));
  EXPECT_FALSE(form->rceMemo.handCursor());
  click();
  POINT beside = form->rceMemo.posFromChar(6);
  SendMessageW(form->rceMemo.handle(), WM_MOUSEMOVE, 0, MAKELPARAM(beside.x + 400, beside.y + 3));
  EXPECT_FALSE(form->rceMemo.handCursor());
  click();
  // Typed after loading, a URL is not coloured and so no link.
  form->rceMemo.setSelection(0, 0);
  form->rceMemo.replaceSelection("http://typed/ ");
  pointAt(3);
  EXPECT_FALSE(form->rceMemo.handCursor());
  click();
  EXPECT_TRUE(opened.empty());
  pointAt(20);
  EXPECT_TRUE(form->rceMemo.handCursor());
}

// The look of a loaded plain tab with links, by ForceFix: the text in the memo's face, size and
// colour, the link blue and underlined; without ForceFix the size after a link falls back to
// the rich text's own (12 points), as it always has.
struct LookCase {
  bool forceFix;
  LONG heightAfterLink;  // twips
};
class MemoLinkLook : public MemoLinks, public testing::WithParamInterface<LookCase> {};

TEST_P(MemoLinkLook, TextAndLinksCarryTheMemoFontAndColours) {
  shared::TRegistry r;
  ASSERT_TRUE(r.OpenKey(key.path(), true));
  r.WriteBool("ForceFix", GetParam().forceFix);
  r.WriteString("MemoFontName", "Arial");
  r.WriteInteger("MemoFontSize", 14);
  r.WriteInteger("MemoFontColor", 0x008000);
  startWith("t/*!/日本 http://a.b/ x\\CrLf%second\r\n"_sj);
  struct Expected {
    int at;
    LONG height;
    COLORREF color;
    bool underline;
  };
  for (Expected e : {Expected{0, 280, 0x008000, false}, Expected{4, 280, 0xFF0000, true},
                     Expected{15, GetParam().heightAfterLink, 0x008000, false},
                     Expected{17, GetParam().heightAfterLink, 0x008000, false}}) {
    CHARFORMAT2W cf = formatAt(e.at, e.at + 1);
    EXPECT_EQ(base::cp932(cf.szFaceName), "Arial") << e.at;
    EXPECT_EQ(cf.yHeight, e.height) << e.at;
    EXPECT_EQ(cf.crTextColor, e.color) << e.at;
    EXPECT_EQ((cf.dwEffects & CFE_UNDERLINE) != 0, e.underline) << e.at;
    EXPECT_EQ(cf.dwEffects & CFE_AUTOCOLOR, 0u) << e.at;
  }
}

INSTANTIATE_TEST_SUITE_P(ForceFix, MemoLinkLook, testing::Values(LookCase{true, 280}, LookCase{false, 240}));

TEST_F(MemoLinks, CtrlHOpensTheCaretLineAndAsksBeforeAProgram) {
  write("run.bat", "@echo off\r\n");
  std::string bat = dir.file("run.bat");
  startWith("t/*!/www.example.com\\CrLf%"_sj + bat + "\\CrLf%" + "\r\n");
  form->rceMemo.setSelection(3, 0);
  EXPECT_TRUE(form->HandleShortCut(memo::shortCut('H', memo::kCtrl)));
  form->rceMemo.setSelection(17 + 2, 0);
  answers.push_back(IDNO);
  form->ExecuteCommand(memo::actHyperlink);
  EXPECT_EQ(opened, std::vector<std::string>{"http://www.example.com/|"});
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find(bat), std::string::npos);
}

TEST_F(MemoLinks, WithHotLinkOffAPlainTabHasNoLinks) {
  shared::TRegistry r;
  ASSERT_TRUE(r.OpenKey(key.path(), true));
  r.WriteBool("HotLink", false);
  startWith("t/*!/http://a.b/\r\n");
  EXPECT_TRUE(form->links().LinkRegistry.Marks.empty());
  pointAt(2);
  EXPECT_FALSE(form->rceMemo.handCursor());
  EXPECT_EQ(formatAt(2, 3).crTextColor & 0xFFFFFF, formatAt(0, 1).crTextColor & 0xFFFFFF);
}

TEST_F(MemoLinks, PlainBulletsKeepTheNextLineApart) {
  startWith("t/*!/a\\CrLf%  b\\CrLf%next\r\n");
  form->rceMemo.setSelection(0, 8);
  form->ExecuteCommand(memo::actBullets);
  EXPECT_EQ(form->rceMemo.text(), "・a\r\n・b\r\nnext\r\n"_sj);
}

TEST_F(MemoLinks, BoldActsOnTheSelectionOrOnTheDefaultAttributes) {
  startWith("t/*!/{\\rtf1\\ansi\\ansicpg932 one two}\r\n");
  ASSERT_FALSE(form->PlainMode);
  form->rceMemo.setSelection(0, 3);
  form->ExecuteCommand(memo::actBold);
  EXPECT_TRUE(formatAt(0, 3).dwEffects & CFE_BOLD);
  EXPECT_FALSE(formatAt(4, 7).dwEffects & CFE_BOLD);
  EXPECT_TRUE(form->rceMemo.modified());
  form->rceMemo.setSelection(7, 0);
  form->ExecuteCommand(memo::actBold);  // the check mark follows the selection: bold again
  CHARFORMAT2W def{};
  def.cbSize = sizeof def;
  SendMessageW(form->rceMemo.handle(), EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&def));
  EXPECT_TRUE(def.dwEffects & CFE_BOLD);
}

TEST_F(MemoLinks, TypeTwoToThreeAndBackKeepsEveryTabAndItsBytes) {
  startWith("一/*!/first\\CrLf%\r\n二/*!/日本 http://x/\r\n"_sj);
  form->rceMemo.replaceSelection("edited ");
  answers = {IDYES, IDYES};
  form->ExecuteCommand(memo::mnuType3);
  EXPECT_EQ(form->session().manager().DocumentType, memo::kTypeIII);
  form->ExecuteCommand(memo::mnuType2);
  EXPECT_EQ(form->session().manager().DocumentType, memo::kTypeII);
  EXPECT_EQ(documentTabs("memo.ntd"), (std::vector<std::string>{"一"_sj, "二"_sj}));
  EXPECT_EQ(documentTab("memo.ntd", "一"_sj), "edited first\r\n");
  EXPECT_EQ(documentTab("memo.ntd", "二"_sj), "日本 http://x/\r\n"_sj);
  EXPECT_EQ(boxes.size(), 2u);
}

TEST_F(MemoLinks, AnAutosaveOfAnUnchangedHalfLoadedTabTakesNothingIn) {
  std::string big;
  for (int i = 0; i < 8000; ++i) big += "行 http://x/"_sj + std::to_string(i) + "\\CrLf%";
  startWith("small/*!/a\r\nbig/*!/" + big + "\r\n");
  form->session().MoveToAdjacentTab(true);
  ASSERT_TRUE(form->rceMemo.loading());
  form->tmrSaveTimer();
  EXPECT_TRUE(form->rceMemo.loading());
}

TEST_F(MemoLinks, ASwitchAwayFromALargeTabLeavesAWorkingVisibleEditor) {
  std::string big(memo::RichEdit::kSlowEmptying + 10, 'x');
  startWith("big/*!/" + big + "\r\nsmall/*!/http://a/\r\n");
  HWND first = form->rceMemo.handle();
  form->session().MoveToAdjacentTab(true);
  ASSERT_NE(form->rceMemo.handle(), first);
  EXPECT_TRUE(IsWindowVisible(form->rceMemo.handle()));
  EXPECT_EQ(form->links().LinkRegistry.Marks.size(), 1u);
  SendMessageW(form->rceMemo.handle(), WM_CHAR, 'y', 1);
  EXPECT_TRUE(form->rceMemo.modified());
  form->session().MoveToAdjacentTab(true);
  EXPECT_EQ(documentTab("memo.ntd", "small"), "yhttp://a/\r\n");
}

}  // namespace
