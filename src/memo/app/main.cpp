// Memo: start-up of the memo program. One instance only; the command line is never read.
#include <windows.h>

#include <commctrl.h>

#include "base/text.h"
#include "memo/app/main_form.h"
#include "base/com.h"
#include "ui/app.h"
#include "ui/single_instance.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  // A running memo comes to the foreground and nothing else starts: two memos would overwrite
  // each other's document. The mutex decides; the title only finds the first's window.
  ui::SingleInstance instance(L"Tavelo.Memo");
  if (!instance.first()) {
    ui::activateRunning(base::wide(memo::kMainTitle));
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
