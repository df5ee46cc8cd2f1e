// The memo window's save timer, outside changes, restore and the status line's wiring,
// in-process (the autosave's own rules: unit/memo/document/document_watch_test.cpp).
#include <gtest/gtest.h>

#include "base/files.h"
#include "base/handles.h"
#include "base/text.h"
#include "memo/chrome/commands.h"
#include "support/wait.h"
#include "unit/memo/main_form_fixture.h"

namespace {

using memotest::MainFormTest;

const std::string kDoc = "メモ/*!/abc\\CrLf%\r\n"_sj;

// The document changed by another program: its time moves on by a day.
void writeOutside(const std::string& path, const std::string& bytes) {
  ASSERT_TRUE(base::writeFileAtomic(path, bytes));
  base::FileHandle f(CreateFileW(base::wide(path).c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, 0, nullptr));
  FILETIME ft;
  GetSystemTimeAsFileTime(&ft);
  ULARGE_INTEGER t{{ft.dwLowDateTime, ft.dwHighDateTime}};
  t.QuadPart += 24ULL * 3600 * 10000000ULL;
  ft = FILETIME{t.LowPart, t.HighPart};
  ASSERT_TRUE(SetFileTime(f.get(), nullptr, nullptr, &ft));
}

class StatusTest : public MainFormTest {
 protected:
  void startOn(const std::string& tabs) {
    write("memo.ntd", typeII(tabs));
    start(dir.file("memo.ntd"));
    SetForegroundWindow(form->handle());
    form->tmrMessageTimer();  // the timed texts of the start are over
  }
};

// Every tick saves the shown tab's edit (no composition is pending in a test).
TEST_F(StatusTest, TheSaveTimerSavesTheShownTab) {
  startOn(kDoc);
  form->rceMemo.setText("入力中"_sj);
  form->rceMemo.setModified(true);
  form->tmrSaveTimer();
  EXPECT_FALSE(form->rceMemo.modified());
  EXPECT_EQ(documentTab("memo.ntd", "メモ"_sj), "入力中\r\n"_sj);
  EXPECT_EQ(form->StatusText(), "自動保存しました -> "_sj + dir.file("memo.ntd"));
}

struct Reload {
  const char* name;
  uint8_t option;
  bool modified;
  int answer;
  bool asked;
  bool reloaded;
};

class ReloadTest : public StatusTest, public testing::WithParamInterface<Reload> {};

TEST_P(ReloadTest, AnOutsideChangeIsHandledByTheReloadOption) {
  const Reload& r = GetParam();
  startOn(kDoc);
  form->Settings.ReloadOption = r.option;
  if (r.modified) {
    form->rceMemo.setText("mine");
    form->rceMemo.setModified(true);
  }
  writeOutside(dir.file("memo.ntd"), typeII("メモ/*!/theirs\\CrLf%\r\n"_sj));
  answers.push_back(r.answer);
  // While the question is open, the timer goes on but neither asks again nor saves.
  service.answer = [this](const test::FakePrompts::Box& box) {
    boxes.push_back(box.caption + "|" + box.text);
    form->tmrSaveTimer();
    EXPECT_EQ(documentTab("memo.ntd", "メモ"_sj), "theirs\r\n");
    return answers.front();
  };
  form->tmrSaveTimer();
  ASSERT_EQ(boxes.size(), r.asked ? 1u : 0u);
  if (r.asked) {
    EXPECT_EQ(boxes[0].substr(0, boxes[0].find("\r\n")), "再読み込みの確認|メモファイルが外部で更新されました"_sj);
    EXPECT_EQ(boxes[0].find("保存していない変更は失われます"_sj) != std::string::npos, r.modified) << boxes[0];
  }
  EXPECT_EQ(form->rceMemo.text(), r.reloaded ? "theirs\r\n" : r.modified ? "mine" : "abc\r\n");
  // The same change is not reported again.
  form->tmrSaveTimer();
  EXPECT_EQ(boxes.size(), r.asked ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Options, ReloadTest,
                         testing::Values(Reload{"NeverNoticed", 0, false, IDYES, false, false},
                                         Reload{"AskedYes", 1, false, IDYES, true, true},
                                         Reload{"AskedNo", 1, false, IDNO, true, false},
                                         Reload{"AnAskedEditIsSaidToBeLost", 1, true, IDNO, true, false},
                                         Reload{"ReloadedSilently", 2, false, IDYES, false, true},
                                         Reload{"AnEditIsNeverThrownAwayUnasked", 2, true, IDNO, true, false},
                                         Reload{"AnEditGoesOnlyOnYes", 2, true, IDYES, true, true}),
                         [](const auto& info) { return info.param.name; });

// A document opened under a box (here a damaged one, whose copy replaces it): the save timer's
// ticks under the box neither ask about the file being replaced nor save; afterwards it watches
// the copy as it is.
TEST_F(StatusTest, TheSaveTimerWaitsWhileADocumentIsOpenedUnderABox) {
  startOn(kDoc);
  form->Settings.ReloadOption = 1;
  writeOutside(dir.file("memo.ntd"),
               "<!--Tavelo Document Type II-->\r\n<!--c-->\r\n<!--Begin Document-->\r\n"
               "メモ/*!/damaged\\CrLf%\r\n"_sj);
  service.answer = [this](const test::FakePrompts::Box& box) {
    boxes.push_back(box.caption + "|" + box.text);
    for (int tick = 0; tick < 3; ++tick) form->tmrSaveTimer();
    return IDYES;
  };
  SendMessageW(form->handle(), WM_COMMAND, MAKEWPARAM(memo::mnuReload, 0), 0);
  form->tmrSaveTimer();
  ASSERT_EQ(boxes.size(), 1u) << boxes.back();
  EXPECT_NE(boxes[0].find("メモファイルを読み込めませんでした"_sj), std::string::npos) << boxes[0];
  EXPECT_EQ(form->Settings.MemoFile, dir.file("memo_復旧.ntd"_sj));
  EXPECT_FALSE(base::fileExists(dir.file("memo_復旧2.ntd"_sj)));
  EXPECT_EQ(form->rceMemo.text(), "damaged\r\n");
}

class ReloadKeyTest : public StatusTest, public testing::WithParamInterface<Reload> {};

// The reload key reads the document again at once, unless an edit not yet saved (typed since the
// last autosave) would go: that is asked, whatever the option.
TEST_P(ReloadKeyTest, TheReloadKeyAsksBeforeAnEditIsThrownAway) {
  const Reload& r = GetParam();
  startOn(kDoc);
  form->Settings.ReloadOption = r.option;
  form->rceMemo.setText("mine");
  form->rceMemo.setModified(r.modified);
  answers.push_back(r.answer);
  SendMessageW(form->handle(), WM_COMMAND, MAKEWPARAM(memo::mnuReload, 0), 0);
  ASSERT_EQ(boxes.size(), r.asked ? 1u : 0u);
  if (r.asked) {
    EXPECT_EQ(
        boxes[0],
        "再読み込みの確認|メモファイルを再読み込みしますか？\r\n(表示中のタブの保存していない変更は失われます)"_sj);
  }
  EXPECT_EQ(form->rceMemo.text(), r.reloaded ? "abc\r\n" : "mine");
}

INSTANTIATE_TEST_SUITE_P(Options, ReloadKeyTest,
                         testing::Values(Reload{"Unmodified", 1, false, IDNO, false, true},
                                         Reload{"AskedAndKept", 1, true, IDNO, true, false},
                                         Reload{"AskedAndReloaded", 1, true, IDYES, true, true},
                                         Reload{"AskedUnderOption2", 2, true, IDNO, true, false}),
                         [](const auto& info) { return info.param.name; });

TEST_F(StatusTest, RestoreAsksThenPutsTheBackupBack) {
  startOn(kDoc);
  ASSERT_TRUE(form->ExecuteCommand(memo::mnuUpdateBackup));
  form->rceMemo.setText("later");
  form->rceMemo.setModified(true);
  form->tmrSaveTimer();
  answers = {IDNO, IDYES};
  ASSERT_TRUE(form->ExecuteCommand(memo::mnuRestore));
  EXPECT_EQ(boxes.back(), "復元の確認|前回バックアップ時からの内容が失われます\r\n復元してよろしいですか？"_sj);
  EXPECT_EQ(documentTab("memo.ntd", "メモ"_sj), "later\r\n");
  form->ExecuteCommand(memo::mnuRestore);
  EXPECT_EQ(documentTab("memo.ntd", "メモ"_sj), "abc\r\n");
  EXPECT_EQ(form->rceMemo.text(), "abc\r\n");
}

TEST_F(StatusTest, HintsShowInTheStatusLineUntilTheyEnd) {
  startOn(kDoc);
  SendMessageW(form->handle(), WM_MENUSELECT, MAKEWPARAM(memo::mnuFind, MF_STRING),
               reinterpret_cast<LPARAM>(form->mainMenu()));
  EXPECT_EQ(form->StatusText(), "全てのタブに対して検索する"_sj);
  SendMessageW(form->handle(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  EXPECT_EQ(form->StatusText(), "[  1:   1] Tockleは起動していません"_sj);
  // So do the font boxes' hints while the mouse is over them.
  form->speFontSize.send(WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(form->StatusText(), "選択箇所のフォントサイズを変更・表示する"_sj);
  // The hint's end gives the line back to the caret at once.
  form->speFontSize.send(WM_MOUSELEAVE);
  EXPECT_EQ(form->StatusText(), "[  1:   1] Tockleは起動していません"_sj);
  // A tool button without a hint of its own shows its caption, without the access key.
  NMTBHOTITEM hot{};
  hot.hdr = {form->ToolBar1.handle(), static_cast<UINT_PTR>(memo::kToolBar1Id), TBN_HOTITEMCHANGE};
  hot.idNew = memo::actUndo;
  SendMessageW(form->handle(), WM_NOTIFY, hot.hdr.idFrom, reinterpret_cast<LPARAM>(&hot));
  EXPECT_EQ(form->StatusText(), "元に戻す"_sj);
}

}  // namespace
