// Large memo tabs with links on, beside the rich-edit control's floor measured in the same run:
// the memo window's switch to a tab of 1 and 10 MB (first screen painted, whole text in) and the
// caret's status line there; the floor is the same text put into a bare visible control of the
// editor's size the cheap way (always a scroll bar, no undo). Arguments: sizes in MB (default 1
// and 10). Prints one block per size, the ratios last.
#include <windows.h>

#include <richedit.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "memo/document/memo_manager.h"
#include "memo/link/tab_links.h"
#include "memo/status/caret_status.h"
#include "control_floor.h"
#include "memo_bench_window.h"
#include "timing.h"
#include "ui/app.h"
#include "ui/form.h"

namespace {

// Japanese memo lines of about 74 bytes, a web address every 20th.
std::string memoText(size_t bytes) {
  const std::string japanese = "今日の打ち合わせの議事録です。次回までに資料を確認しておくこと。"_sj;
  std::string out;
  out.reserve(bytes + 128);
  for (int line = 0; out.size() < bytes; ++line) {
    out += std::to_string(line) + " " + japanese;
    if (line % 20 == 7) out += " http://example.com/docs/" + std::to_string(line);
    out += "\r\n";
  }
  return out;
}

// The caret's status line at the starts of lines about `line` of the editor, four characters
// in, as the memo makes it after a move; milliseconds per move (the move itself not counted).
double caretMs(const memo::RichEdit& edit, int line) {
  HWND h = edit.handle();
  constexpr int kMoves = 50;
  double total = 0;
  std::string shown;
  for (int i = 0; i < kMoves; ++i) {
    LONG a = static_cast<LONG>(SendMessageW(h, EM_LINEINDEX, line + i, 0)) + 4;
    CHARRANGE sel{a, a};
    SendMessageW(h, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&sel));
    total += bench::millis([&] { shown = memo::caretStatusText(memo::caretPlace(h, edit.knownText()), true); });
  }
  return total / kMoves;
}

double lookupMs(HWND h, LONG pos) {
  constexpr int kRuns = 50;
  return bench::millis([&] {
           for (int i = 0; i < kRuns; ++i) SendMessageW(h, EM_EXLINEFROMCHAR, 0, pos);
         }) /
         kRuns;
}

int run(int mb) {
  std::string folder = base::makeTempFolder("memo_large_bench_");
  memo::TKzMemoManager m;
  m.BackupFolder = folder;
  m.FileName = folder + "large.ntd";
  m.DocumentType = memo::kTypeIII;
  const std::string text = memoText(static_cast<size_t>(mb) << 20);
  if (!base::writeFileAtomic(m.FileName, "[Tavelo Document Type III]\r\n;bench\r\n") || !m.LoadTabList() ||
      !m.SaveTab("small", "a\r\n") || !m.SaveTab("big", text) || !m.SaveTab("big2", text))
    return 1;
  int rc = 1;
  {
    bench::MemoWindow window("Software\\TockleBench\\MemoLarge", m.FileName, folder, {{"HotLink", 1}});
    if (memo::TfrmMain* form = window.form.get()) {
      RECT r{};
      GetClientRect(form->rceMemo.handle(), &r);
      const double floor = bench::floorMs(text, r.right, r.bottom);
      double first = 0, whole = 0;
      whole = bench::millis([&] {
        first = bench::millis([&] {
          form->session().MoveToAdjacentTab(true);
          UpdateWindow(form->handle());
        });
        while (form->rceMemo.loading()) {
          bench::pump();
          if (form->rceMemo.loading()) WaitMessage();
        }
      });
      HWND h = form->rceMemo.handle();
      const int lines = static_cast<int>(SendMessageW(h, EM_GETLINECOUNT, 0, 0));
      std::printf("%2d MB (%zu bytes, %d lines, %zu links):\n", mb, text.size(), lines,
                  form->links().LinkRegistry.Marks.size());
      std::printf("  first screen painted   %8.1f ms  (goal <= 150 ms)\n", first);
      std::printf("  whole text in          %8.1f ms  = %.2f x the floor (goal <= 2)\n", whole, whole / floor);
      std::printf("  floor: bare control    %8.1f ms\n", floor);
      for (double where : {0.0, 0.5, 0.99}) {
        int line = static_cast<int>(lines * where);
        if (line + 60 > lines) line = lines - 60;
        LONG pos = static_cast<LONG>(SendMessageW(h, EM_LINEINDEX, line, 0));
        double caret = caretMs(form->rceMemo, line), lookup = lookupMs(h, pos);
        std::printf("  caret status at %3.0f%%   %8.3f ms a move  = %.2f control position lookups (%.3f ms each)\n",
                    where * 100, caret, caret / lookup, lookup);
      }
      // From this large tab to another: the large control goes after the first screen.
      const double fromLarge = bench::millis([&] {
        form->session().MoveToAdjacentTab(true);
        UpdateWindow(form->handle());
      });
      std::printf("  first screen, leaving a tab as large  %8.1f ms\n", fromLarge);
      form->session().MoveToAdjacentTab(true);  // back to the small tab: the large control goes
      rc = 0;
    }
  }
  base::removeTree(folder);
  return rc;
}

}  // namespace

int main(int argc, char** argv) {
  setvbuf(stdout, nullptr, _IONBF, 0);
  ui::Application::instance().initialize("Tavelo for Windows 9x/NT", false);
  std::vector<int> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  if (sizes.empty()) sizes = {1, 10};
  for (int mb : sizes)
    if (run(mb)) return 1;
  return 0;
}
