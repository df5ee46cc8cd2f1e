// What one tick of the clock costs, piece by piece, in-process.
#include <windows.h>

#include <chrono>
#include <cstdio>

#include "base/datetime.h"
#include "base/files.h"
#include "clock/app/main_form.h"
#include "clock/power/query_form.h"
#include "ui/app.h"

namespace {
template <typename F>
double microsPerCall(int n, F&& f) {
  auto t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < n; ++i) f();
  auto t1 = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::micro>(t1 - t0).count() / n;
}
}  // namespace

int main() {
  ui::Application::instance().initialize("Tockle 3 for Windows 9x/NT", true);
  std::string folder = base::makeTempFolder("tick_bench_");
  // A system menu file of its own: without one the clock asks for the settings at start.
  base::writeFileAtomic(folder + "_system3", "");
  tockle::TfrmMain form;
  form.ProgramFolder = folder;
  form.RegistryKey = "Software\\TockleTests\\TickBench";
  form.PreviousRegistryKey = "Software\\TockleTests\\TickBenchOld";
  if (!form.Create()) return 1;
  form.ShowClockMessage(false, false, "");
  const int n = 2000;
  std::printf("UpdateClock:     %8.1f us\n", microsPerCall(n, [&] { form.UpdateClock(); }));
  std::printf("FormatClockText: %8.1f us\n",
              microsPerCall(n, [&] { form.FormatClockText(form.Settings.DisplayType, base::now()); }));
  std::printf("face Paint:      %8.1f us\n",
              microsPerCall(n, [&] { form.tmeMain.Paint(form.OffscreenBitmap.canvas()); }));
  HDC dc = GetDC(form.handle());
  std::printf("BitBlt:          %8.1f us\n", microsPerCall(n, [&] {
                BitBlt(dc, 0, 0, form.OffscreenBitmap.width(), form.OffscreenBitmap.height(), form.OffscreenBitmap.dc(),
                       0, 0, SRCCOPY);
              }));
  ReleaseDC(form.handle(), dc);
  {
    // The power question's count-down of one second, from its start to confirming by itself.
    tockle::TfrmQuery query(form.handle(), 0, 1, false);
    auto t0 = std::chrono::steady_clock::now();
    query.showModal();
    std::printf("1 s count-down:  %8.0f ms\n",
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
  }
  std::printf("processMessages: %8.1f us\n", microsPerCall(n, [&] { ui::Application::instance().processMessages(); }));
  form.destroy();
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TockleTests\\TickBench");
  base::removeTree(folder);
  return 0;
}
