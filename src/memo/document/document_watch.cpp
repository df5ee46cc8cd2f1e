#include "memo/document/document_watch.h"

#include "base/text.h"
#include "memo/chrome/commands.h"
#include "memo/document/tab_session.h"
#include "memo/editor/rich_edit.h"
#include "memo/settings/memo_settings.h"
#include "shared/prompts.h"
#include "ui/command_table.h"
#include "ui/modal_scope.h"

namespace memo {

namespace {

bool applicationActive() {
  HWND front = GetForegroundWindow();
  DWORD process = 0;
  if (front) GetWindowThreadProcessId(front, &process);
  return process == GetCurrentProcessId();
}

}  // namespace

DocumentWatch::DocumentWatch(TabSession& session, RichEdit& editor, const TMemoSettings& settings, Host host)
    : session_(session), editor_(editor), settings_(settings), host_(std::move(host)) {}

void DocumentWatch::bindCommands(ui::CommandTable& commands) {
  commands.on(mnuRestore, [this] { restoreBackup(); });
}

void DocumentWatch::checkOutsideChange(bool onlyWhileActive) {
  // A check while the question is open finds nothing new (the ages were remembered) and must not
  // ask twice.
  if (reloadAsking_ || settings_.ReloadOption == 0 || ownStepUnderWay()) return;
  if (onlyWhileActive && !applicationActive()) return;
  if (!session_.manager().IsChangedOutside()) return;
  reloadAsking_ = true;
  const bool yes = session_.confirmReload(true);
  reloadAsking_ = false;
  if (!yes) return;
  session_.ReloadDocument();
}

bool DocumentWatch::ownStepUnderWay() const {
  // Mid-switch the manager may name a file that is being replaced, or one whose age belongs to the
  // document before; under a box the answer may be about to replace the document.
  return ui::modalOpen() || session_.switching();
}

void DocumentWatch::autoSave() {
  // Not while the reload question (or any box of this window) is open: the answer decides first.
  if (reloadAsking_ || ownStepUnderWay() || !IsWindowEnabled(host_.window()) || !editor_.modified()) return;
  if (host_.compositionPending()) return;
  if (session_.tbcMemoChanging())
    editor_.setModified(false);
  else
    host_.showStatus("自動保存できませんでした -> "_sj + settings_.MemoFile);
}

void DocumentWatch::restoreBackup() {
  if (shared::prompts().ask(host_.window(), "前回バックアップ時からの内容が失われます\r\n復元してよろしいですか？"_sj,
                            "復元の確認"_sj, MB_YESNO | MB_ICONQUESTION) != IDYES)
    return;
  if (!session_.manager().RestoreBackup()) {
    // The document is as it was: the shown tab keeps its edit.
    session_.reportFailure();
    return;
  }
  session_.ReloadDocument();
}

}  // namespace memo
