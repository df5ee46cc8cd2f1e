// Times the link converter on large memo texts, the editor's ways of replacing a large content,
// and the memo window's switch to a tab of 1 MB plain text with highlighted links on and off.
// Prints one line per measurement.
#include <windows.h>

#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "memo/link/link_conversion.h"
#include "memo_bench_window.h"
#include "ui/app.h"
#include "ui/form.h"

namespace {

constexpr int kRuns = 5;

// About 50 bytes a line of mixed ASCII, Japanese and a link every other line.
std::string memoText(size_t bytes) {
  const std::string japanese = "買い物：牛乳、パン。"_sj;
  std::string out;
  for (int line = 0; out.size() < bytes; ++line)
    out += std::to_string(line) + " " + japanese + (line % 2 ? " http://example.com/" + std::to_string(line) : " {x}") +
           "\r\n";
  return out;
}

void converter() {
  for (size_t size : {size_t{1} << 20, size_t{10} << 20}) {
    std::string text = memoText(size);
    memo::TLinkString registry;
    memo::RegisterWebLinks(registry);
    size_t out = 0;
    double ms = bench::measure(kRuns, [&] { out = memo::ConvertLinks(text, registry).size(); }).median;
    std::printf("converter %5.1f MB: %7.1f ms  %6.1f MB/s  (%zu marks, %zu RTF bytes; target >= 50 MB/s)\n",
                static_cast<double>(text.size()) / (1 << 20), ms,
                static_cast<double>(text.size()) / (1 << 20) / ms * 1000, registry.Marks.size(), out);
  }
}

// The control's own emptying grows faster than the content: it is timed once a size.
void editorReplacing() {
  ui::Form host;
  ui::FormParams p;
  p.caption = "bench";
  host.create(p);
  memo::RichEdit edit;
  edit.create(host.handle(), 10, WS_VISIBLE);
  for (size_t size : {size_t{2} << 10, size_t{5} << 10, size_t{20} << 10}) {
    std::string text = memoText(size);
    for (bool redraw : {true, false}) {
      std::printf("editor, %4zu KB (%5zd lines), drawing %-3s: the control's own emptying %9.1f ms\n", size >> 10,
                  std::count(text.begin(), text.end(), '\n'), redraw ? "on" : "off",
                  bench::measure(
                      1,
                      [&] {
                        SendMessageW(edit.handle(), WM_SETREDRAW, redraw, 0);
                        SetWindowTextW(edit.handle(), L"");
                      },
                      [&] { edit.setText(text); })
                      .median);
      SendMessageW(edit.handle(), WM_SETREDRAW, TRUE, 0);
    }
  }
  std::string text = memoText(1 << 20);
  memo::TLinkString registry;
  memo::RegisterWebLinks(registry);
  std::string rtf = memo::ConvertLinks(text, registry);
  auto empty = [&] { edit.clear(); };
  auto full = [&] {
    edit.clear();
    edit.setText(text);
  };
  std::printf("editor, 1 MB:\n");
  std::printf("  clear (a fresh control)     %8.1f ms\n", bench::measure(kRuns, empty, full).median);
  std::printf("  text into an empty control  %8.1f ms\n", bench::measure(
                                                              kRuns, [&] { edit.setText(text); }, empty)
                                                              .median);
  std::printf("  RTF into an empty control   %8.1f ms\n", bench::measure(
                                                              kRuns, [&] { edit.loadContent(rtf); }, empty)
                                                              .median);
}

void tabSwitch() {
  std::string folder = base::makeTempFolder("memo_link_bench_");
  memo::TKzMemoManager m;
  m.BackupFolder = folder;
  m.FileName = folder + "links.ntd";
  m.DocumentType = memo::kTypeIII;
  std::string text = memoText(1 << 20);
  if (!base::writeFileAtomic(m.FileName, "[Tavelo Document Type III]\r\n;bench\r\n") || !m.LoadTabList() ||
      !m.SaveTab("A", text) || !m.SaveTab("B", text))
    return;
  for (bool hotLink : {false, true}) {
    bench::MemoWindow window("Software\\TockleBench\\MemoLinks", m.FileName, folder, {{"HotLink", hotLink}});
    if (!window.form) return;
    bench::Figures f = bench::measure(3, [&] {
      window.form->session().MoveToAdjacentTab(true);
      UpdateWindow(window.form->handle());
    });
    std::printf("tab switch to 1 MB plain, HotLink %-3s best %8.1f ms  median %8.1f ms  (target <= 150 ms)\n",
                hotLink ? "on" : "off", f.best, f.median);
  }
  base::removeTree(folder);
}

// The pointer moved over a link near the end of a 200 KB plain tab: the question which link lies
// under it, with the look of the character under it asked of the control.
void hover() {
  std::string folder = base::makeTempFolder("memo_link_bench_");
  const std::string doc = folder + "hover.ntd";
  const std::string text = memoText(200 << 10);
  if (!base::writeFileAtomic(doc, "[Tavelo Document Type III]\r\n;bench\r\nA=a.txt\r\n") ||
      !base::writeFileAtomic(folder + "a.txt", text))
    return;
  {
    bench::MemoWindow window("Software\\TockleBench\\MemoLinks", doc, folder, {{"HotLink", 1}});
    if (!window.form) return;
    memo::RichEdit& edit = window.form->rceMemo;
    const int at = edit.positions().toControl(static_cast<int>(text.rfind("http:")) + 2);
    edit.setSelection(static_cast<int>(text.size()), 0);
    SendMessageW(edit.handle(), EM_SCROLLCARET, 0, 0);
    POINT p = edit.posFromChar(at);
    int dx = 0;
    bench::Figures f = bench::measure(
        kRuns * 4, [&] { SendMessageW(edit.handle(), WM_MOUSEMOVE, 0, MAKELPARAM(p.x + 1 + (dx++ % 3), p.y + 3)); });
    std::printf("pointer over a link at the end of 200 KB: best %6.2f ms  median %6.2f ms  (hand shown: %s)\n", f.best,
                f.median, edit.handCursor() ? "yes" : "no");
  }
  base::removeTree(folder);
}

}  // namespace

// Arguments name the parts to run ("converter", "editor", "tabs", "hover"); none runs all.
int main(int argc, char** argv) {
  setvbuf(stdout, nullptr, _IONBF, 0);
  ui::Application::instance().initialize("Tavelo for Windows 9x/NT", false);
  auto wanted = [&](const std::string& part) {
    return argc < 2 || std::find(argv + 1, argv + argc, part) != argv + argc;
  };
  if (wanted("converter")) converter();
  if (wanted("editor")) editorReplacing();
  if (wanted("tabs")) tabSwitch();
  if (wanted("hover")) hover();
  return 0;
}
