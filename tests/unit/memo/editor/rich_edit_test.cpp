// The editor control at its boundary: CP932 text with CR LF in and out, byte positions for the
// selection, and rich text that keeps Japanese because it declares code page 932.
#include "memo/editor/rich_edit.h"
#include "memo/link/link_conversion.h"
#include "memo/editor/rtf_text.h"

#include <richedit.h>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "base/text.h"
#include "ui/app.h"
#include "ui/form.h"
#include "memo/editor/text_pieces.h"
#include "support/error_box_recorder.h"
#include "support/wait.h"
#include "ui/subclass.h"

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

// The editor's change notices its parent hears.
struct ChangeCount {
  explicit ChangeCount(HWND parent) {
    subclass.attach(parent, [this](UINT msg, WPARAM wp, LPARAM, LRESULT&) {
      if (msg == WM_COMMAND && HIWORD(wp) == EN_CHANGE) ++count;
      return false;
    });
  }
  int count = 0;
  ui::Subclass subclass;
};

class RichEditLoadTest : public RichEditTest, public testing::WithParamInterface<const char*> {};

TEST_P(RichEditLoadTest, ALoadRecordsNoUndoSendsNoChangeAndKeepsUndoAndEventsForTyping) {
  const LRESULT mask = SendMessageW(edit.handle(), EM_GETEVENTMASK, 0, 0);
  ChangeCount changes(form.handle());
  edit.loadContent(GetParam());
  EXPECT_EQ(changes.count, 0);
  EXPECT_FALSE(edit.canUndo());
  EXPECT_EQ(SendMessageW(edit.handle(), EM_GETEVENTMASK, 0, 0), mask);
  edit.replaceSelection("x");
  EXPECT_TRUE(edit.canUndo());
  EXPECT_GT(changes.count, 0);
}

INSTANTIATE_TEST_SUITE_P(PlainAndRich, RichEditLoadTest,
                         testing::Values("plain\r\ntext", "{\\rtf1\\ansi\\ansicpg932 rich\\par text}"));

// Where two long texts part, with a little of each from there (empty when they are equal).
std::string difference(const std::string& a, const std::string& b) {
  size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  if (i == a.size() && i == b.size()) return "";
  return std::to_string(i) + ": [" + a.substr(i, 24) + "] / [" + b.substr(i, 24) + "] sizes " +
         std::to_string(a.size()) + " / " + std::to_string(b.size());
}

// A load in pieces, plain and with links, ends with the text a whole load gives; the first piece
// shows at once, the rest comes while the thread is idle (or at once when the whole text is
// asked for) and the user's selection stays.
class RichEditPiecesTest : public RichEditTest, public testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    RichEditTest::SetUp();
    for (int i = 0; i < 6000; ++i) text += "行" + std::to_string(i) + " http://x/" + std::to_string(i) + " 終\r\n";
    text = base::fromUtf8(text);
    ShowWindow(form.handle(), SW_SHOWNA);
    ShowWindow(edit.handle(), SW_SHOWNA);
  }
  void loadInPieces() {
    auto pieces = std::make_shared<memo::TextPieces>(text);
    memo::RegisterWebLinks(registry);
    auto converter = std::make_shared<memo::LinkConverter>(registry, memo::TextLook{});
    const bool links = GetParam();
    edit.onLoaded = [this] { ++loaded; };
    edit.beginLoad(
        [pieces, converter, links](bool& last) {
          std::string_view piece = pieces->next(last);
          return links ? converter->Convert(piece, last) : std::string(piece);
        },
        links, memo::RichEdit::fontFormat("Arial", 10), [pieces] { return pieces->rest(); });
  }
  std::string text;
  memo::TLinkString registry;
  int loaded = 0;
};

TEST_P(RichEditPiecesTest, ShowsTheFirstPieceAtOnceAndTheRestWhileIdle) {
  HWND old = edit.handle();
  loadInPieces();
  EXPECT_FALSE(IsWindowVisible(old));  // destroyed once the fresh control has painted
  EXPECT_TRUE(IsWindowVisible(edit.handle()));
  ASSERT_TRUE(edit.loading());
  EXPECT_LT(edit.controlText().size(), static_cast<size_t>(text.size()) / 2);
  CHARRANGE caret{5, 5};
  SendMessageW(edit.handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&caret));
  ASSERT_TRUE(test::waitUntil([&] { return !edit.loading(); }, 60000));
  EXPECT_FALSE(IsWindow(old));
  EXPECT_EQ(loaded, 1);
  EXPECT_EQ(difference(edit.text(), text), "");
  if (GetParam()) {
    EXPECT_EQ(registry.Marks.size(), 6000u);
  }
  EXPECT_EQ(edit.selStart(), 6);  // after 行0 h t
}

