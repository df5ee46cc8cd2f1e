// Times the memo document manager on a large document: opening the tab list and loading every
// tab, and saving one large tab, in both formats; and the memo window switching between two large
// tabs. Prints one line per measurement.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "base/files.h"
#include "memo_bench_window.h"
#include "base/text.h"
#include "memo/app/main_form.h"
#include "memo/document/tab_session.h"
#include "memo/document/memo_manager.h"
#include "shared/registry.h"
#include "timing.h"
#include "ui/app.h"

namespace {

constexpr int kTabs = 100;
constexpr size_t kDocumentBytes = 10u << 20;
constexpr size_t kSavedTabBytes = 1u << 20;
constexpr int kRuns = 7;

// Memo-like text: lines of mixed ASCII and Japanese, about bytes long.
std::string memoText(size_t bytes, int seed) {
  const std::string japanese = "今日の買い物メモ：牛乳、パン、卵。表示の確認も忘れずに。"_sj;
  std::string out;
  for (int line = 0; out.size() < bytes; ++line)
    out += "Line " + std::to_string(seed) + "-" + std::to_string(line) + " " + japanese + " http://example.com/\r\n";
  return out;
}

using bench::Figures;
using bench::millis;
Figures measure(const std::function<void()>& work) { return bench::measure(kRuns, work); }

void report(const char* what, Figures f, double target) {
  std::printf("%-44s best %8.1f ms  median %8.1f ms  (target <= %.0f ms)%s\n", what, f.best, f.median, target,
              f.median <= target ? "" : "  OVER");
}

bool openAll(memo::TKzMemoManager& m, size_t& total) {
  if (!m.LoadTabList()) return false;
  total = 0;
  std::string stream;
  for (const auto& name : m.TabList) {
    if (!m.LoadTab(name, stream)) return false;
    total += stream.size();
  }
  return true;
}

int run() {
  std::string folder = base::makeTempFolder("memo_bench_");
  if (folder.empty()) return 1;
  memo::TKzMemoManager m;
  m.BackupFolder = folder;
  m.ShowError = [](std::string_view text, std::string_view) { std::printf("error: %s\n", base::toUtf8(text).c_str()); };

  // The split document, built through the manager.
  m.FileName = folder + "split.ntd";
  m.DocumentType = memo::kTypeIII;
  if (!base::writeFileAtomic(m.FileName, "[Tavelo Document Type III]\r\n;bench\r\n") || !m.LoadTabList()) return 1;
  for (int i = 0; i < kTabs; ++i)
    if (!m.SaveTab("Tab " + std::to_string(i), memoText(kDocumentBytes / kTabs, i))) return 1;
  // The same tabs in one file.
  std::string single = folder + "single.ntd";
  if (!base::writeFileAtomic(single, *base::readFile(m.FileName))) return 1;
  for (int i = 0; i < kTabs; ++i) {
    std::string file = folder + "Tab " + std::to_string(i) + ".txt";
    CopyFileW(base::wide(file).c_str(), base::wide(file + ".copy").c_str(), FALSE);
  }
  if (!m.ConvertFormat(single, true, true)) return 1;
  for (int i = 0; i < kTabs; ++i) {
    std::string file = folder + "Tab " + std::to_string(i) + ".txt";
    MoveFileW(base::wide(file + ".copy").c_str(), base::wide(file).c_str());
  }
  std::printf("documents: %d tabs; split %zu bytes of tab files, single file %zu bytes\n", kTabs,
              kDocumentBytes / kTabs * kTabs, base::readFile(single)->size());

  const std::string big = memoText(kSavedTabBytes, 999);
  for (auto [path, name] : {std::pair{m.FileName, "Type III"}, std::pair{single, "Type II"}}) {
    memo::TKzMemoManager doc;
    doc.FileName = path;
    doc.BackupFolder = folder;
    size_t total = 0;
    bool ok = true;
    Figures open = measure([&] { ok = ok && openAll(doc, total); });
    if (!ok) return 1;
    report((std::string(name) + ": open tab list + load all tabs").c_str(), open, 500);
    std::printf("%-44s %zu bytes loaded\n", "", total);
    Figures save = measure([&] { ok = ok && doc.SaveTab("Tab 50", big); });
    if (!ok) return 1;
    report((std::string(name) + ": save one 1 MB tab").c_str(), save, 20);
  }
  // What any one-file save costs at least: the whole document written and flushed once.
  std::string whole = *base::readFile(single);
  Figures floor = measure([&] { base::writeFileAtomic(folder + "floor.ntd", whole); });
  std::printf("%-44s best %8.1f ms  median %8.1f ms\n", "atomic write of the one-file document", floor.best,
              floor.median);
  base::removeTree(folder);
  return 0;
}

// A small split document among many large ones in its folder: a save of its tab decides which
// files are its own without reading the other documents again each time.
int besideOthers() {
  constexpr int kOthers = 60;
  std::string folder = base::makeTempFolder("memo_bench_");
  if (folder.empty()) return 1;
  const std::string other = "<!--Tavelo Document Type II-->\r\n<!--b-->\r\n<!--Begin Document-->\r\nA/*!/" +
                            std::string(850u << 10, 'x') + "\r\n<!--End Document-->\r\n";
  for (int i = 0; i < kOthers; ++i)
    if (!base::writeFileAtomic(folder + "other" + std::to_string(i) + ".ntd", other)) return 1;
  memo::TKzMemoManager m;
  m.FileName = folder + "memo.ntd";
  m.BackupFolder = folder;
  if (!base::writeFileAtomic(m.FileName, "[Tavelo Document Type III]\r\n;b\r\nA=a.txt\r\n") || !m.LoadTabList())
    return 1;
  bool ok = true;
  int n = 0;
  Figures save = measure([&] { ok = ok && m.SaveTab("A", "text " + std::to_string(++n)); });
  base::removeTree(folder);
  if (!ok) return 1;
  report("Type III: save a tab beside 60 others of 850 KB", save, 20);
  return 0;
}

// The window on two tabs of 1000 lines each (about 40 KB with double-byte characters): a switch
// that saves the shown tab first, and one that has nothing to save.
int tabSwitch() {
  ui::Application::instance().initialize("Tavelo for Windows 9x/NT", false);
  const std::string key = "Software\\TockleTests\\MemoBench";
  std::string folder = base::makeTempFolder("memo_bench_");
  std::string line = "一行のテキスト 0123456789 abcdefghij"_sj, big;
  for (int i = 0; i < 1000; ++i) big += line + "\\CrLf%";
  const std::string doc = folder + "memo.ntd";
  base::writeFileAtomic(doc, "<!--Tavelo Document Type II-->\r\n<!--b-->\r\n<!--Begin Document-->\r\nA/*!/" + big +
                                 "\r\nB/*!/" + big + "\r\n<!--End Document-->\r\n");
  int rc = 1;
  {
    bench::MemoWindow window(key, doc, folder);
    if (memo::TfrmMain* form = window.form.get()) {
      std::vector<double> saving, plain;
      for (int i = 0; i < kRuns; ++i) {
        SendMessageW(form->rceMemo.handle(), WM_CHAR, L'x', 1);
        saving.push_back(millis([&] { form->session().MoveToAdjacentTab(true); }));
        plain.push_back(millis([&] { form->session().MoveToAdjacentTab(true); }));
      }
      std::sort(saving.begin(), saving.end());
      std::sort(plain.begin(), plain.end());
      std::printf("%-44s median %8.1f ms\n", "window: switch two 1000-line tabs, saving", saving[saving.size() / 2]);
      std::printf("%-44s median %8.1f ms\n", "window: switch two 1000-line tabs, no save", plain[plain.size() / 2]);
      // What every message to the window costs on its way (a plain message, nothing of its own).
      std::vector<double> messages;
      for (int i = 0; i < kRuns; ++i)
        messages.push_back(millis([&] {
          for (int m = 0; m < 10000; ++m) SendMessageW(form->handle(), WM_NULL, 0, 0);
        }));
      std::sort(messages.begin(), messages.end());
      std::printf("%-44s median %8.1f ms\n", "window: 10000 messages", messages[messages.size() / 2]);
      rc = 0;
    }
  }
  base::removeTree(folder);
  return rc;
}

}  // namespace

// "beside": only the save among other documents.
int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "beside") return besideOthers();
  return run() || besideOthers() || tabSwitch();
}
