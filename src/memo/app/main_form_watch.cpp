// The memo window's watches: the save timer over the document's watch (memo/document) and the
// running clock's, and the program becoming active.
#include <windows.h>

#include <imm.h>

#include "memo/app/main_form.h"
#include "memo/clock_link/clock_link.h"
#include "memo/document/document_watch.h"
#include "memo/status/status_line.h"

namespace memo {

void TfrmMain::bindSaveTimer() { tmrSave.onTimer = [this] { tmrSaveTimer(); }; }

bool TfrmMain::compositionPending() const {
  HIMC imc = ImmGetContext(handle());
  if (!imc) return false;
  LONG bytes = ImmGetCompositionStringW(imc, GCS_COMPSTR, nullptr, 0);
  ImmReleaseContext(handle(), imc);
  return bytes > 0;
}

void TfrmMain::tmrSaveTimer() {
  if (closing_ || !rceMemo.handle()) return;
  watch_->checkOutsideChange(true);
  clockLink_->watchClock();
  watch_->autoSave();
}

void TfrmMain::ApplicationActivate() {
  if (closing_ || !rceMemo.handle()) return;
  watch_->checkOutsideChange(false);
}

void TfrmMain::ShowCaretPosition() { status_->ShowCaretPosition(); }

}  // namespace memo