// Typing goes into the part loaded and reading the whole text takes nothing in; a selection far
// on takes in only as far as it reaches.
TEST_P(RichEditPiecesTest, TypingAndReadingLeaveTheRestAndASelectionTakesInOnlyWhatItNeeds) {
  loadInPieces();
  ASSERT_TRUE(edit.loading());
  SendMessageW(edit.handle(), WM_CHAR, 'x', 1);
  ASSERT_TRUE(edit.loading());
  const std::string whole = edit.text();
  EXPECT_TRUE(edit.loading());
  EXPECT_EQ(difference(whole, "x" + text), "");
  EXPECT_EQ(difference(edit.saveContent(false), whole), "");
  const size_t at = whole.find("http://x/3000 ");
  const size_t loadedBefore = edit.controlText().size();
  edit.selectIn(whole, at, 13);
  EXPECT_TRUE(edit.loading());
  EXPECT_GT(edit.controlText().size(), loadedBefore);
  EXPECT_EQ(edit.selectedText(), "http://x/3000");
  EXPECT_EQ(difference(edit.text(), "x" + text), "");
  ASSERT_TRUE(edit.canUndo());
  edit.undo();
  EXPECT_EQ(difference(edit.text(), text), "");
}

// Moving about the shown part and copying from it leave the rest for later; the way to the end
// and select all take it in first.
TEST_P(RichEditPiecesTest, AMoveToTheEndAndSelectAllTakeTheRestFirst) {
  struct Row {
    UINT msg;
    WPARAM wp;
    LPARAM lp;
    bool ctrl, takesAll;
  };
  const Row rows[] = {{WM_KEYDOWN, VK_DOWN, 0, false, false}, {WM_KEYDOWN, VK_HOME, 0, true, true},
                      {WM_KEYDOWN, VK_END, 0, false, true},   {WM_KEYDOWN, VK_NEXT, 0, false, true},
                      {EM_SETSEL, 0, -1, false, true},        {WM_COPY, 0, 0, false, false}};
  BYTE keys[256]{}, ctrl[256]{};
  GetKeyboardState(keys);
  for (const Row& row : rows) {
    loadInPieces();
    std::copy(std::begin(keys), std::end(keys), ctrl);
    ctrl[VK_CONTROL] = row.ctrl ? 0x80 : 0;
    SetKeyboardState(ctrl);
    SendMessageW(edit.handle(), row.msg, row.wp, row.lp);
    SetKeyboardState(keys);
    EXPECT_EQ(edit.loading(), !row.takesAll) << row.msg << " " << row.wp;
  }
}

INSTANTIATE_TEST_SUITE_P(PlainAndLinks, RichEditPiecesTest, testing::Bool());

// Replacing every match at once: one edit that one undo takes back, the caret at its place in the
// text, the first line shown kept, the parent told; a rich text keeps its formatting.
class RichEditReplaceTest : public RichEditTest, public testing::WithParamInterface<bool> {};

