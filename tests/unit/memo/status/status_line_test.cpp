// The status line on a status bar and an editor of its own: the caret line, and a timed text that
// stays until its timer ends.
#include "memo/status/status_line.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "base/text.h"
#include "memo/editor/rich_edit.h"
#include "ui/controls.h"

namespace {

struct Parent : ui::ControlHost {
  Parent() { hwnd = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr); }
  ~Parent() override { DestroyWindow(hwnd); }
  HWND hostHandle() const override { return hwnd; }
  HWND hwnd;
};

class StatusLineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(editor.create(parent.hwnd, 2));
    MoveWindow(editor.handle(), 0, 0, 400, 200, FALSE);  // no line wraps
    ui::ControlArgs args;
    args.style = WS_CHILD | WS_VISIBLE;
    args.className = STATUSCLASSNAMEW;
    ASSERT_TRUE(bar.create(args));
    bar.send(SB_SIMPLE, TRUE);
  }
  void TearDown() override { DestroyWindow(editor.handle()); }

  Parent parent;
  ui::Control bar{&parent, 1};
  memo::RichEdit editor;
  bool clock = false;
  memo::StatusLine line{bar, editor, {[this] { return clock; }, [] { return false; }}};
};

TEST_F(StatusLineTest, TheCaretLineCountsLinesAndBytesRightAlignedInThreePlaces) {
  editor.setText("abc\r\n日本語xyz\r\n"_sj);
  editor.setSelection(0, 0);
  line.ShowCaretPosition();
  EXPECT_EQ(line.StatusText(), "[  1:   1] Tockleは起動していません"_sj);
  // Line 2 after three double-byte characters: column 7.
  editor.setSelection(5 + 6, 0);
  line.ShowCaretPosition();
  EXPECT_EQ(line.StatusText(), "[  2:   7] Tockleは起動していません"_sj);
  // A selection into the next line shows where it starts.
  editor.setSelection(1, 8);
  line.ShowCaretPosition();
  EXPECT_EQ(line.StatusText(), "[  1:   2] Tockleは起動していません"_sj);
  // After an edit the column is read from the control.
  editor.setSelection(5, 0);
  editor.replaceSelection("あ"_sj);
  editor.setSelection(5 + 2 + 6, 0);
  clock = true;
  line.ShowCaretPosition();
  EXPECT_EQ(line.StatusText(), "[  2:   9] Tockleと連携可能です"_sj);
}

TEST_F(StatusLineTest, ATimedTextStaysUntilItsTimerEnds) {
  line.ShowStatusMessage("x");
  line.ShowCaretPosition();
  EXPECT_EQ(line.StatusText(), "x");
  line.tmrMessageTimer();
  EXPECT_EQ(line.StatusText(), "[  1:   1] Tockleは起動していません"_sj);
}

}  // namespace
