// Memo: start-up of the memo program. One instance only; the command line is never read.
#include <objbase.h>
#include <windows.h>

#include <commctrl.h>

#include "base/text.h"
#include "memo/app/main_form.h"
#include "ui/app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  // A running memo comes to the foreground and nothing else starts.
  if (HWND running = FindWindowW(nullptr, base::wide(memo::kMainTitle).c_str())) {
    SetForegroundWindow(running);
    return 0;
  }
  CoInitialize(nullptr);
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_COOL_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&icc);

  auto& app = ui::Application::instance();
  app.initialize(memo::kAppTitle, false);
  app.setTitle(memo::kAppTitle);
  int rc = 0;
  {
    memo::TfrmMain frmMain;
    if (frmMain.Create()) rc = app.run();
  }
  CoUninitialize();
  return rc;
}
