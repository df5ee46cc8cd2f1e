// The memo window's watches: the save timer over the document's watch (memo/document) and the
// running clock's, the program becoming active, and the messages the status line follows.
#include <windows.h>

<<<<<<< HEAD
#include "base/text.h"
=======
#include <imm.h>

>>>>>>> h45c
#include "memo/app/main_form.h"
#include "memo/clock_link/clock_link.h"
#include "memo/document/document_watch.h"
#include "memo/status/status_line.h"
<<<<<<< HEAD
#include "ui/modal_scope.h"
#include "shared/prompts.h"

namespace memo {

void TfrmMain::bindWatchCommands() {
  tmrSave.onTimer = [this] { tmrSaveTimer(); };
  onCommand(mnuRestore, [this] { mnuRestoreClick(); });
=======

namespace memo {

void TfrmMain::installWatches() {
  tmrSave.onTimer = [this] { tmrSaveTimer(); };
  // Installed after every area's own hooks (the find dialogs'): the status line, hooked last, sees
  // every message first.
  status_->watch(handle(), ToolBar2, cmbFontName.handle(), speFontSize.handle());
>>>>>>> h45c
}

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
<<<<<<< HEAD
  checkOutsideChange(false);
}

bool TfrmMain::applicationActive() const {
  HWND front = GetForegroundWindow();
  DWORD process = 0;
  if (front) GetWindowThreadProcessId(front, &process);
  return process == GetCurrentProcessId();
}

void TfrmMain::checkOutsideChange(bool onlyWhileActive) {
  // A check while the question is open finds nothing new (the ages were remembered) and must not
  // ask twice.
  if (reloadAsking_ || Settings.ReloadOption == 0 || ownStepUnderWay()) return;
  if (onlyWhileActive && !applicationActive()) return;
  if (!session_->manager().IsChangedOutside()) return;
  reloadAsking_ = true;
  const bool yes = session_->confirmReload(true);
  reloadAsking_ = false;
  if (!yes) return;
  session_->ReloadDocument();
}

bool TfrmMain::ownStepUnderWay() const {
  // Mid-switch the manager may name a file that is being replaced, or one whose age belongs to the
  // document before; under a box the answer may be about to replace the document.
  return ui::modalOpen() || session_->switching();
}

void TfrmMain::autoSave() {
  // Not while the reload question (or any box of this window) is open: the answer decides first.
  if (reloadAsking_ || ownStepUnderWay() || !IsWindowEnabled(handle()) || !rceMemo.modified()) return;
  if (CompositionPending()) return;
  if (session_->tbcMemoChanging())
    rceMemo.setModified(false);
  else
    ShowStatusMessage("自動保存できませんでした -> "_sj + Settings.MemoFile);
}

void TfrmMain::mnuRestoreClick() {
  if (shared::prompts().ask(handle(), "前回バックアップ時からの内容が失われます\r\n復元してよろしいですか？"_sj,
                            "復元の確認"_sj, MB_YESNO | MB_ICONQUESTION) != IDYES)
    return;
  if (!session_->manager().RestoreBackup()) {
    // The document is as it was: the shown tab keeps its edit.
    session_->reportFailure();
    return;
  }
  session_->ReloadDocument();
=======
  watch_->checkOutsideChange(false);
>>>>>>> h45c
}

void TfrmMain::ShowCaretPosition() { status_->ShowCaretPosition(); }

}  // namespace memo
