// A damaged document is opened through a copy of what could be read, and text with no document
// left is written to a file of its own before the program ends: each named to the user.
#include "memo/chrome/commands.h"
#include "memo/document/damaged_document.h"
#include "ui/timer.h"
#include "unit/memo/document/tab_session_fixture.h"

namespace {

using memotest::storedTab;
using memotest::storedTabs;
using Names = std::vector<std::string>;

class Rescue : public memotest::TabSessionTest {};

TEST_F(Rescue, ADamagedDocumentOpensAsACopyAndTypedTextGoesThere) {
  const std::string damaged =
      "<!--Tavelo Document Type II-->\r\n<!--c-->\r\n<!--Begin Document-->\r\n"
      "A/*!/a\\CrLf%\r\nB/*!/b\\CrLf%\r\n";
  write("memo.ntd", damaged);
  open("A");
  const std::string copy = dir.file("memo_復旧.ntd"_sj);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("読み込めませんでした"_sj), std::string::npos) << boxes[0];
  EXPECT_NE(boxes[0].find(copy), std::string::npos) << boxes[0];
  EXPECT_EQ(settings.MemoFile, copy);
  EXPECT_EQ(stripNames(), (Names{"A", "B"}));
  EXPECT_EQ(editor.text(), "a\r\n");
  type("x");
  ASSERT_TRUE(session->tbcMemoChanging());  // the autosave's step
  EXPECT_EQ(storedTab(copy, "A"), "xa\r\n");
  EXPECT_EQ(read("memo.ntd"), damaged);
  // Opened again, it is copied again beside the first copy, never over it.
  open();
  EXPECT_EQ(settings.MemoFile, dir.file("memo_復旧2.ntd"_sj));
  EXPECT_EQ(storedTab(copy, "A"), "xa\r\n");
}

TEST_F(Rescue, CancelInTheWizardForAVanishedDocumentWritesTheTypedTextFirst) {
  openTypeII("A/*!/a\\CrLf%\r\n", "A");
  type("typed");
  ASSERT_TRUE(MoveFileW(base::wide(dir.file("memo.ntd")).c_str(), base::wide(dir.file("moved.ntd")).c_str()));
  ui::Timer user(30, true);
  user.onTimer = [&] {
    if (HWND wizard = FindWindowW(nullptr, base::wide("新規作成ウィザード"_sj).c_str()))
      SendMessageW(GetDlgItem(wizard, IDCANCEL), BM_CLICK, 0, 0);
  };
  commands.run(memo::mnuReload);
  user.setEnabled(false);
  EXPECT_TRUE(ui::Application::instance().terminated());
  const std::string rescued = dir.file("memo_救出.txt"_sj);
  EXPECT_EQ(read("memo_救出.txt"_sj), "typeda\r\n");
  ASSERT_FALSE(boxes.empty());
  EXPECT_NE(boxes.back().find(rescued), std::string::npos) << boxes.back();
  EXPECT_FALSE(editor.modified());
}

}  // namespace

namespace {

TEST_F(Rescue, AtTheEndAnEditTheDocumentRefusesGoesIntoAFileBesideIt) {
  openTypeII("A/*!/a\\CrLf%\r\n", "A");
  type("x");
  ASSERT_TRUE(SetFileAttributesW(base::wide(dir.file("memo.ntd")).c_str(), FILE_ATTRIBUTE_READONLY));
  session->writeOnExit();
  SetFileAttributesW(base::wide(dir.file("memo.ntd")).c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(read("memo_救出.txt"_sj), "xa\r\n");
  EXPECT_EQ(documentTab("A"), "a\r\n");
}

}  // namespace
