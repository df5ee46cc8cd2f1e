// The tab session never drops an edit it could not save: the failure is shown, the strip stays on
// the tab, and the text and its modified mark stay until a save succeeds or the user gives it up.
#include "memo/chrome/commands.h"
#include "memo/dialogs/new_wizard_ids.h"
#include "memo/document/doc_failure.h"
#include "ui/timer.h"
#include "unit/memo/document/tab_session_fixture.h"

namespace {

using memotest::storedTab;
using memotest::storedTabs;
using memotest::typeIIDocument;
using Names = std::vector<std::string>;

const std::string kAppTitle = "Tavelo for Windows 9x/NT";

struct Held {
  Held(const std::string& path, DWORD share)
      : h(CreateFileW(base::wide(path).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr)) {}
  ~Held() { CloseHandle(h); }
  HANDLE h;
};

class KeepsText : public memotest::TabSessionTest {
 protected:
  void expectKept(const std::string& text) {
    EXPECT_EQ(session->selectedTab(), 0);
    EXPECT_EQ(editor.text(), text);
    EXPECT_TRUE(editor.modified());
  }
  // "x" typed into tab A of two, then the document deleted behind the session's back.
  void typeThenLoseTheDocument() {
    openTypeII("A/*!/a\\CrLf%\r\nB/*!/b\\CrLf%\r\n", "A");
    type("x");
    base::deleteFile(dir.file("memo.ntd"));
  }
  bool boxStartsWith(const std::string& prefix) {
    return !boxes.empty() && boxes.back().compare(0, prefix.size(), prefix) == 0;
  }
};
TEST_F(KeepsText, AnUnwritableDocumentIsToldAndTheSwitchWaitsUntilItCanBeSaved) {
  write("memo.ntd", typeIIDocument("A/*!/a\\CrLf%\r\nB/*!/b\\CrLf%\r\n"));
  open("A");
  type("x");
  {
    Held held(dir.file("memo.ntd"), FILE_SHARE_READ);
    clickTab(1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxStartsWith(kAppTitle + "|")) << boxes[0];
    expectKept("xa\r\n");
  }
  clickTab(1);
  EXPECT_EQ(session->selectedTab(), 1);
  EXPECT_EQ(documentTab("A"), "xa\r\n");
}

TEST_F(KeepsText, ATabNameRepeatedInADocumentThatCannotBeRenamedStaysUnavailable) {
  write("memo.ntd", "[Tavelo Document Type III]\r\n;c\r\nShop=a.txt\r\nshop=b.txt\r\n");
  write("a.txt", "a\r\n");
  write("b.txt", "b\r\n");
  ASSERT_TRUE(SetFileAttributesW(base::wide(dir.file("memo.ntd")).c_str(), FILE_ATTRIBUTE_READONLY));
  open("Shop");
  clickTab(1);
  EXPECT_TRUE(editor.readOnly());
  EXPECT_EQ(editor.text(), "");
  type("y");
  session->tbcMemoChanging();  // the autosave's step
  EXPECT_EQ(read("a.txt"), "a\r\n");
  // Deleting or renaming it would delete or rename the first tab of the name.
  ASSERT_TRUE(SetFileAttributesW(base::wide(dir.file("memo.ntd")).c_str(), FILE_ATTRIBUTE_NORMAL));
  answers = {IDYES};
  commands.run(memo::actDeleteTab);
  EXPECT_EQ(read("a.txt"), "a\r\n");
  EXPECT_NE(read("memo.ntd").find("Shop=a.txt"), std::string::npos);
}

TEST_F(KeepsText, AVanishedDocumentIsOfferedToBeWrittenAgainAndCancelKeepsTheText) {
  typeThenLoseTheDocument();
  answers = {IDCANCEL};
  clickTab(1);
  EXPECT_TRUE(boxStartsWith("メモファイル未発見|"_sj));
  expectKept("xa\r\n");
  answers = {IDYES};
  clickTab(1);
  EXPECT_EQ(session->selectedTab(), 1);
  EXPECT_EQ(documentTabs(), (Names{"A", "B"}));
  EXPECT_EQ(documentTab("A"), "xa\r\n");
  EXPECT_EQ(documentTab("B"), "b\r\n");
}

TEST_F(KeepsText, ATabThatCouldNotBeReadStaysReadOnlyUntilTheUserChoosesToWriteIt) {
  write("memo.ntd", "[Tavelo Document Type III]\r\n;c\r\nA=a.txt\r\nB=b.txt\r\n");
  write("a.txt", "a");
  write("b.txt", "unread");
  open("A");
  {
    Held held(dir.file("b.txt"), 0);
    answers = {IDNO};
    clickTab(1);
    EXPECT_TRUE(boxStartsWith(kAppTitle + "|"));
    EXPECT_TRUE(editor.readOnly());
    type("x");
    EXPECT_FALSE(editor.modified());
    clickTab(0);
    answers = {IDYES};
    clickTab(1);
    EXPECT_FALSE(editor.readOnly());
  }
  EXPECT_EQ(read("b.txt"), "unread");  // chosen, but nothing typed yet
  type("n");
  clickTab(0);
  EXPECT_EQ(read("b.txt").substr(0, 1), "n");
}

// Every command of a menu (the main menu's submenu at position), submenus included.
TEST_F(KeepsText, EmptyNamesAreListedAndRefusedNamesAreToldLongNamesComeBackWhole) {
  write("memo.ntd", "[Tavelo Document Type III]\r\n;c\r\nA=a.txt\r\n=e.txt\r\n");
  write("a.txt", "a");
  write("e.txt", "e");
  open("A");
  EXPECT_EQ(stripNames(), (Names{"A", ""}));
  inputs = {"x=y"};
  session->actNewTabExecute();
  EXPECT_NE(boxes.back().find(memo::failureText({memo::DocFailure::BadName})), std::string::npos);
  const std::string longName(600, 'L');
  inputs = {longName};
  session->actNewTabExecute();
  EXPECT_EQ(stripNames(), (Names{"A", "", longName}));
  EXPECT_EQ(documentTabs(), (Names{"A", "", longName}));
}

TEST_F(KeepsText, AVanishedDocumentsTextGoesIntoAnotherChosenDocument) {
  typeThenLoseTheDocument();
  answers = {IDNO};
  // The wizard asks for the other document: its path, then Next twice (Type II).
  ui::Timer user(30, true);
  int step = 0;
  user.onTimer = [&] {
    HWND wizard = FindWindowW(nullptr, base::wide("新規作成ウィザード"_sj).c_str());
    if (!wizard) return;
    if (++step == 1) SetDlgItemTextW(wizard, IDC_WIZ_FILENAME, base::wide(dir.file("other")).c_str());
    if (step <= 2) SendMessageW(GetDlgItem(wizard, IDC_WIZ_NEXT), BM_CLICK, 0, 0);
  };
  clickTab(1);
  user.setEnabled(false);
  EXPECT_EQ(settings.MemoFile, dir.file("other.ntd"));
  EXPECT_EQ(storedTabs(dir.file("other.ntd")), (Names{"A", "B"}));
  EXPECT_EQ(storedTab(dir.file("other.ntd"), "A"), "xa\r\n");
  EXPECT_FALSE(base::fileExists(dir.file("memo.ntd")));
}

}  // namespace
