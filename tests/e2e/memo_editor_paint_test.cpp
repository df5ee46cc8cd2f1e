// The real memo program keeps its text on the screen: the tab control around the editor never
// paints over it.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "base/text.h"
#include "memo/chrome/commands.h"
#include "support/e2e.h"
#include "support/memo_e2e.h"

namespace {

using namespace memoe2e;

// Dark pixels in the editor's client area as the screen shows it: its black text.
int darkPixels(HWND editor) {
  RECT r{};
  GetClientRect(editor, &r);
  MapWindowPoints(editor, nullptr, reinterpret_cast<POINT*>(&r), 2);
  const std::vector<uint32_t> pixels = test::screenPixels(r);
  return static_cast<int>(std::count_if(pixels.begin(), pixels.end(), [](uint32_t p) {
    return ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 3 * 96;
  }));
}

LONG editorTop(HWND editor) {
  RECT r{};
  GetWindowRect(editor, &r);
  return r.top;
}

TEST(MemoEditorPaint, TheTextStillShowsAfterTheToolBarIsToggledTwiceAndTheTabsPaintAgain) {
  test::ProgramRun memo("Memo.exe");
  const std::string line = "■■■■■■■■■■■■■■■■■■■■\\CrLf%"_sj;
  HWND main = startOn(memo, "memo.ntd", typeIIDocument("メモ/*!/"_sj + line + line + line + line + "\r\n"));
  ASSERT_NE(main, nullptr);
  HWND editor = editorOf(main);
  ASSERT_TRUE(test::waitUntil([&] { return darkPixels(editor) > 500; })) << darkPixels(editor);
  const int shown = darkPixels(editor);
  const LONG top = editorTop(editor);
  PostMessageW(main, WM_COMMAND, memo::mnuShowToolBar, 0);
  ASSERT_TRUE(test::waitUntil([&] { return editorTop(editor) != top; }));
  const LONG toggled = editorTop(editor);
  PostMessageW(main, WM_COMMAND, memo::mnuShowToolBar, 0);
  ASSERT_TRUE(test::waitUntil([&] { return editorTop(editor) != toggled; })) << top << " " << toggled;
  // And the tab strip paints itself again, as it does when the mouse moves over a tab.
  RedrawWindow(tabsOf(main), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_TRUE(test::waitUntil([&] { return darkPixels(editor) >= shown * 9 / 10; }, 3000))
      << darkPixels(editor) << " dark pixels of " << shown << "; "
      << test::captureWindow(main, "memo-editor-paint.png");
  memo.close(kTitle);
}

}  // namespace
