// Memo: start-up of the memo program. One instance only; the command line is never read.
#include <windows.h>

#include <commctrl.h>

#include "base/text.h"
#include "memo/app/main_form.h"
#include "base/com.h"
#include "ui/app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  // A running memo comes to the foreground and nothing else starts.
  if (HWND running = FindWindowW(nullptr, base::wide(memo::kMainTitle).c_str())) {
    SetForegroundWindow(running);
    return 0;
  }
  base::ensureCom();

  auto& app = ui::Application::instance();
  app.initialize(memo::kAppTitle, false, L"Tavelo");
  app.setTitle(memo::kAppTitle);
  int rc = 0;
  {
    memo::TfrmMain frmMain;
    if (frmMain.Create()) rc = app.run();
  }
  return rc;
}
