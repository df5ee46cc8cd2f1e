// The real memo program never loses a document or typed text at the edges: an old document the
// wizard is told not to read is moved aside, a damaged one is opened through a copy, and text with
// no document left is written to a file before the program ends. Each place is named to the user.
#include <windows.h>

#include <gtest/gtest.h>

#include "base/files.h"
#include "base/text.h"
#include "memo/chrome/commands.h"
#include "memo/dialogs/new_wizard_ids.h"
#include "support/e2e.h"
#include "support/memo_e2e.h"
#include "support/wait.h"

namespace {

using namespace memoe2e;

const std::string kAppTitle = "Tavelo for Windows 9x/NT";

class MemoRescue : public testing::Test {
 protected:
  void SetUp() override { test::deleteUserKey(kKey); }
  void TearDown() override { test::deleteUserKey(kKey); }

  // A shown box of the program with this title whose texts hold text, or nullptr.
  HWND boxShowing(const std::string& title, const std::string& text) {
    HWND box = nullptr;
    test::waitUntil([&] {
      for (HWND w : test::windowsTitled(title))
        if (IsWindowVisible(w) && test::dialogText(w).find(text) != std::string::npos) box = w;
      return box != nullptr;
    });
    return box;
  }
  void command(HWND main, int id) { PostMessageW(main, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

  test::ProgramRun memo{"Memo.exe"};
};

TEST_F(MemoRescue, NoToReadingTheExistingDocumentMovesItAsideAndSaysWhere) {
  const std::string old = typeIIDocument("A/*!/alpha\\CrLf%\r\n");
  HWND main = startOn(memo, "memo.ntd", old);
  ASSERT_NE(main, nullptr);
  command(main, memo::mnuNewFile);
  HWND wizard = memo.waitForDialog("新規作成ウィザード"_sj);
  ASSERT_NE(wizard, nullptr);
  SetDlgItemTextW(wizard, IDC_WIZ_FILENAME, base::wide(memo.path("memo.ntd")).c_str());
  click(wizard, IDC_WIZ_NEXT);
  ASSERT_TRUE(test::waitUntil([&] { return IsWindowEnabled(GetDlgItem(wizard, IDC_WIZ_PREVIOUS)) != 0; }));
  click(wizard, IDC_WIZ_NEXT);
  HWND question = boxShowing("ファイルのリード"_sj, "既存のファイルを読み込みますか？"_sj);
  ASSERT_NE(question, nullptr) << memo.state(kTitle);
  click(question, IDNO);
  const std::string aside = memo.path("memo_旧\\"_sj);
  HWND told = boxShowing("ファイルのリード"_sj, aside);
  ASSERT_NE(told, nullptr) << memo.state(kTitle);
  click(told, IDOK);
  ASSERT_TRUE(test::waitUntil([&] { return tabNames(main) == std::vector<std::string>{"Welcome"}; }));
  EXPECT_EQ(base::readFile(aside + "memo.ntd"), old);
  memo.close(kTitle);
}

TEST_F(MemoRescue, ADamagedDocumentIsToldShownFromACopyAndTypedTextGoesThere) {
  const std::string damaged = typeIIDocument("A/*!/alpha\\CrLf%\r\nB/*!/beta\\CrLf%\r\n").substr(0, 100);
  memo.writeFile("memo.ntd", damaged);
  setMemoFile(memo.path("memo.ntd"));
  ASSERT_TRUE(memo.start());
  const std::string copy = memo.path("memo_復旧.ntd"_sj);
  HWND box = boxShowing(kAppTitle, copy);
  ASSERT_NE(box, nullptr) << memo.state(kTitle);
  EXPECT_TRUE(test::dialogShows(box, "読み込めませんでした"_sj));
  // Left open past a few ticks of the save timer: nothing asks about the file being replaced.
  EXPECT_FALSE(test::waitUntil([] { return !test::windowsTitled("再読み込みの確認"_sj).empty(); }, 7000));
  click(box, IDOK);
  HWND main = memo.waitForWindow(kTitle);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(test::waitUntil([&] { return tabNames(main) == std::vector<std::string>{"A", "B"}; }));
  typeAtStart(editorOf(main), L"typed");
  memo.close(kTitle);
  EXPECT_EQ(base::readFile(memo.path("memo.ntd")), damaged);
  EXPECT_NE(base::readFile(copy).value_or("").find("A/*!/typedalpha"), std::string::npos);
  EXPECT_FALSE(base::fileExists(memo.path("memo_復旧2.ntd"_sj)));
}

TEST_F(MemoRescue, CancelInTheWizardForARenamedDocumentWritesTheTypedTextToANamedFile) {
  HWND main = startOn(memo, "memo.ntd", typeIIDocument("A/*!/alpha\\CrLf%\r\n"));
  ASSERT_NE(main, nullptr);
  // The outside change is looked for while the program is in front; renamed before the typing, so
  // that no save reaches it whenever the save timer runs.
  ASSERT_TRUE(test::waitUntil([&] { return tabNames(main) == std::vector<std::string>{"A"}; }));
  SetForegroundWindow(main);
  ASSERT_TRUE(test::waitUntil([&] { return GetForegroundWindow() == main; }));
  ASSERT_TRUE(MoveFileW(base::wide(memo.path("memo.ntd")).c_str(), base::wide(memo.path("moved.ntd")).c_str()));
  typeAtStart(editorOf(main), L"typed");
  HWND question = boxShowing("再読み込みの確認"_sj, "再読み込みしますか？"_sj);
  ASSERT_NE(question, nullptr) << memo.state(kTitle);
  click(question, IDYES);
  HWND wizard = memo.waitForDialog("新規作成ウィザード"_sj);
  ASSERT_NE(wizard, nullptr);
  click(wizard, IDCANCEL);
  const std::string rescued = memo.path("memo_救出.txt"_sj);
  HWND told = boxShowing(kAppTitle, rescued);
  ASSERT_NE(told, nullptr) << memo.state(kTitle);
  click(told, IDOK);
  EXPECT_TRUE(memo.waitExit(15000));
  EXPECT_EQ(base::readFile(rescued).value_or("").substr(0, 10), "typedalpha");
}

}  // namespace
