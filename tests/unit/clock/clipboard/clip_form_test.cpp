// The clipboard history window in-process on a history file of its own: rows keep their records,
// Apply writes them back byte for byte (and keeps the file when it cannot), Copy is no edit, and
// the hint is cut on a character boundary.
#include "clock/clipboard/clip_form.h"

#include <gtest/gtest.h>

#include "base/files.h"
#include "base/datetime.h"
#include "base/handles.h"
#include "clock/clipboard/clipboard_area.h"
#include "clock/commands/commands.h"
#include "clock/commands/file_problem_text.h"
#include "base/text.h"
#include "support/e2e.h"
#include "support/fake_common_dialogs.h"
#include "support/fake_prompts.h"
#include "support/wait.h"
#include "support/temp_folder.h"
#include "ui/app.h"
#include "ui/command_table.h"
#include "ui/form.h"

namespace shared {
inline bool operator==(const THistoryRecord& a, const THistoryRecord& b) {
  return a.Time == b.Time && a.Text == b.Text;
}
}  // namespace shared

namespace {

using shared::THistoryRecord;

TEST(ClipHint, TrimmedAndCutOnACharacterBoundary) {
  std::string kana = "あ"_sj;
  struct {
    std::string text, hint;
  } cases[] = {{" \r\nabc\t", "abc"},
               {std::string(1023, 'a') + kana, std::string(1023, 'a')},
               {std::string(1022, 'a') + kana + "b", std::string(1022, 'a') + kana}};
  for (const auto& c : cases) EXPECT_EQ(tockle::clipHint(c.text), c.hint);
}

// The clipboard area alone, recording the clipboard, its history window opened by its command.
class ClipForm : public testing::Test {
 protected:
  void SetUp() override {
    // A clock window closed in an earlier test ended the application's loops.
    ui::Application::instance().resume();
    // Times with fractions no date text shows, and texts no list row shows whole.
    const double now = base::now();
    records = {
        {now - 0.000123456789, "newest\r\n" + std::string(600, 'x')}, {now - 0.5, "middle"}, {now - 1.25, "oldest"}};
    shared::TKzHistoryFile(path()).SaveRecords(records);
    original = *base::readFile(path());
    // Recording, as the clock does: a copy from the window comes back through the capture.
    area.ignoreNext();
    area.setRecording(true);
    area.bindCommands(commands);
    commands.run(tockle::cmdHistory);
    commands.run(tockle::cmdHistory);
    clip = area.historyWindow();
    ASSERT_NE(clip, nullptr);
    // The window's own boxes apart from the area's (owned by the clock window).
    prompts.answer = [this, window = clip->handle()](const test::FakePrompts::Box& box) {
      if (box.owner != window) {
        areaBoxes.push_back(box.text);
        return IDOK;
      }
      captions.push_back(box.caption);
      texts.push_back(box.text);
      return IDYES;
    };
  }
  std::string path() const { return folder.file("_history3"); }
  test::TempFolder folder;
  ui::Form owner;  // the clock window, never created
  tockle::TClockSettings settings;
  test::FakePrompts prompts;
  tockle::ClipboardArea area{owner, folder.path(), settings, {[](bool, bool, const std::string&) {}}};
  ui::CommandTable commands;
  std::vector<THistoryRecord> stored() { return shared::TKzHistoryFile(path()).LoadRecords(); }
  std::vector<THistoryRecord> records;
  std::string original;
  tockle::TfrmClip* clip = nullptr;
  std::vector<std::string> captions, texts, areaBoxes;
};

TEST_F(ClipForm, OneWindowWhoseEditsApplyByteForByte) {
  EXPECT_EQ(test::windowsTitled(tockle::clipWindowTitle()).size(), 1u);
  RECT client{};
  GetClientRect(clip->handle(), &client);
  EXPECT_EQ(client.right * 1000 + client.bottom, 473 * 1000 + 370);
  EXPECT_EQ(area.historyWindow(), clip);
  ASSERT_EQ(clip->lsvClip.count(), 3);
  EXPECT_EQ(clip->lsvClip.itemText(2, 1), "oldest");
  EXPECT_FALSE(clip->btnApply.enabled());
  // Up on the first row changes nothing but is an edit.
  clip->lsvClip.setSelectedIndex(0);
  clip->btnUpItemClick(0);
  EXPECT_TRUE(clip->btnApply.enabled());
  clip->btnUpItemClick(1);
  clip->btnApplyClick();
  EXPECT_FALSE(clip->btnApply.enabled());
  // Written as a rewrite writes them: the times in whole seconds.
  auto whole = [](THistoryRecord r) {
    r.Time = shared::TKzHistoryFile::WholeSeconds(r.Time);
    return r;
  };
  EXPECT_EQ(stored(), (std::vector<THistoryRecord>{whole(records[1]), whole(records[0]), whole(records[2])}));
  EXPECT_EQ(shared::TKzHistoryFile::DateText(stored()[1].Time), shared::TKzHistoryFile::DateText(records[0].Time));
  EXPECT_NE(stored()[1].Time, records[0].Time);
  // While another program holds the file nothing is lost and the edit stays pending.
  clip->btnDeleteClick();
  {
    base::FileHandle hold(CreateFileW(base::wide(path()).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    clip->btnOkClick();
  }
  EXPECT_EQ(captions, std::vector<std::string>{"保存エラー"_sj});
  EXPECT_NE(texts[0].find(path() + " に書き込めません(ほかのプログラムが使用中です)"_sj), std::string::npos)
      << texts[0];
  EXPECT_TRUE(IsWindow(clip->handle()));
  EXPECT_EQ(stored().size(), 3u);
  clip->btnClearClick();
  clip->btnOkClick();
  EXPECT_EQ(base::readFile(path()), "");
  EXPECT_EQ(area.historyWindow(), nullptr);
  // Opened again, a new window takes the closed one's place; the clock's close takes it away.
  commands.run(tockle::cmdHistory);
  ASSERT_NE(area.historyWindow(), nullptr);
  EXPECT_EQ(test::windowsTitled(tockle::clipWindowTitle()).size(), 1u);
  area.closeHistoryWindow();
  EXPECT_EQ(area.historyWindow(), nullptr);
  EXPECT_TRUE(test::windowsTitled(tockle::clipWindowTitle()).empty());
}

TEST_F(ClipForm, AnUnreadableHistoryShowsEmptyAndIsSaidOnceARun) {
  base::FileHandle hold(CreateFileW(base::wide(path()).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  clip->LoadHistory();
  clip->LoadHistory();
  EXPECT_EQ(clip->lsvClip.count(), 0);
  EXPECT_EQ(areaBoxes, std::vector<std::string>{"クリップボード履歴のファイル "_sj + path() +
                                                tockle::fileProblemText(base::FileProblem::Unreadable) +
                                                "\r\n履歴の一覧は空で表示します"_sj});
}

TEST_F(ClipForm, CopyIsNoEditBusyKeepsTheWindowAndTheHintStateOutlivesIt) {
  clip->lsvClip.setSelectedIndex(2);
  clip->btnCopyClick();
  EXPECT_FALSE(clip->btnApply.enabled());
  EXPECT_EQ(clip->lsvClip.selectedIndex(), 0);
  EXPECT_TRUE(test::waitUntil([&] {
    ui::Application::instance().processMessages();
    return !stored().empty() && stored().front().Text == "oldest" && clip->lsvClip.itemText(0, 1) == "oldest";
  }));
  EXPECT_EQ(clip->lsvClip.selectedIndex(), 0);
  EXPECT_EQ(stored().size(), 3u);

  clip->lsvClip.setSelectedIndex(1);
  clip->chkShowAsHint.setChecked(true);
  clip->lsvClipMouseMove();
  EXPECT_EQ(clip->CurrentHint(), tockle::clipHint(records[0].Text));
  clip->SetBusy(true);
  clip->close(IDCANCEL);
  EXPECT_TRUE(IsWindow(clip->handle()));
  clip->SetBusy(false);

  // One entry saved as a text file.
  test::FakeCommonDialogs fake;
  fake.files = {folder.file("saved.txt")};
  clip->lsvClip.setSelectedIndex(2);
  clip->MenuCommand(tockle::mnuClipSave);
  EXPECT_EQ(base::readFile(folder.file("saved.txt")),
            "このアイテムは "_sj + clip->lsvClip.itemText(2, 0) + " に保存されました\r\n\r\nmiddle\r\n"_sj);
  // OK without edits does not touch the file, even while another program holds it.
  clip->chkShowAsHint.setChecked(false);
  base::FileHandle hold(CreateFileW(base::wide(path()).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  clip->btnOkClick();
  EXPECT_TRUE(captions.empty());
  EXPECT_FALSE(IsWindow(clip->handle()));
  EXPECT_FALSE(settings.HistoryHint);
}

}  // namespace
