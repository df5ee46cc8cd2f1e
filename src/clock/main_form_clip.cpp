// Recording the clipboard: the handler of the clipboard watcher.
#include "base/text.h"
#include "clock/clip_capture.h"
#include "clock/main_form.h"
#include "ui/msgbox.h"

namespace tockle {

void TfrmMain::ClipboardChanged(TNkClipDetector&) {
  // 1.
  if (!clipboardHasText()) return;
  // 2. Edits in an open history window would be overwritten by its refresh below: ask first.
  HWND historyWindow = FindWindowW(nullptr, base::wide(clipWindowTitle()).c_str());
  IClipHistoryWindow* edits = frmClip && historyWindow && frmClip->WindowHandle() == historyWindow ? frmClip : nullptr;
  if (edits && edits->ApplyEnabled()) {
    edits->SetBusy(true);
    struct ClearBusy {
      IClipHistoryWindow* window;
      ~ClearBusy() { window->SetBusy(false); }
    } clearBusy{edits};
    int answer = ui::messageBox(handle(), "履歴が更新されました\r\n反映する前に変更内容を保存しますか？"_sj,
                                "履歴更新の確認"_sj, MB_YESNO | MB_ICONQUESTION);
    if (answer == IDYES)
      edits->ApplyEdits();
    else
      edits->DropEdits();
  }
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
  if (edits && IsWindow(historyWindow)) edits->LoadHistory();
}

}  // namespace tockle
