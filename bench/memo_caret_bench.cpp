// Times the status line's caret text on large texts in the memo's editor: one caret move (the
// caret line read and its text made) beside the old whole-text position map. Prints one line per
// size; the arguments are the sizes in MB (default 1 and 10).
#include <windows.h>

#include <richedit.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "base/text.h"
#include "memo/editor/rich_edit.h"
#include "memo/status/caret_status.h"
#include "timing.h"
#include "ui/app.h"
#include "ui/form.h"

namespace {

constexpr int kMoves = 100;

// About 50 bytes a line of mixed ASCII and Japanese.
std::string memoText(size_t bytes) {
  const std::string japanese = "買い物：牛乳、パン。予定を確認する"_sj;
  std::string out;
  for (int line = 0; out.size() < bytes; ++line) out += std::to_string(line) + " " + japanese + "\r\n";
  return out;
}

}  // namespace

using bench::millis;

int main(int argc, char** argv) {
  ui::Application::instance().initialize("Tavelo for Windows 9x/NT", false);
  std::vector<int> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  if (sizes.empty()) sizes = {1, 10};
  ui::Form host;
  ui::FormParams p;
  p.caption = "bench";
  host.create(p);
  memo::RichEdit edit;
  edit.create(host.handle(), 10, WS_VISIBLE);
  // The window's size: the editor wraps at its width, and its lines are the ones it shows.
  MoveWindow(host.handle(), 0, 0, 800, 600, TRUE);
  MoveWindow(edit.handle(), 0, 0, 780, 560, TRUE);
  for (int mb : sizes) {
    std::string text = memoText(static_cast<size_t>(mb) << 20);
    double load = millis([&] { edit.setText(text); });
    HWND h = edit.handle();
    int lines = static_cast<int>(SendMessageW(h, EM_GETLINECOUNT, 0, 0));
    int middle = lines / 2;
    // Each move: one line down, four characters in, as the arrow keys move the caret.
    std::string shown;
    double ms = millis([&] {
      for (int i = 0; i < kMoves; ++i) {
        LONG at = static_cast<LONG>(SendMessageW(h, EM_LINEINDEX, middle + i, 0)) + 4;
        CHARRANGE sel{at, at};
        SendMessageW(h, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&sel));
        shown = memo::caretStatusText(memo::caretPlace(h), true);
      }
    });
    double place = millis([&] {
      for (int i = 0; i < kMoves; ++i) shown = memo::caretStatusText(memo::caretPlace(h), true);
    });
    double lineOf = millis([&] {
      for (int i = 0; i < kMoves; ++i) SendMessageW(h, EM_EXLINEFROMCHAR, 0, 1000);
    });
    std::printf("%2d MB: caret place alone %.3f ms; the control's line of a position near the start %.3f ms\n", mb,
                place / kMoves, lineOf / kMoves);
    double whole = millis([&] { (void)edit.selStart(); });
    std::printf(
        "%2d MB (%d lines, loaded in %.0f ms): caret move with status text %7.3f ms  (target <= 1 ms); "
        "whole-text map %8.1f ms  [%s]\n",
        mb, lines, load, ms / kMoves, whole, base::toUtf8(shown).c_str());
    std::fflush(stdout);
  }
  edit.clear();  // the control frees a large content slowly; a fresh one at once
  return 0;
}
