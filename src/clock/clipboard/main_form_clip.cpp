// Recording the clipboard: the handler of the clipboard watcher.
#include "clock/app/main_form.h"
#include "clock/clipboard/clip_capture.h"
#include "ui/msgbox.h"

namespace tockle {

void TfrmMain::ClipboardChanged(TNkClipDetector&) {
  // 1.
  if (!clipboardHasText()) return;
  // 2. Edits in an open history window would be overwritten by its refresh below: settle them.
  IClipHistoryWindow* window = openHistoryWindow(frmClip);
  if (window) settlePendingEdits(handle(), *window, ui::messageBox);
  // 3.
  std::optional<std::string> raw = readClipboardText(handle());
  if (!raw) return;
  std::string text = clipTextForHistory(*raw);
  if (text.empty()) return;
  // 4.-6.
  if (!passesClipFilters(Settings.ClipHistory, text)) return;
  // 7.-9. While another program (the memo) holds the file this text is not recorded.
  if (!recordClipText(ProgramFolder + "_history3", text, Settings.ClipHistory)) return;
  // 10.
  if ((window = openHistoryWindow(frmClip))) window->LoadHistory();
}

}  // namespace tockle
