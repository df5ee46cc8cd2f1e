// The clock's clipboard capture: the watcher in the clipboard viewer chain, the change not yet
// recorded with its retry timer, and the history window the clock opened last.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "clock/clipboard/clip_capture.h"
#include "clock/clipboard/clip_watcher.h"
#include "clock/clipboard/history_backlog.h"
#include "clock/clipboard/pending_clip_change.h"
#include "clock/settings/clock_settings.h"
#include "ui/timer.h"
#include "ui/command_table.h"

namespace ui {
class Window;
}  // namespace ui

namespace tockle {

class TfrmClip;

class ClipboardArea {
 public:
  // What the area needs of the clock.
  struct Host {
    // A text in place of the clock: shown or taken away, kept until taken away or timed.
    std::function<void(bool show, bool persistent, const std::string& text)> showMessage;
  };

  // owner: the clock window (owner of the boxes, reader of the clipboard); the history file lives
  // in programFolder; settings: the history's limits and the window's hint mode.
  ClipboardArea(const ui::Window& owner, const std::string& programFolder, TClockSettings& settings, Host host);
  ~ClipboardArea();
  ClipboardArea(const ClipboardArea&) = delete;
  ClipboardArea& operator=(const ClipboardArea&) = delete;

  // Command 4 opens the history window.
  void bindCommands(ui::CommandTable& commands);
  // The clock is in the clipboard viewer chain only while it records the clipboard; a change
  // still waiting is dropped when recording stops.
  void setRecording(bool on);
  // The text on the clipboard when the watcher next joins the chain is not recorded.
  void ignoreNext();
  // A change still waiting for the clipboard is dropped.
  void cancelPending();
  // The clock closes: texts still waiting get a last try, without a box; what the file still
  // refuses is kept beside it for the next start.
  void flushOnExit();
  // At start: texts kept at an earlier close go into the history (the user is told if they can't).
  void takeUnwritten();
  // An open history window goes with the clock (edits not applied are lost).
  void closeHistoryWindow();
  // The history window while it is open; nullptr when none is.
  TfrmClip* historyWindow() const;

 private:
  // Opens the history window unless one is open.
  void OpenClipHistory();
  void ClipboardChanged(TNkClipDetector& sender);
  // One try at recording the clipboard's text.
  ClipTake TakeClipboard();
  void SetUpClipCapture();
  void SetUpBacklog();
  // Settles the edits of an open history window before the history file changes under it.
  void settleWindowEdits();
  // The history file's problem, said in a box owned by the clock.
  void tellHistoryProblem(const std::string& problem, const std::string& caption);
  std::string HistoryPath() const { return programFolder_ + "_history3"; }

  TNkClipDetector ClipDetector;
  // The clipboard change not yet recorded.
  PendingClipChange ClipPending;
  // Tries a clipboard change again while the clipboard is held open.
  ui::Timer tmrClipRetry{PendingClipChange::kRetryMs, false};
  // Copied texts the history file has not taken yet, and the timer that tries them again.
  HistoryBacklog Backlog;
  ui::Timer tmrBacklog{HistoryBacklog::kRetryMs, false};
  // The history window object last opened by command 4; its window may be closed already (it
  // cannot be freed from its own close), which historyOpen_ tells.
  std::unique_ptr<TfrmClip> history_;
  bool historyOpen_ = false;
  const ui::Window& owner_;
  // The clock closes: the history window is left alone.
  bool closing_ = false;
  // The history window said once this run that it could not read the file.
  bool toldUnreadable_ = false;
  const std::string& programFolder_;
  TClockSettings& settings_;
  Host host_;
};

}  // namespace tockle
