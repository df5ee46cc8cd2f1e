// Tockle: start-up of the clock program.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include "base/text.h"
#include "clock/app/main_form.h"
#include "ui/app.h"
#include "ui/single_instance.h"

namespace {
std::string firstArgument() {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::string arg = (argv && argc > 1) ? base::cp932(argv[1]) : std::string();
  LocalFree(argv);
  return arg;
}
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  // Single instance: a running clock comes to the foreground and nothing else starts. The mutex
  // decides; the title only finds the first's window.
  ui::SingleInstance instance(L"Tockle");
  if (!instance.first()) {
    ui::activateRunning(base::wide(tockle::kMainTitle));
    return 0;
  }
  auto& app = ui::Application::instance();
  app.initialize(tockle::kAppTitle, true, L"Tockle");
  int rc = 0;
  {
    tockle::TfrmMain frmMain;
    frmMain.FirstArgument = firstArgument();
    if (frmMain.Create()) rc = app.run();
  }
  return rc;
}
