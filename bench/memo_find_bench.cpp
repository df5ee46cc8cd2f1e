// Times a find that fails through 100 tabs of mixed Japanese text (50 MB in all): the search alone
// over the texts in memory, and the memo window's whole walk from the shown tab through the
// document's stored tabs to the question at the wrap. Prints one line per measurement.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "memo/app/main_form.h"
#include "memo_bench_window.h"
#include "memo/document/tab_session.h"
#include "memo/find/tab_find.h"
#include "memo/find/text_search.h"
#include "shared/registry.h"
#include "timing.h"
#include "ui/app.h"

namespace {

constexpr int kRuns = 5;
constexpr int kTabs = 100;
constexpr size_t kTabBytes = size_t{512} << 10;
constexpr char kBenchKey[] = "Software\\TockleBench\\MemoFind";

// About 40 bytes a line of ASCII, kana, kanji and full-width letters.
std::string tabText(int tab) {
  const std::string japanese = "買い物：牛乳、パン。ドアＡＢＣ"_sj;
  std::string out;
  for (int line = 0; out.size() < kTabBytes; ++line)
    out += std::to_string(tab) + "-" + std::to_string(line) + " Memo " + japanese + "\r\n";
  return out;
}

double median(const std::function<void()>& work) { return bench::median(kRuns, work); }

void report(const char* what, double bytes, double ms) {
  std::printf("%-44s %8.1f ms  %7.1f MB/s  (target >= 200 MB/s)\n", what, ms, bytes / (1 << 20) / ms * 1000);
}

void searchAlone(const std::vector<std::string>& texts, double bytes) {
  const std::string missing = "見つからない語"_sj;
  for (auto [name, options] : {std::pair{"search, case ignored", memo::SearchOptions{false, false}},
                               std::pair{"search, match case", memo::SearchOptions{false, true}},
                               std::pair{"search, whole word", memo::SearchOptions{true, false}}}) {
    memo::TextSearch search(missing, options);
    size_t found = 0;
    double ms = median([&] {
      for (const std::string& t : texts) found += search.find(t) != memo::TextSearch::npos;
    });
    report(name, bytes, ms);
    if (found) std::printf("  (unexpected: found %zu)\n", found);
  }
}

void windowWalk(const std::vector<std::string>& texts) {
  std::string folder = base::makeTempFolder("memo_find_bench_");
  memo::TKzMemoManager m;
  m.BackupFolder = folder;
  m.FileName = folder + "find.ntd";
  m.DocumentType = memo::kTypeIII;
  auto fail = [](const char* step) { std::printf("window walk: %s failed\n", step); };
  if (!base::writeFileAtomic(m.FileName, "[Tavelo Document Type III]\r\n;bench\r\n") || !m.LoadTabList())
    return fail("document");
  std::vector<std::string> names;
  for (int i = 0; i < kTabs; ++i) names.push_back("tab" + std::to_string(i));
  // The shown tab is a short one: the editor shows a large tab very slowly under Wine, and the
  // walk shows it again at the wrap; the other tabs are searched as stored.
  double stored = 0;
  for (int i = 0; i < kTabs; ++i) {
    const std::string& text = i == 0 ? std::string("short\r\n") : texts[i];
    if (!m.SaveTab(names[i], text)) return fail("tab");
    stored += i == 0 ? 0 : static_cast<double>(text.size());
  }
  shared::TRegistry r;
  r.DeleteKey(kBenchKey);
  r.OpenKey(kBenchKey, true);
  r.WriteString("MemoFile", m.FileName);
  r.CloseKey();
  {
    bench::QuietPrompts prompts(IDNO);
    memo::TfrmMain form;
    form.SettingsKey = kBenchKey;
    form.PreviousSettingsKey = std::string(kBenchKey) + "Old";
    form.session().manager().BackupFolder = folder;
    form.session().manager().ShowError = [](std::string_view text, std::string_view) {
      std::printf("window walk: %s\n", base::toUtf8(text).c_str());
    };
    if (!form.Create()) return fail("window");
    memo::SearchRequest request;
    request.findText = "見つからない語"_sj;
    double ms = median([&] { form.find().fndFindFind(request, nullptr); });
    report("window walk, 99 stored tabs to the wrap question", stored, ms);
    if (prompts.asked != kRuns) std::printf("  (unexpected: %d questions)\n", prompts.asked);
    form.destroy();
  }
  r.DeleteKey(kBenchKey);
  base::removeTree(folder);
}

}  // namespace

int main() {
  ui::Application::instance().initialize("Tavelo for Windows 9x/NT", false);
  setvbuf(stdout, nullptr, _IONBF, 0);
  std::vector<std::string> texts;
  double bytes = 0;
  for (int i = 0; i < kTabs; ++i) {
    texts.push_back(tabText(i));
    bytes += static_cast<double>(texts.back().size());
  }
  std::printf("%d tabs, %.1f MB of mixed Japanese text, find text not present:\n", kTabs, bytes / (1 << 20));
  searchAlone(texts, bytes);
  windowWalk(texts);
  return 0;
}
