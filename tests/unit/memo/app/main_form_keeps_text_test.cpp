// The window never drops an edit it could not save: the failure is shown, the strip stays on the
// tab, and the text and its modified mark stay until a save succeeds or the user gives it up.
#include "unit/memo/main_form_fixture.h"
#include "memo/chrome/commands.h"
#include "memo/clock_link/clock_link.h"
#include "memo/dialogs/new_wizard_ids.h"
#include "memo/document/doc_failure.h"
#include "shared/history_file.h"
#include "support/clipboard.h"
#include "support/fake_common_dialogs.h"
#include "ui/timer.h"

namespace {

using memotest::MainFormTest;
using Names = std::vector<std::string>;

const std::string kAppTitle = "Tavelo for Windows 9x/NT";

struct Held {
  Held(const std::string& path, DWORD share)
      : h(CreateFileW(base::wide(path).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr)) {}
  ~Held() { CloseHandle(h); }
  HANDLE h;
};

class KeepsText : public MainFormTest {
 protected:
  void type(const std::string& text) {
    for (wchar_t c : base::wide(text)) SendMessageW(form->rceMemo.handle(), WM_CHAR, c, 1);
  }
  // A click on the strip, so that the change is asked for as the user asks for it.
  void clickTab(int index) {
    RECT r{};
    SendMessageW(form->tbcMemo.handle(), TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(form->tbcMemo.handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(form->tbcMemo.handle(), WM_LBUTTONUP, 0, at);
  }
  void expectKept(const std::string& text) {
    EXPECT_EQ(form->selectedTab(), 0);
    EXPECT_EQ(form->rceMemo.text(), text);
    EXPECT_TRUE(form->rceMemo.modified());
  }
  bool boxStartsWith(const std::string& prefix) {
    return !boxes.empty() && boxes.back().compare(0, prefix.size(), prefix) == 0;
  }
};

TEST_F(KeepsText, AnUnwritableDocumentIsToldAndTheSwitchWaitsUntilItCanBeSaved) {
  write("memo.ntd", typeII("A/*!/a\\CrLf%\r\nB/*!/b\\CrLf%\r\n"));
  start(dir.file("memo.ntd"), "A");
  type("x");
  {
    Held held(dir.file("memo.ntd"), FILE_SHARE_READ);
    clickTab(1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxStartsWith(kAppTitle + "|")) << boxes[0];
    expectKept("xa\r\n");
  }
  clickTab(1);
  EXPECT_EQ(form->selectedTab(), 1);
  EXPECT_EQ(documentTab("memo.ntd", "A"), "xa\r\n");
}

TEST_F(KeepsText, AReadOnlyDocumentStaysAsItIsAndTheAutosaveSaysItCouldNotSave) {
  write("memo.ntd", typeII("A/*!/a\\CrLf%\r\n"));
  const std::wstring path = base::wide(dir.file("memo.ntd"));
  ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
  const std::string before = read("memo.ntd");
  start(dir.file("memo.ntd"), "A");
  type("x");
  form->tmrSaveTimer();
  EXPECT_EQ(form->StatusText(), "自動保存できませんでした -> "_sj + dir.file("memo.ntd"));
  EXPECT_EQ(read("memo.ntd"), before);
  EXPECT_EQ(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_READONLY, static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  expectKept("xa\r\n");
}

TEST_F(KeepsText, ATabNameRepeatedInADocumentThatCannotBeRenamedStaysUnavailable) {
  write("memo.ntd", "[Tavelo Document Type III]\r\n;c\r\nShop=a.txt\r\nshop=b.txt\r\n");
  write("a.txt", "a\r\n");
  write("b.txt", "b\r\n");
  ASSERT_TRUE(SetFileAttributesW(base::wide(dir.file("memo.ntd")).c_str(), FILE_ATTRIBUTE_READONLY));
  start(dir.file("memo.ntd"), "Shop");
  clickTab(1);
  EXPECT_TRUE(form->rceMemo.readOnly());
  EXPECT_EQ(form->rceMemo.text(), "");
  type("y");
  form->tmrSaveTimer();
  EXPECT_EQ(read("a.txt"), "a\r\n");
  // Deleting or renaming it would delete or rename the first tab of the name.
  ASSERT_TRUE(SetFileAttributesW(base::wide(dir.file("memo.ntd")).c_str(), FILE_ATTRIBUTE_NORMAL));
  answers = {IDYES};
  form->ExecuteCommand(memo::actDeleteTab);
  EXPECT_EQ(read("a.txt"), "a\r\n");
  EXPECT_NE(read("memo.ntd").find("Shop=a.txt"), std::string::npos);
}

TEST_F(KeepsText, AVanishedDocumentIsOfferedToBeWrittenAgainAndCancelKeepsTheText) {
  write("memo.ntd", typeII("A/*!/a\\CrLf%\r\nB/*!/b\\CrLf%\r\n"));
  start(dir.file("memo.ntd"), "A");
  type("x");
  base::deleteFile(dir.file("memo.ntd"));
  answers = {IDCANCEL};
  clickTab(1);
  EXPECT_TRUE(boxStartsWith("メモファイル未発見|"_sj));
  expectKept("xa\r\n");
  answers = {IDYES};
  clickTab(1);
  EXPECT_EQ(form->selectedTab(), 1);
  EXPECT_EQ(documentTabs("memo.ntd"), (Names{"A", "B"}));
  EXPECT_EQ(documentTab("memo.ntd", "A"), "xa\r\n");
  EXPECT_EQ(documentTab("memo.ntd", "B"), "b\r\n");
}

TEST_F(KeepsText, ATabThatCouldNotBeReadStaysReadOnlyUntilTheUserChoosesToWriteIt) {
  write("memo.ntd", "[Tavelo Document Type III]\r\n;c\r\nA=a.txt\r\nB=b.txt\r\n");
  write("a.txt", "a");
  write("b.txt", "unread");
  start(dir.file("memo.ntd"), "A");
  {
    Held held(dir.file("b.txt"), 0);
    answers = {IDNO};
    clickTab(1);
    EXPECT_TRUE(boxStartsWith(kAppTitle + "|"));
    EXPECT_TRUE(form->rceMemo.readOnly());
    type("x");
    EXPECT_FALSE(form->rceMemo.modified());
    clickTab(0);
    answers = {IDYES};
    clickTab(1);
    EXPECT_FALSE(form->rceMemo.readOnly());
  }
  EXPECT_EQ(read("b.txt"), "unread");  // chosen, but nothing typed yet
  type("n");
  clickTab(0);
  EXPECT_EQ(read("b.txt").substr(0, 1), "n");
}

// Every command of a menu (the main menu's submenu at position), submenus included.
void menuCommands(HMENU menu, std::vector<int>& ids) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    if (HMENU sub = GetSubMenu(menu, i))
      menuCommands(sub, ids);
    else if (int id = static_cast<int>(GetMenuItemID(menu, i)); id > 0)
      ids.push_back(id);
  }
}

TEST_F(KeepsText, NoCommandChangesATabThatCouldNotBeReadNorDoesAnySaveWriteIt) {
  write("memo.ntd", "[Tavelo Document Type III]\r\n;c\r\nA=a.txt\r\nB=b.txt\r\n");
  write("a.txt", "a");
  write("b.txt", "unread");
  write("in.txt", "inserted");
  start(dir.file("memo.ntd"), "A");
  test::FakeCommonDialogs dialogs;
  shared::TKzHistoryFile history(programDir.file("_history3"));
  history.AppendMode = true;
  history.AddText = "h";
  ASSERT_TRUE(history.Save());
  form->clockLink().HistoryFile = programDir.file("_history3");
  form->clockLink().ChooseHistory = [](const std::vector<std::string>& items) {
    return items.empty() ? std::nullopt : std::optional(items.back());
  };
  ASSERT_TRUE(test::setClipboardCp932("pasted"));
  std::vector<int> ids;
  for (int menu : {1, 3, 4}) menuCommands(GetSubMenu(form->mainMenu(), menu), ids);  // Edit, Insert, Format
  ids.insert(ids.end(), {memo::mnuColor0 + 9, memo::mnuColorOther});                 // the colour button's menu
  {
    Held held(dir.file("b.txt"), 0);
    answers = {IDNO};
    clickTab(1);
    ASSERT_TRUE(form->rceMemo.readOnly());
    // Twice: the format commands act in both plain and rich mode ("書式付き" toggles it).
    for (int round = 0; round < 2; ++round)
      for (int id : ids) {
        dialogs.files.push_back(dir.file("in.txt"));
        dialogs.fonts.push_back(ui::Font("Arial", 20));
        dialogs.colors.push_back(0x123456);
        inputs = {"1"};
        form->rceMemo.setSelection(0, 0);
        form->ExecuteCommand(id);
        EXPECT_EQ(form->rceMemo.text(), "") << id;
      }
  }
  // Readable again, yet nothing the editor holds is the tab's content.
  form->tmrSaveTimer();
  clickTab(0);
  EXPECT_EQ(read("b.txt"), "unread");
}

TEST_F(KeepsText, EmptyNamesAreListedAndRefusedNamesAreToldLongNamesComeBackWhole) {
  write("memo.ntd", "[Tavelo Document Type III]\r\n;c\r\nA=a.txt\r\n=e.txt\r\n");
  write("a.txt", "a");
  write("e.txt", "e");
  start(dir.file("memo.ntd"), "A");
  EXPECT_EQ(stripNames(), (Names{"A", ""}));
  inputs = {"x=y"};
  form->actNewTabExecute();
  EXPECT_NE(boxes.back().find(memo::failureText({memo::DocFailure::BadName})), std::string::npos);
  const std::string longName(600, 'L');
  inputs = {longName};
  form->actNewTabExecute();
  EXPECT_EQ(stripNames(), (Names{"A", "", longName}));
  EXPECT_EQ(documentTabs("memo.ntd"), (Names{"A", "", longName}));
}

TEST_F(KeepsText, AVanishedDocumentsTextGoesIntoAnotherChosenDocument) {
  write("memo.ntd", typeII("A/*!/a\\CrLf%\r\nB/*!/b\\CrLf%\r\n"));
  start(dir.file("memo.ntd"), "A");
  type("x");
  base::deleteFile(dir.file("memo.ntd"));
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
  EXPECT_EQ(form->Settings.MemoFile, dir.file("other.ntd"));
  EXPECT_EQ(documentTabs("other.ntd"), (Names{"A", "B"}));
  EXPECT_EQ(documentTab("other.ntd", "A"), "xa\r\n");
  EXPECT_FALSE(base::fileExists(dir.file("memo.ntd")));
}

}  // namespace
