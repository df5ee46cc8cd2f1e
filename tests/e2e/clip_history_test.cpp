// The real clock's clipboard history window, opened by command 4 on the left button: one window
// however often, edits written back record for record, Copy without a question, Clear.
#include <gtest/gtest.h>
#include <windows.h>

#include "base/datetime.h"
#include "base/files.h"
#include "base/text.h"
#include "clock/clipboard/clip_form_ids.h"
#include "shared/history_file.h"
#include "shared/registry.h"
#include "support/caption_fit.h"
#include "support/e2e.h"
#include "support/keys.h"

namespace {

const std::string kTitle = "Tockle 3 for Windows 9x/NT by Ruxel";
const std::string kKey = "Software\\Quorvane\\Tockle3";

// The bytes a history file of these records (newest first) holds.
std::string historyBytes(const std::vector<shared::THistoryRecord>& records) {
  test::TempFolder temp;
  shared::TKzHistoryFile(temp.file("h")).SaveRecords(records);
  return base::readFile(temp.file("h")).value_or("");
}

class ClipHistory : public testing::Test {
 protected:
  void SetUp() override {
    test::deleteUserKey(kKey);
    test::keepClockClearOfTray();
  }
  void TearDown() override { test::deleteUserKey(kKey); }
  test::ProgramRun clock{"Tockle.exe"};
};

TEST_F(ClipHistory, CommandFourOpensOneWindowWhoseEditsReachTheFile) {
  const std::string title = "クリップボード履歴 - Tockle 3"_sj;
  const double now = base::now();
  const std::vector<shared::THistoryRecord> records = {
      {now - 0.001, "三番目 third"_sj}, {now - 0.25, "second\r\nline"}, {now - 0.5, "first"}};
  shared::TKzHistoryFile(clock.path("_history3")).SaveRecords(records);
  {
    shared::TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    reg.WriteInteger("MouseOperation0", 4);
  }
  ASSERT_TRUE(clock.start());
  HWND main = clock.waitForWindow(kTitle);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(test::waitUntil([&] { return IsWindowVisible(main) != 0; }));
  RECT r;
  GetWindowRect(main, &r);
  test::leftClick(r.left + 10, r.top + 10);
  HWND window = clock.waitForWindow(title);
  ASSERT_NE(window, nullptr);
  test::leftClick(r.left + 10, r.top + 10);
  test::leftClick(r.left + 10, r.top + 10);
  test::captureWindow(window, "clip_history.png");
  // The running window, filled, beside the templates' pictures.
  test::captureDialog(window, "Tockle-history-window");
  EXPECT_EQ(test::windowsTitled(title).size(), 1u);
  auto click = [&](int id) { SendMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0); };

  // The newest row down one place, then Apply: the same records in the new order, their times
  // in whole seconds as every rewrite keeps them.
  // A click on the first row, just below the column headers.
  HWND list = GetDlgItem(window, IDC_CLIP_LIST);
  RECT header{};
  GetWindowRect(GetWindow(list, GW_CHILD), &header);
  test::leftClick(header.left + 20, header.bottom + 6);
  // Down acts once the click has selected the row: Apply is then on.
  ASSERT_TRUE(test::waitUntil([&] {
    click(IDC_CLIP_DOWN);
    return IsWindowEnabled(GetDlgItem(window, IDC_CLIP_APPLY)) != 0;
  }));
  click(IDC_CLIP_APPLY);
  EXPECT_TRUE(test::waitUntil([&] {
    std::vector<shared::THistoryRecord> moved = {records[1], records[0], records[2]};
    for (auto& m : moved) m.Time = shared::TKzHistoryFile::WholeSeconds(m.Time);
    return base::readFile(clock.path("_history3")) == historyBytes(moved);
  }));

  // Copy: the row becomes the newest, and no question about edits comes up.
  click(IDC_CLIP_COPY);
  EXPECT_TRUE(test::waitUntil([&] {
    // The clock holds the file while it records the copy: read it once it is free.
    try {
      auto now = shared::TKzHistoryFile(clock.path("_history3")).LoadRecords();
      return now.size() == 3 && now.front().Text == records[0].Text;
    } catch (const std::exception&) {
      return false;
    }
  }));
  EXPECT_EQ(test::findWindow("履歴更新の確認"_sj), nullptr);

  // Clear, confirmed, then Apply: an empty history.
  PostMessageW(GetDlgItem(window, IDC_CLIP_CLEAR), BM_CLICK, 0, 0);
  HWND box = clock.waitForWindow("クリアの確認"_sj);
  ASSERT_NE(box, nullptr);
  PostMessageW(GetDlgItem(box, IDYES), BM_CLICK, 0, 0);
  ASSERT_TRUE(test::waitUntil([&] { return !IsWindow(box); }));
  click(IDC_CLIP_APPLY);
  EXPECT_TRUE(test::waitUntil([&] { return base::readFile(clock.path("_history3")) == std::string(); }));
  click(IDOK);
  EXPECT_TRUE(test::waitUntil([&] { return test::findWindow(title) == nullptr; }));
  clock.close(kTitle);
}

}  // namespace