TEST_P(RichEditReplaceTest, ReplacesAllAsOneEditKeepingCaretAndView) {
  const bool rich = GetParam();
  std::string before;
  for (int i = 0; i < 300; ++i) before += "ab行" + std::to_string(i) + "\r\n";
  before = base::fromUtf8(before);
  MoveWindow(edit.handle(), 0, 0, 300, 200, TRUE);
  if (rich)
    edit.loadContent("{\\rtf1\\ansi\\ansicpg932 {\\b B}\\par}");
  else
    edit.setText(before);
  if (rich) {
    edit.setSelection(0, 0);
    edit.replaceSelection(before);
    before = edit.text();
  }
  std::vector<size_t> at;
  std::string after;
  for (size_t i = 0; (i = before.find("ab", i)) != std::string::npos; i += 2) at.push_back(i);
  for (size_t i = 0, from = 0; i <= at.size(); ++i) {
    after += before.substr(from, (i < at.size() ? at[i] : before.size()) - from) + (i < at.size() ? "Z" : "");
    if (i < at.size()) from = at[i] + 2;
  }
  const size_t caret = before.find("ab行200"_sj) + 1;  // inside a match: to its start
  edit.setSelection(static_cast<int>(caret), 0);
  SendMessageW(edit.handle(), EM_LINESCROLL, 0, 150 - SendMessageW(edit.handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
  const LRESULT firstLine = SendMessageW(edit.handle(), EM_GETFIRSTVISIBLELINE, 0, 0);
  ChangeCount changes(form.handle());
  edit.setModified(false);
  ASSERT_TRUE(edit.replaceMatches(before, at, 2, "Z", after, rich));
  EXPECT_EQ(difference(edit.text(), after), "");
  EXPECT_EQ(static_cast<size_t>(edit.selStart()), after.find("Z行200"_sj));
  EXPECT_EQ(SendMessageW(edit.handle(), EM_GETFIRSTVISIBLELINE, 0, 0), firstLine);
  EXPECT_TRUE(edit.modified());
  EXPECT_GT(changes.count, 0);
  if (rich) {
    edit.setSelection(static_cast<int>(after.size()) - 1, 1);
    CHARFORMAT2W cf{};
    cf.cbSize = sizeof cf;
    SendMessageW(edit.handle(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    EXPECT_TRUE(cf.dwEffects & CFE_BOLD);
  }
  ASSERT_TRUE(edit.canUndo());
  SendMessageW(edit.handle(), WM_UNDO, 0, 0);
  EXPECT_EQ(difference(edit.text(), before), "");
  EXPECT_EQ(static_cast<size_t>(edit.selStart()), caret);
  EXPECT_FALSE(edit.canUndo());
  edit.setReadOnly(true);
  EXPECT_FALSE(edit.replaceMatches(before, at, 2, "Z", after, rich));
}

INSTANTIATE_TEST_SUITE_P(PlainAndRich, RichEditReplaceTest, testing::Bool());

TEST_F(RichEditTest, ModifiedMarkAndReadOnly) {
  edit.setText("a");
  edit.setModified(false);
  EXPECT_FALSE(edit.modified());
  edit.setModified(true);
  EXPECT_TRUE(edit.modified());
  edit.setReadOnly(true);
  EXPECT_TRUE(edit.readOnly());
}

TEST_F(RichEditTest, AnErrorInTheControlsProcedureReachesTheErrorBoxAndTheMessageIsStillHandled) {
  ui::Application::instance().initialize("Tavelo for Windows 9x/NT", false);  // the box shows over it
  test::ErrorBoxRecorder boxes;
  edit.onMouseDown = [](UINT, int, int) { throw std::runtime_error("editor click"); };
  MoveWindow(edit.handle(), 0, 0, 300, 100, FALSE);
  edit.setText("abc");
  edit.setSelection(0, 0);
  SendMessageW(edit.handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 5));
  SendMessageW(edit.handle(), WM_LBUTTONUP, 0, MAKELPARAM(200, 5));
  EXPECT_EQ(boxes.texts, std::vector<std::string>{"editor click"});
  EXPECT_EQ(edit.selStart(), 3);  // the control placed the caret at the click
}

// Text written into rich text comes back from the editor exactly: plain texts that cannot be kept
// as plain lines of a Type II document, and rich text whose backslashes are rewritten.
class RtfTextTest : public RichEditTest, public testing::WithParamInterface<std::string> {};

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

// The hook that refuses every window, for a control that cannot be made.
static LRESULT CALLBACK refuseWindows(int code, WPARAM wp, LPARAM lp) {
  return code == HCBT_CREATEWND ? 1 : CallNextHookEx(nullptr, code, wp, lp);
}

TEST_F(RichEditTest, WithoutAFreshControlTheOldOneIsEmptiedForTheNextText) {
  HWND first = edit.handle();
  HHOOK hook = SetWindowsHookExW(WH_CBT, refuseWindows, nullptr, GetCurrentThreadId());
  ASSERT_TRUE(hook);
  edit.setText(std::string(memo::RichEdit::kSlowEmptying + 1, 'x'));
  edit.clear();
  EXPECT_EQ(edit.text(), "");
  edit.setText(std::string(memo::RichEdit::kSlowEmptying + 1, 'x'));
  auto pieces = std::make_shared<int>(0);
  edit.beginLoad(
      [pieces](bool& last) {
        last = ++*pieces == 2;
        return std::string("ab");
      },
      false, memo::RichEdit::fontFormat("Arial", 10));
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(edit.handle(), first);
  EXPECT_EQ(edit.text(), "abab");
}
