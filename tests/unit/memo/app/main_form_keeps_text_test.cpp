// The memo window never drops an edit it could not save: its autosave says so, and no command
// of its menus changes a tab that could not be read.
#include "unit/memo/main_form_fixture.h"
#include "memo/chrome/commands.h"
#include "memo/clock_link/clock_link.h"
#include "shared/history_file.h"
#include "support/clipboard.h"
#include "support/fake_common_dialogs.h"

namespace {

using memotest::MainFormTest;

struct Held {
  Held(const std::string& path, DWORD share)
      : h(CreateFileW(base::wide(path).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr)) {}
  ~Held() { CloseHandle(h); }
  HANDLE h;
};

class WindowKeepsText : public MainFormTest {
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
    EXPECT_EQ(form->session().selectedTab(), 0);
    EXPECT_EQ(form->rceMemo.text(), text);
    EXPECT_TRUE(form->rceMemo.modified());
  }
};

TEST_F(WindowKeepsText, AReadOnlyDocumentStaysAsItIsAndTheAutosaveSaysItCouldNotSave) {
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

void menuCommands(HMENU menu, std::vector<int>& ids) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    if (HMENU sub = GetSubMenu(menu, i))
      menuCommands(sub, ids);
    else if (int id = static_cast<int>(GetMenuItemID(menu, i)); id > 0)
      ids.push_back(id);
  }
}

TEST_F(WindowKeepsText, NoCommandChangesATabThatCouldNotBeReadNorDoesAnySaveWriteIt) {
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

}  // namespace
