// Large memo tabs edited while they are large, each figure beside the rich-edit control's floor
// measured in the same run (control_floor.h): replace-all of about 16,000 matches in 1 MB and of
// ten times as many in 10 MB, and its undo; the whole 1 MB tab with a link on every line beside
// the floor of the same text plain; and the longest time the window did not answer while text was
// typed into a 10 MB tab with links that was still loading, with a check that every typed
// character is where it was typed. Arguments: the number of runs (default 3), then "typing" for
// the typing alone. Prints every run,
// then the least, median and greatest of each ratio.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "control_floor.h"
#include "memo/document/memo_manager.h"
#include "memo/find/tab_find.h"
#include "memo/link/tab_links.h"
#include "memo_bench_window.h"
#include "ui/app.h"

namespace {

// Lines of about 65 bytes; every line holds the find text once, or a web address at its end.
std::string memoText(size_t bytes, bool links) {
  const std::string japanese = "今日の打ち合わせの議事録です。次回まで。資料確認"_sj;
  std::string out;
  out.reserve(bytes + 128);
  for (int line = 0; out.size() < bytes; ++line) {
    out += (links ? "" : "ABCDEFGHIJ ") + std::to_string(line) + " " + japanese;
    if (links) out += " http://example.com/" + std::to_string(line);
    out += "\r\n";
  }
  return out;
}

struct Document {
  std::string folder, file;
  explicit Document(const std::vector<std::pair<std::string, std::string>>& tabs) {
    folder = base::makeTempFolder("memo_edit_bench_");
    memo::TKzMemoManager m;
    m.BackupFolder = folder;
    m.FileName = file = folder + "edit.ntd";
    m.DocumentType = memo::kTypeIII;
    ok = base::writeFileAtomic(m.FileName, "[Tavelo Document Type III]\r\n;bench\r\n") && m.LoadTabList();
    for (const auto& [name, text] : tabs) ok = ok && m.SaveTab(name, text);
  }
  ~Document() { base::removeTree(folder); }
  bool ok = false;
};

void waitLoaded(memo::TfrmMain& form) {
  while (form.rceMemo.loading()) {
    bench::pump();
    if (form.rceMemo.loading()) WaitMessage();
  }
  bench::pump();
}

// The memo window on a document of tabs, shown with its first tab loaded, for work.
template <typename Work>
bool onWindow(const std::vector<std::pair<std::string, std::string>>& tabs, int hotLink, Work work) {
  Document doc(tabs);
  if (!doc.ok) return false;
  bench::MemoWindow window("Software\\TockleBench\\MemoEdit", doc.file, doc.folder, {{"HotLink", hotLink}});
  memo::TfrmMain* form = window.form.get();
  if (!form) return false;
  ShowWindow(form->handle(), SW_SHOWNA);
  waitLoaded(*form);
  work(*form);
  return true;
}

RECT editorRect(memo::TfrmMain& form) {
  RECT r{};
  GetClientRect(form.rceMemo.handle(), &r);
  return r;
}

// Replace-all through the window's replace request on a tab of mb MB, then its undo; ratios to
// the floor of the same text.
bool replaceAll(int mb, std::vector<double>& ratios) {
  const std::string text = memoText(static_cast<size_t>(mb) << 20, false);
  return onWindow({{"big", text}}, 0, [&](memo::TfrmMain& window) {
    memo::TfrmMain* form = &window;
    RECT r = editorRect(*form);
    const double floor = bench::floorMs(text, r.right, r.bottom);
    form->rceMemo.setSelection(static_cast<int>(text.size() / 2), 0);
    memo::SearchRequest request;
    request.findText = "abcdefghij";
    request.replaceText = "Z";
    request.mode = memo::SearchMode::ReplaceAll;
    const double ms = bench::millis([&] {
      form->find().rpdReplaceReplace(request, nullptr);
      UpdateWindow(form->handle());
    });
    const std::string after = form->rceMemo.text();
    const size_t matches = (text.size() - after.size()) / 9;
    const double undo = bench::millis([&] {
      form->rceMemo.undo();
      UpdateWindow(form->handle());
    });
    const bool same = form->rceMemo.text() == text;
    std::printf(
        "  replace-all %2d MB, %6zu matches  %8.1f ms = %.2f x the floor %8.1f ms (goal <= 2); undo %8.1f ms = "
        "%.2f x%s\n",
        mb, matches, ms, ms / floor, floor, undo, undo / floor, same ? "" : "  (undo gave another text!)");
    ratios.push_back(ms / floor);
  });
}

// The switch to a 1 MB tab with a link on every line until its whole text is in, beside the floor
// of the same text plain.
bool linkTab(std::vector<double>& ratios) {
  const std::string text = memoText(size_t{1} << 20, true);
  return onWindow({{"small", "a\r\n"}, {"links", text}}, 1, [&](memo::TfrmMain& window) {
    memo::TfrmMain* form = &window;
    RECT r = editorRect(*form);
    const double floor = bench::floorMs(text, r.right, r.bottom);
    const double whole = bench::millis([&] {
      form->session().MoveToAdjacentTab(true);
      UpdateWindow(form->handle());
      waitLoaded(*form);
    });
    std::printf("  1 MB, a link a line (%zu links)   %8.1f ms = %.2f x the plain floor %8.1f ms (goal <= 2)\n",
                form->links().LinkRegistry.Marks.size(), whole, whole / floor, floor);
    ratios.push_back(whole / floor);
  });
}

// Typing into a 10 MB tab with links while it loads: another thread sends a character every
// 20 ms to the editor and times each answer.
bool typing(std::vector<double>& longest) {
  const std::string text = memoText(size_t{10} << 20, true);
  return onWindow({{"small", "a\r\n"}, {"links", text}}, 1, [&](memo::TfrmMain& window) {
    memo::TfrmMain* form = &window;
    form->session().MoveToAdjacentTab(true);
    const int at = static_cast<int>(text.find("\r\n100 ")) + 2;
    form->rceMemo.setSelection(at, 0);
    HWND editor = form->rceMemo.handle();
    std::atomic<bool> stop{false}, finished{false};
    std::string typed;
    double worst = 0;
    std::thread typist([&] {
      for (int i = 0; !stop; ++i) {
        const wchar_t c = static_cast<wchar_t>(L'a' + i % 26);
        DWORD_PTR ignored = 0;
        const double ms =
            bench::millis([&] { SendMessageTimeoutW(editor, WM_CHAR, c, 1, SMTO_NORMAL, 120000, &ignored); });
        worst = std::max(worst, ms);
        typed += static_cast<char>(c);
        Sleep(20);
      }
      finished = true;
    });
    const double whole = bench::millis([&] { waitLoaded(*form); });
    stop = true;
    while (!finished) {
      bench::pump();
      Sleep(5);
    }
    typist.join();
    const std::string after = form->rceMemo.text();
    const bool inPlace =
        after == text.substr(0, static_cast<size_t>(at)) + typed + text.substr(static_cast<size_t>(at));
    std::printf(
        "  typing into a loading 10 MB tab with links: %zu characters over %.1f s, longest without an answer "
        "%6.1f ms (goal < 1000); all in place: %s\n",
        typed.size(), whole / 1000, worst, inPlace ? "yes" : "NO");
    longest.push_back(worst);
  });
}

void spread(const char* what, std::vector<double> v) {
  if (v.empty()) return;
  std::sort(v.begin(), v.end());
  std::printf("%-40s least %8.2f  median %8.2f  greatest %8.2f  (%zu runs)\n", what, v.front(), v[v.size() / 2],
              v.back(), v.size());
}

}  // namespace

int main(int argc, char** argv) {
  setvbuf(stdout, nullptr, _IONBF, 0);
  ui::Application::instance().initialize("Tavelo for Windows 9x/NT", false);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  const bool typingOnly = argc > 2 && std::string(argv[2]) == "typing";
  std::vector<double> replace1, replace10, links, typed;
  for (int run = 1; run <= runs; ++run) {
    std::printf("run %d:\n", run);
    if (!typingOnly && (!replaceAll(1, replace1) || !replaceAll(10, replace10) || !linkTab(links))) return 1;
    if (!typing(typed)) return 1;
  }
  spread("replace-all 1 MB / floor", replace1);
  spread("replace-all 10 MB / floor", replace10);
  spread("1 MB link-a-line tab / plain floor", links);
  spread("longest unanswered while typing, ms", typed);
  return 0;
}
