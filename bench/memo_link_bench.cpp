// Times the link converter on large memo texts, the editor's ways of replacing a large content,
// and the memo window's switch to a tab of 1 MB plain text with highlighted links on and off.
// Prints one line per measurement.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "memo/app/main_form.h"
#include "memo/link/link_conversion.h"
#include "shared/registry.h"
#include "timing.h"
#include "ui/app.h"
#include "ui/form.h"

namespace {

constexpr int kRuns = 5;
constexpr char kBenchKey[] = "Software\\TockleBench\\MemoLinks";

// About 50 bytes a line of mixed ASCII, Japanese and a link every other line.
std::string memoText(size_t bytes) {
  const std::string japanese = "買い物：牛乳、パン。"_sj;
  std::string out;
  for (int line = 0; out.size() < bytes; ++line)
    out += std::to_string(line) + " " + japanese + (line % 2 ? " http://example.com/" + std::to_string(line) : " {x}") +
           "\r\n";
  return out;
}

using bench::millis;

double median(const std::function<void()>& work, const std::function<void()>& before = nullptr) {
  std::vector<double> t;
  for (int i = 0; i < kRuns; ++i) {
    if (before) before();
    t.push_back(millis(work));
  }
  std::sort(t.begin(), t.end());
  return t[t.size() / 2];
}

void converter() {
  for (size_t size : {size_t{1} << 20, size_t{10} << 20}) {
    std::string text = memoText(size);
    memo::TLinkString registry;
    memo::RegisterWebLinks(registry);
    size_t out = 0;
    double ms = median([&] { out = memo::ConvertLinks(text, registry).size(); });
    std::printf("converter %5.1f MB: %7.1f ms  %6.1f MB/s  (%zu marks, %zu RTF bytes; target >= 50 MB/s)\n",
                static_cast<double>(text.size()) / (1 << 20), ms,
                static_cast<double>(text.size()) / (1 << 20) / ms * 1000, registry.Marks.size(), out);
  }
}

void editorReplacing() {
  ui::Form host;
  ui::FormParams p;
  p.caption = "bench";
  host.create(p);
  memo::RichEdit edit;
  edit.create(host.handle(), 10, WS_VISIBLE);
  std::string text = memoText(1 << 20);
  memo::TLinkString registry;
  memo::RegisterWebLinks(registry);
  std::string rtf = memo::ConvertLinks(text, registry);
  auto full = [&] { edit.setText(text); };
  std::printf("editor, 1 MB (%zu lines) shown before each run:\n", std::count(text.begin(), text.end(), '\n'));
  std::printf("  clear alone                 %8.1f ms\n", median([&] { edit.clear(); }, full));
  std::printf("  clear, then text            %8.1f ms\n", median(
                                                              [&] {
                                                                edit.clear();
                                                                edit.setText(text);
                                                              },
                                                              full));
  std::printf("  text replacing all          %8.1f ms\n", median([&] { edit.setText(text); }, full));
  std::printf("  RTF stream replacing all    %8.1f ms\n", median([&] { edit.loadContent(rtf); }, full));
  std::printf("  fresh control, then text    %8.1f ms\n", median(
                                                              [&] {
                                                                edit.replaceControl();
                                                                edit.setText(text);
                                                              },
                                                              full));
  std::printf("  fresh control, then RTF     %8.1f ms\n", median(
                                                              [&] {
                                                                edit.replaceControl();
                                                                edit.loadContent(rtf);
                                                              },
                                                              full));
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
    shared::TRegistry r;
    r.DeleteKey(kBenchKey);
    r.OpenKey(kBenchKey, true);
    r.WriteString("MemoFile", m.FileName);
    r.WriteBool("HotLink", hotLink);
    r.CloseKey();
    memo::TfrmMain form;
    form.SettingsKey = kBenchKey;
    form.PreviousSettingsKey = std::string(kBenchKey) + "Old";
    form.QuitOnDestroy = false;
    form.MemoMan.BackupFolder = folder;
    form.AskUser = [](HWND, std::string_view, std::string_view, UINT) { return IDOK; };
    if (!form.Create()) return;
    double ms = median([&] {
      form.MoveToAdjacentTab(true);
      UpdateWindow(form.handle());
    });
    std::printf("tab switch to 1 MB plain, HotLink %-3s %8.1f ms  (target <= 150 ms)\n", hotLink ? "on" : "off", ms);
    form.destroy();
  }
  shared::TRegistry r;
  r.DeleteKey(kBenchKey);
  base::removeTree(folder);
}

}  // namespace

int main() {
  ui::Application::instance().initialize("Tavelo for Windows 9x/NT", false);
  converter();
  editorReplacing();
  tabSwitch();
  return 0;
}
