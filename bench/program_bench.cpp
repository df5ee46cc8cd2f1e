// How long the real programs take to show themselves and to hand over to a running copy, each
// run from a fresh folder. Prints one line per figure (median of five starts).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "support/e2e.h"
#include "support/memo_e2e.h"

namespace {

const std::string kClockTitle = "Tockle 3 for Windows 9x/NT by Ruxel";
constexpr int kRuns = 5;

double millisSince(ULONGLONG start) { return static_cast<double>(GetTickCount64() - start); }

// The median of kRuns runs of one measurement; a run gives a negative figure when it failed.
void report(const char* what, const std::function<double()>& run) {
  std::vector<double> t;
  for (int i = 0; i < kRuns; ++i) {
    double ms = run();
    if (ms < 0) {
      std::printf("%-40s failed\n", what);
      return;
    }
    t.push_back(ms);
  }
  std::sort(t.begin(), t.end());
  std::printf("%-40s median %7.0f ms  (best %.0f, worst %.0f)\n", what, t[t.size() / 2], t.front(), t.back());
}

// Starts the program and waits until its window with this title shows; the time that took.
double startShown(test::ProgramRun& run, const std::string& title) {
  ULONGLONG t0 = GetTickCount64();
  if (!run.start()) return -1;
  HWND w = run.waitForWindow(title, 60000);
  if (!w || !test::waitUntil([&] { return IsWindowVisible(w) != 0; }, 60000)) return -1;
  return millisSince(t0);
}

}  // namespace

int main() {
  test::deleteUserKey("Software\\Quorvane\\Tockle3");
  report("clock: start to window shown", [] {
    test::ProgramRun clock("Tockle.exe");
    double ms = startShown(clock, kClockTitle);
    clock.close(kClockTitle);
    return ms;
  });
  report("clock: second start hands over and ends", [] {
    test::ProgramRun clock("Tockle.exe");
    if (startShown(clock, kClockTitle) < 0) return -1.0;
    ULONGLONG t0 = GetTickCount64();
    DWORD code = 99;
    bool ended = test::runAndWait(clock.path("Tockle.exe"), "", 60000, &code);
    double ms = millisSince(t0);
    clock.close(kClockTitle);
    return ended ? ms : -1.0;
  });
  test::deleteUserKey("Software\\Quorvane\\Tockle3");
  report("memo: start on a document to window shown", [] {
    test::ProgramRun memo("Memo.exe");
    memo.writeFile("memo.ntd", memoe2e::typeIIDocument("A/*!/text\\CrLf%\r\n"));
    memoe2e::setMemoFile(memo.path("memo.ntd"));
    double ms = startShown(memo, memoe2e::kTitle);
    memo.close(memoe2e::kTitle);
    return ms;
  });
  test::deleteUserKey(memoe2e::kKey);
  return 0;
}
