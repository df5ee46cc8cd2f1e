// Recording the clipboard: the handler of the clipboard watcher.
#include "base/text.h"
#include "clock/app/main_form.h"
#include "clock/clipboard/clip_capture.h"
#include "clock/clipboard/clip_form.h"
#include "ui/msgbox.h"

namespace tockle {

void TfrmMain::ClipboardChanged(TNkClipDetector&) { ClipPending.Changed(); }

void TfrmMain::OpenClipHistory() {
  // One window at a time, found by its title.
  if (FindWindowW(nullptr, base::wide(clipWindowTitle()).c_str())) return;
  ShowClockMessage(true, true, "Loading...");
  auto form = std::make_shared<TfrmClip>(ProgramFolder + "_history3");
  form->OnClosed = [this, f = form.get()](bool showAsHint) {
    Settings.HistoryHint = showAsHint;
    if (frmClip == f) frmClip = nullptr;
  };
  form->OnDamagedKept = [this](const std::string& copy) { ShowClockMessage(true, false, damagedHistoryText(copy)); };
  // Replacing the last object frees it (its window is closed: no other is open).
  ClipForm = form;
  bool created = form->create();
  ShowClockMessage(false, false, "");
  if (!created) return;
  form->setCaption(clipWindowTitle());
  form->chkShowAsHint.setChecked(Settings.HistoryHint);
  frmClip = form.get();
  if (PrepareClipForm) PrepareClipForm(*form);
  ShowWindow(form->handle(), SW_SHOW);
  SetForegroundWindow(form->handle());
}

void TfrmMain::SetUpClipCapture() {
  tmrClipRetry.onTimer = [this] { ClipPending.Retry(); };
  ClipPending.retryTimer = [this](bool run) { tmrClipRetry.setEnabled(run); };
  ClipPending.take = [this] { return TakeClipboard(); };
}

ClipTake TfrmMain::TakeClipboard() {
  // 1.
  if (!clipboardHasText()) return ClipTake::Done;
  // 2. Edits in an open history window would be overwritten by its refresh below: settle them.
  IClipHistoryWindow* window = openHistoryWindow(frmClip);
  if (window) settlePendingEdits(handle(), *window, ui::messageBox);
  // 3.
  ClipboardText raw = readClipboardText(handle());
  if (raw.busy) return ClipTake::Busy;
  if (!raw.text) return ClipTake::Done;
  std::string text = clipTextForHistory(*raw.text);
  if (text.empty()) return ClipTake::Done;
  // 4.-6.
  if (!passesClipFilters(Settings.ClipHistory, text)) return ClipTake::Done;
  // 7.-9. While another program (the memo) holds the file this text is not recorded.
  std::string keptDamaged;
  if (!recordClipText(ProgramFolder + "_history3", text, Settings.ClipHistory, &keptDamaged)) return ClipTake::Done;
  if (!keptDamaged.empty()) ShowClockMessage(true, false, damagedHistoryText(keptDamaged));
  // 10.
  if ((window = openHistoryWindow(frmClip))) window->LoadHistory();
  return ClipTake::Done;
}

}  // namespace tockle
