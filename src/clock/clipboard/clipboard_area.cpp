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
#include "shared/prompts.h"
#include "ui/command_table.h"
#include "ui/window.h"

namespace tockle {

ClipboardArea::ClipboardArea(const ui::Window& owner, const std::string& programFolder, TClockSettings& settings,
                             Host host)
    : owner_(owner), programFolder_(programFolder), settings_(settings), host_(std::move(host)) {
  SetUpClipCapture();
  SetUpBacklog();
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

void ClipboardArea::ignoreNext() { ClipDetector.IgnoreFirst = true; }

void ClipboardArea::cancelPending() { ClipPending.Cancel(); }

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
    host_.showMessage(true, false,
                      "前回書き込めなかった履歴を書き込みました -> "_sj + std::to_string(moved) + " 個"_sj);
  } catch (const std::exception&) {
    tellHistoryProblem(fileWriteProblemText(HistoryPath()) +
                           "\r\n前回書き込めなかったテキストは次のファイルに残しています\r\n"_sj +
                           unwrittenTextFiles(HistoryPath()).front(),
                       "履歴保存エラー"_sj);
  }
}

void ClipboardArea::closeHistoryWindow() {
  historyOpen_ = false;
  history_.reset();
}

TfrmClip* ClipboardArea::historyWindow() const { return historyOpen_ ? history_.get() : nullptr; }

void ClipboardArea::tellHistoryProblem(const std::string& problem, const std::string& caption) {
  shared::prompts().ask(owner_.handle(), "クリップボード履歴のファイル "_sj + HistoryPath() + problem, caption,
                        MB_OK | MB_ICONWARNING);
}

void ClipboardArea::settleWindowEdits() {
  if (IClipHistoryWindow* window = closing_ ? nullptr : openHistoryWindow(historyWindow()))
    settlePendingEdits(owner_.handle(), *window);
}

void ClipboardArea::ClipboardChanged(TNkClipDetector&) { ClipPending.Changed(); }

void ClipboardArea::OpenClipHistory() {
  // One window at a time, found by its title.
  if (FindWindowW(nullptr, base::wide(clipWindowTitle()).c_str())) return;
  host_.showMessage(true, true, "Loading...");
  // Replacing the last object frees it (its window is closed: no other is open).
  historyOpen_ = false;
  history_ = std::make_unique<TfrmClip>(HistoryPath());
  TfrmClip& form = *history_;
  form.OnClosed = [this, f = &form](bool showAsHint) {
    settings_.HistoryHint = showAsHint;
    if (history_.get() == f) historyOpen_ = false;
  };
  form.OnUnreadable = [this] {
    if (std::exchange(toldUnreadable_, true)) return;
    tellHistoryProblem(fileProblemText(base::fileProblem(HistoryPath()) == base::FileProblem::NotAFile
                                           ? base::FileProblem::NotAFile
                                           : base::FileProblem::Unreadable) +
                           "\r\n履歴の一覧は空で表示します"_sj,
                       "履歴読み込みエラー"_sj);
  };
  form.OnDamagedKept = [this](const std::string& copy) { host_.showMessage(true, false, damagedHistoryText(copy)); };
  bool created = form.create();
  host_.showMessage(false, false, "");
  if (!created) return;
  form.setCaption(clipWindowTitle());
  form.chkShowAsHint.setChecked(settings_.HistoryHint);
  historyOpen_ = true;
  ShowWindow(form.handle(), SW_SHOW);
  SetForegroundWindow(form.handle());
}

void ClipboardArea::SetUpClipCapture() {
  tmrClipRetry.onTimer = [this] { ClipPending.Retry(); };
  ClipPending.retryTimer = [this](bool run) { tmrClipRetry.setEnabled(run); };
  ClipPending.take = [this] { return TakeClipboard(); };
}

ClipTake ClipboardArea::TakeClipboard() {
  if (!clipboardHasText()) return ClipTake::Done;
  // Edits in an open history window would be overwritten by its refresh below: settle them.
  if (IClipHistoryWindow* window = openHistoryWindow(historyWindow())) settlePendingEdits(owner_.handle(), *window);
  ClipboardText raw = readClipboardText(owner_.handle());
  if (raw.busy) return ClipTake::Busy;
  if (!raw.text) return ClipTake::Done;
  std::string text = clipTextForHistory(*raw.text);
  if (text.empty()) return ClipTake::Done;
  if (!passesClipFilters(settings_.ClipHistory, text)) return ClipTake::Done;
  // While the file refuses it the text waits in memory, behind any text still waiting.
  Backlog.Add({base::now(), std::move(text)});
  return ClipTake::Done;
}

void ClipboardArea::SetUpBacklog() {
  tmrBacklog.onTimer = [this] { Backlog.Flush(); };
  Backlog.retryTimer = [this](bool run) { tmrBacklog.setEnabled(run); };
  Backlog.write = [this](const ClipRecord& record) {
    // A text written later, from the timer, settles the window's edits as the capture does.
    settleWindowEdits();
    std::string keptDamaged;
    auto sayKept = [&] {
      if (!keptDamaged.empty()) host_.showMessage(true, false, damagedHistoryText(keptDamaged));
    };
    try {
      appendClipRecord(HistoryPath(), record, settings_.ClipHistory, keptDamaged);
    } catch (...) {
      // The copy is kept even when the trimming after the append failed.
      sayKept();
      throw;
    }
    sayKept();
    if (IClipHistoryWindow* window = closing_ ? nullptr : openHistoryWindow(historyWindow())) window->LoadHistory();
  };
  Backlog.tellRefused = [this] {
    tellHistoryProblem(
        fileWriteProblemText(HistoryPath()) +
            "\r\nコピーされたテキストは書き込めるようになるまで覚えておき，書き込めるようになったら順に書き込みます"_sj,
        "履歴保存エラー"_sj);
  };
}

}  // namespace tockle
