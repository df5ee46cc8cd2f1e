#include "memo/dialogs/new_wizard_rules.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <deque>

#include "base/files.h"
#include "base/text.h"
#include "support/temp_folder.h"
#include "unit/memo/dialogs/scripted_wizard_host.h"

using namespace memo;
using memotest::ScriptedHost;

namespace {

TEST(NewWizardRules, ExtensionIsAlwaysNtd) {
  EXPECT_EQ(withMemoExtension("C:\\a\\notes"), "C:\\a\\notes.ntd");
  EXPECT_EQ(withMemoExtension("C:\\a\\notes.txt"), "C:\\a\\notes.ntd");
  EXPECT_EQ(withMemoExtension("C:\\a\\notes.NTD"), "C:\\a\\notes.ntd");
  EXPECT_EQ(withMemoExtension("C:\\my.folder\\notes"), "C:\\my.folder\\notes.ntd");
  EXPECT_EQ(withMemoExtension("C:\\a\\x.y.txt"), "C:\\a\\x.y.ntd");
}

TEST(NewWizardRules, QuestionsFollowTheFacts) {
  using Q = WizardQuestion;
  EXPECT_TRUE(wizardQuestions("", false, {}).empty());
  EXPECT_EQ(wizardQuestions("C:\\a\\n", false, {false, false}), std::vector<Q>{Q::CreateFolder});
  EXPECT_TRUE(wizardQuestions("C:\\a\\n", false, {true, true}).empty());  // page 1 never asks about the file
  EXPECT_EQ(wizardQuestions("C:\\a\\n", true, {true, true}), std::vector<Q>{Q::ReadExisting});
}

TEST(NewWizardRules, PlanForEachPage) {
  auto plan = planWizardNext("", false, {}, {});
  EXPECT_TRUE(plan.emptyPath);
  EXPECT_EQ(plan.outcome, WizardOutcome::Stay);

  plan = planWizardNext("C:\\new\\deep\\notes.txt", false, {false, false}, {true, true});
  EXPECT_EQ(plan.folderToCreate, std::optional<std::string>("C:\\new\\deep\\"));
  EXPECT_EQ(plan.outcome, WizardOutcome::ShowPage2);
  EXPECT_EQ(plan.path, "C:\\new\\deep\\notes.ntd");

  plan = planWizardNext("C:\\new\\notes.ntd", false, {false, false}, {false, true});
  EXPECT_FALSE(plan.folderToCreate);
  EXPECT_EQ(plan.outcome, WizardOutcome::ShowPage2);

  plan = planWizardNext("C:\\a\\notes.ntd", true, {true, true}, {false, false});
  EXPECT_EQ(plan.fileToSetAside, "C:\\a\\notes.ntd");
  EXPECT_EQ(plan.outcome, WizardOutcome::CloseWithOk);
  plan = planWizardNext("C:\\a\\notes.ntd", true, {true, true}, {false, true});
  EXPECT_EQ(plan.fileToSetAside, "");
}

class NewWizard : public ::testing::Test {
 protected:
  test::TempFolder dir;
  ScriptedHost host;
  NewWizardState w;
};

TEST_F(NewWizard, EmptyPathStays) {
  EXPECT_FALSE(w.btnNextClick(host));
  EXPECT_EQ(host.errors, std::vector<std::string>{"未指定|ファイルを指定して下さい"_sj});
  EXPECT_FALSE(w.OnPage2());
  EXPECT_FALSE(w.Result());
}

TEST_F(NewWizard, NotesInAnExistingFolderBecomesNotesNtd) {
  w.FileName = dir.file("notes");
  EXPECT_FALSE(w.btnNextClick(host));
  EXPECT_TRUE(w.OnPage2());
  EXPECT_TRUE(w.PreviousEnabled());
  EXPECT_EQ(w.FileName, dir.file("notes.ntd"));
  EXPECT_TRUE(host.asked.empty());
  w.TypeII = false;
  EXPECT_TRUE(w.btnNextClick(host));
  auto result = w.Result();
  ASSERT_TRUE(result);
  EXPECT_EQ(result->path, dir.file("notes.ntd"));
  EXPECT_FALSE(result->typeII);
  EXPECT_FALSE(base::fileExists(dir.file("notes.ntd")));  // the wizard creates no document
}

TEST_F(NewWizard, CreatesNestedFoldersWhenAllowed) {
  w.FileName = dir.file("a\\b\\c\\memo.txt");
  host.answers = {true};
  EXPECT_FALSE(w.btnNextClick(host));
  EXPECT_EQ(host.asked, std::vector<std::string>{"フォルダの作成"_sj});
  EXPECT_TRUE(base::folderExists(dir.file("a\\b\\c")));
  EXPECT_EQ(w.FileName, dir.file("a\\b\\c\\memo.ntd"));
  EXPECT_TRUE(w.OnPage2());
}

TEST_F(NewWizard, ADeclinedFolderIsNotCreatedAndAskedAgain) {
  w.FileName = dir.file("x\\memo");
  host.answers = {false, false};
  EXPECT_FALSE(w.btnNextClick(host));
  EXPECT_FALSE(base::folderExists(dir.file("x")));
  EXPECT_TRUE(w.OnPage2());
  // Back to page 1 and forward again repeats the folder check.
  w.btnPreviousClick();
  EXPECT_FALSE(w.OnPage2());
  EXPECT_FALSE(w.btnNextClick(host));
  EXPECT_EQ(host.asked.size(), 2u);
}

TEST_F(NewWizard, AFolderThatCannotBeMadeKeepsThePage) {
  ASSERT_TRUE(base::writeFileAtomic(dir.file("blocker"), "a file, not a folder"));
  w.FileName = dir.file("blocker\\sub\\memo");
  host.answers = {true};
  EXPECT_FALSE(w.btnNextClick(host));
  EXPECT_EQ(host.errors.size(), 1u);
  EXPECT_FALSE(w.OnPage2());
  EXPECT_EQ(w.FileName, dir.file("blocker\\sub\\memo"));
}

TEST_F(NewWizard, AnExistingFileIsKeptOnYesMovedAsideOnNo) {
  ASSERT_TRUE(base::writeFileAtomic(dir.file("memo.ntd"), "old"));
  w.FileName = dir.file("memo.ntd");
  EXPECT_FALSE(w.btnNextClick(host));
  host.answers = {true};
  EXPECT_TRUE(w.btnNextClick(host));
  EXPECT_EQ(host.asked, std::vector<std::string>{"ファイルのリード"_sj});
  EXPECT_TRUE(base::fileExists(dir.file("memo.ntd")));

  NewWizardState again;
  again.FileName = dir.file("memo.txt");
  EXPECT_FALSE(again.btnNextClick(host));
  host.answers = {false};
  EXPECT_TRUE(again.btnNextClick(host));
  EXPECT_FALSE(base::fileExists(dir.file("memo.ntd")));
  EXPECT_TRUE(again.Result()->typeII);
  // Moved aside, never deleted, and the user is told where; a second one never replaces the first.
  EXPECT_EQ(base::readFile(dir.file("memo_旧\\memo.ntd"_sj)), "old");
  EXPECT_EQ(host.infos,
            std::vector<std::string>{"ファイルのリード|"_sj + wizardSetAsideText(dir.file("memo_旧\\"_sj))});
  ASSERT_TRUE(base::writeFileAtomic(dir.file("memo.ntd"), "newer"));
  NewWizardState third;
  third.FileName = dir.file("memo.ntd");
  EXPECT_FALSE(third.btnNextClick(host));
  host.answers = {false};
  EXPECT_TRUE(third.btnNextClick(host));
  EXPECT_EQ(base::readFile(dir.file("memo_旧\\memo.ntd"_sj)), "old");
  EXPECT_EQ(base::readFile(dir.file("memo_旧2\\memo.ntd"_sj)), "newer");
}

TEST_F(NewWizard, AMoveAsideThatFailsNamesTheFileAndLeavesTheDocument) {
  ASSERT_TRUE(base::writeFileAtomic(dir.file("a.txt"), "alpha"));
  ASSERT_TRUE(base::writeFileAtomic(dir.file("memo.ntd"), "[Tavelo Document Type III]\r\n;c\r\nA=a.txt\r\n"));
  // Another program holds the tab file without sharing.
  HANDLE held = CreateFileW(base::wide(dir.file("a.txt")).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  w.FileName = dir.file("memo.ntd");
  EXPECT_FALSE(w.btnNextClick(host));
  host.answers = {false};
  EXPECT_FALSE(w.btnNextClick(host));
  CloseHandle(held);
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_EQ(
      host.errors[0].rfind("ファイルのリード|次のファイルを移せませんでした -> "_sj + dir.file("a.txt") + "\r\n", 0),
      0u)
      << host.errors[0];
  EXPECT_TRUE(host.errors[0].ends_with("\r\n\r\n既存のメモファイルは元のまま残してあります"_sj)) << host.errors[0];
  EXPECT_EQ(base::readFile(dir.file("a.txt")), "alpha");
  EXPECT_TRUE(base::fileExists(dir.file("memo.ntd")));
}

TEST_F(NewWizard, CancelOnEitherPageGivesNoDocument) {
  w.FileName = dir.file("memo");
  w.Cancel();
  EXPECT_TRUE(w.Closed());
  EXPECT_FALSE(w.Result());
  NewWizardState second;
  second.FileName = dir.file("memo");
  EXPECT_FALSE(second.btnNextClick(host));
  second.Cancel();
  EXPECT_FALSE(second.Result());
}

TEST_F(NewWizard, BrowseTakesTheChosenPath) {
  w.FileName = "typed";
  w.Button1Click(host);
  EXPECT_EQ(w.FileName, "typed");
  host.chosen = dir.file("picked.ntd");
  w.Button1Click(host);
  EXPECT_EQ(w.FileName, dir.file("picked.ntd"));
}

}  // namespace
