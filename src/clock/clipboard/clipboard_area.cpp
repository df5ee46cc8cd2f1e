#include "clock/clipboard/clipboard_area.h"

#include <utility>

#include "base/datetime.h"
#include "base/files.h"
#include "base/text.h"
#include "clock/clipboard/clip_capture.h"
#include "clock/clipboard/clip_form.h"
#include "clock/clipboard/unwritten_texts.h"
#include "clock/commands/commands.h"
#include "clock/commands/file_problem_text.h"
#include "ui/command_table.h"
#include "ui/msgbox.h"
#include "ui/window.h"

namespace tockle {

ClipboardArea::ClipboardArea(const ui::Window& owner, const std::string& programFolder, TClockSettings& settings,
                             ShowMessage showMessage)
    : owner_(owner), programFolder_(programFolder), settings_(settings), showMessage_(std::move(showMessage)) {
  SetUpClipCapture();
  SetUpBacklog();
  AskUser = ui::messageBox;
}

ClipboardArea::~ClipboardArea() = default;

void ClipboardArea::bindCommands(ui::CommandTable& commands) {
  commands.on(cmdHistory, [this] { OpenClipHistory(); });
}

void ClipboardArea::setRecording(bool on) {
  if (on) {
    ClipDetector.SetOnClipChange([this](TNkClipDetector& sender) { ClipboardChanged(sender); });
  } else {
    ClipDetector.SetOnClipChange(nullptr);
    ClipPending.Cancel();
  }
}

void ClipboardArea::flushOnExit() {
  // At the end of a session no box may hold the clock up, nor a question about the window's edits.
  Backlog.tellRefused = nullptr;
  closing_ = true;
  Backlog.Flush();
  // Texts the file still refuses wait in a file of their own for the next start; a history that
  // is cleared at the end would not have kept them either.
  if (Backlog.waiting().empty() || settings_.ClipHistory.ClearWhenExit) return;
  try {
    keepUnwrittenTexts(HistoryPath(), Backlog.waiting());
  } catch (const std::exception&) {
    // Nowhere left to put them while the clock closes.
  }
}

void ClipboardArea::takeUnwritten() {
  if (unwrittenTextFiles(HistoryPath()).empty()) return;
  try {
    int moved = takeUnwrittenTexts(HistoryPath(), settings_.ClipHistory);
    showMessage_(true, false, "前回書き込めなかった履歴を書き込みました -> "_sj + std::to_string(moved) + " 個"_sj);
  } catch (const std::exception&) {
    AskUser(owner_.handle(),
            "クリップボード履歴のファイル "_sj + HistoryPath() + fileWriteProblemText(HistoryPath()) +
                "\r\n前回書き込めなかったテキストは次のファイルに残しています\r\n"_sj +
                unwrittenTextFiles(HistoryPath()).front(),
            "履歴保存エラー"_sj, MB_OK | MB_ICONWARNING);
  }
}

void ClipboardArea::closeHistoryWindow() {
  frmClip = nullptr;
  ClipForm.reset();
}

void ClipboardArea::ClipboardChanged(TNkClipDetector&) { ClipPending.Changed(); }

void ClipboardArea::OpenClipHistory() {
  // One window at a time, found by its title.
  if (FindWindowW(nullptr, base::wide(clipWindowTitle()).c_str())) return;
  showMessage_(true, true, "Loading...");
  auto form = std::make_shared<TfrmClip>(HistoryPath());
  form->OnClosed = [this, f = form.get()](bool showAsHint) {
    settings_.HistoryHint = showAsHint;
    if (frmClip == f) frmClip = nullptr;
  };
  form->OnUnreadable = [this] {
    if (std::exchange(toldUnreadable_, true)) return;
    AskUser(owner_.handle(),
            "クリップボード履歴のファイル "_sj + HistoryPath() +
                fileProblemText(base::fileProblem(HistoryPath()) == base::FileProblem::NotAFile
                                    ? base::FileProblem::NotAFile
                                    : base::FileProblem::Unreadable) +
                "\r\n履歴の一覧は空で表示します"_sj,
            "履歴読み込みエラー"_sj, MB_OK | MB_ICONWARNING);
  };
  form->OnDamagedKept = [this](const std::string& copy) { showMessage_(true, false, damagedHistoryText(copy)); };
  // Replacing the last object frees it (its window is closed: no other is open).
  ClipForm = form;
  bool created = form->create();
  showMessage_(false, false, "");
  if (!created) return;
  form->setCaption(clipWindowTitle());
  form->chkShowAsHint.setChecked(settings_.HistoryHint);
  frmClip = form.get();
  if (PrepareClipForm) PrepareClipForm(*form);
  ShowWindow(form->handle(), SW_SHOW);
  SetForegroundWindow(form->handle());
}

void ClipboardArea::SetUpClipCapture() {
  tmrClipRetry.onTimer = [this] { ClipPending.Retry(); };
  ClipPending.retryTimer = [this](bool run) { tmrClipRetry.setEnabled(run); };
  ClipPending.take = [this] { return TakeClipboard(); };
}

ClipTake ClipboardArea::TakeClipboard() {
  // 1.
  if (!clipboardHasText()) return ClipTake::Done;
  // 2. Edits in an open history window would be overwritten by its refresh below: settle them.
  IClipHistoryWindow* window = openHistoryWindow(frmClip);
  if (window) settlePendingEdits(owner_.handle(), *window, ui::messageBox);
  // 3.
  ClipboardText raw = readClipboardText(owner_.handle());
  if (raw.busy) return ClipTake::Busy;
  if (!raw.text) return ClipTake::Done;
  std::string text = clipTextForHistory(*raw.text);
  if (text.empty()) return ClipTake::Done;
  // 4.-6.
  if (!passesClipFilters(settings_.ClipHistory, text)) return ClipTake::Done;
  // 7.-10. While the file refuses it the text waits in memory, behind any text still waiting.
  Backlog.Add({base::now(), std::move(text)});
  return ClipTake::Done;
}

void ClipboardArea::SetUpBacklog() {
  tmrBacklog.onTimer = [this] { Backlog.Flush(); };
  Backlog.retryTimer = [this](bool run) { tmrBacklog.setEnabled(run); };
  Backlog.write = [this](const ClipRecord& record) {
    // A text written later, from the timer, settles the window's edits as the capture does.
    IClipHistoryWindow* window = closing_ ? nullptr : openHistoryWindow(frmClip);
    if (window) settlePendingEdits(owner_.handle(), *window, ui::messageBox);
    std::string keptDamaged;
    auto sayKept = [&] {
      if (!keptDamaged.empty()) showMessage_(true, false, damagedHistoryText(keptDamaged));
    };
    try {
      appendClipRecord(HistoryPath(), record, settings_.ClipHistory, keptDamaged);
    } catch (...) {
      // The copy is kept even when the trimming after the append failed.
      sayKept();
      throw;
    }
    sayKept();
    if (!closing_ && (window = openHistoryWindow(frmClip))) window->LoadHistory();
  };
  Backlog.tellRefused = [this] {
    AskUser(
        owner_.handle(),
        "クリップボード履歴のファイル "_sj + HistoryPath() + fileWriteProblemText(HistoryPath()) +
            "\r\nコピーされたテキストは書き込めるようになるまで覚えておき，書き込めるようになったら順に書き込みます"_sj,
        "履歴保存エラー"_sj, MB_OK | MB_ICONWARNING);
  };
}

}  // namespace tockle
