// The memo window's save timer, the check for changes made by other programs, the watch for the
// running clock and the backup restore.
#include <windows.h>

#include "base/text.h"
#include "memo/app/main_form.h"
#include "memo/chrome/commands.h"
#include "memo/clock_link/clock_link.h"
#include "memo/document/tab_session.h"
#include "memo/status/status_line.h"
#include "ui/modal_scope.h"
#include "shared/prompts.h"

namespace memo {

void TfrmMain::bindWatchCommands() {
  tmrSave.onTimer = [this] { tmrSaveTimer(); };
  onCommand(mnuRestore, [this] { mnuRestoreClick(); });
}

void TfrmMain::tmrSaveTimer() {
  if (closing_ || !rceMemo.handle()) return;
  checkOutsideChange(true);
  clockLink_->watchClock();
  autoSave();
}

void TfrmMain::ApplicationActivate() {
  if (closing_ || !rceMemo.handle()) return;
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
}

void TfrmMain::ShowCaretPosition() { status_->ShowCaretPosition(); }

}  // namespace memo
