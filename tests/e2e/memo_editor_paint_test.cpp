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

// The editor's client area as the screen shows it: its dark (text) pixels, and whether the rest is
// its light background (before the window is first painted the screen there is black).
struct Ink {
  int dark = 0;
  bool onBackground = false;
};
Ink inkOf(HWND editor) {
  RECT r{};
  GetClientRect(editor, &r);
  MapWindowPoints(editor, nullptr, reinterpret_cast<POINT*>(&r), 2);
  const std::vector<uint32_t> pixels = test::screenPixels(r);
  Ink ink;
  int light = 0;
  for (uint32_t p : pixels) {
    const int sum = static_cast<int>(((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF));
    ink.dark += sum < 3 * 96;
    light += sum > 3 * 224;
  }
  ink.onBackground = light > static_cast<int>(pixels.size()) / 2;
  return ink;
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
  // The text as first shown, once two looks in a row agree (the window may still be painting).
  int shown = -1;
  ASSERT_TRUE(test::waitUntil([&] {
    const Ink ink = inkOf(editor);
    const bool settled = ink.onBackground && ink.dark > 500 && ink.dark == shown;
    shown = ink.dark;
    return settled;
  })) << shown;
  const LONG top = editorTop(editor);
  PostMessageW(main, WM_COMMAND, memo::mnuShowToolBar, 0);
  ASSERT_TRUE(test::waitUntil([&] { return editorTop(editor) != top; }));
  const LONG toggled = editorTop(editor);
  PostMessageW(main, WM_COMMAND, memo::mnuShowToolBar, 0);
  ASSERT_TRUE(test::waitUntil([&] { return editorTop(editor) != toggled; })) << top << " " << toggled;
  // And the tab strip paints itself again, as it does when the mouse moves over a tab.
  RedrawWindow(tabsOf(main), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_TRUE(test::waitUntil([&] {
    const Ink ink = inkOf(editor);
    return ink.onBackground && ink.dark >= shown * 9 / 10;
  })) << inkOf(editor).dark
      << " dark pixels of " << shown << "; " << test::captureWindow(main, "memo-editor-paint.png");
  memo.close(kTitle);
}

}  // namespace
