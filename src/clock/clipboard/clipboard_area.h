// The clock's clipboard capture: the watcher in the clipboard viewer chain, the change not yet
// recorded with its retry timer, and the history window the clock opened last.
#pragma once

#include <functional>
#include <memory>
#include <string_view>
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
  // A text in place of the clock: shown or taken away, kept until taken away or timed.
  using ShowMessage = std::function<void(bool show, bool persistent, const std::string& text)>;

  // owner: the clock window (owner of the boxes, reader of the clipboard); the history file lives
  // in programFolder; settings: the history's limits and the window's hint mode.
  ClipboardArea(const ui::Window& owner, const std::string& programFolder, TClockSettings& settings,
                ShowMessage showMessage);
  ~ClipboardArea();
  ClipboardArea(const ClipboardArea&) = delete;
  ClipboardArea& operator=(const ClipboardArea&) = delete;

  // Command 4 opens the history window.
  void bindCommands(ui::CommandTable& commands);
  // The clock is in the clipboard viewer chain only while it records the clipboard; a change
  // still waiting is dropped when recording stops.
  void setRecording(bool on);
  // The clock closes: texts still waiting get a last try, without a box; what the file still
  // refuses is kept beside it for the next start.
  void flushOnExit();
  // At start: texts kept at an earlier close go into the history (the user is told if they can't).
  void takeUnwritten();
  // An open history window goes with the clock (edits not applied are lost).
  void closeHistoryWindow();

  TNkClipDetector ClipDetector;
  // The clipboard change not yet recorded.
  PendingClipChange ClipPending;
  // Tries a clipboard change again while the clipboard is held open.
  ui::Timer tmrClipRetry{PendingClipChange::kRetryMs, false};
  // The last history window opened (the capture settles its edits and refreshes it); the window
  // clears it when it is freed.
  IClipHistoryWindow* frmClip = nullptr;
  // The history window object last opened by command 4 (its window may be closed already).
  std::shared_ptr<TfrmClip> ClipForm;
  // Opens the history window unless one is open; customises it before it shows (tests).
  void OpenClipHistory();
  std::function<void(TfrmClip&)> PrepareClipForm;
  void ClipboardChanged(TNkClipDetector& sender);
  // One try at recording the clipboard's text.
  ClipTake TakeClipboard();
  // Copied texts the history file has not taken yet, and the timer that tries them again.
  HistoryBacklog Backlog;
  ui::Timer tmrBacklog{HistoryBacklog::kRetryMs, false};
  // The box that says the history file refuses the texts (tests answer it).
  std::function<int(HWND, std::string_view text, std::string_view caption, UINT flags)> AskUser;

 private:
  void SetUpClipCapture();
  void SetUpBacklog();
  std::string HistoryPath() const { return programFolder_ + "_history3"; }
  const ui::Window& owner_;
  // The clock closes: the history window is left alone.
  bool closing_ = false;
  // The history window said once this run that it could not read the file.
  bool toldUnreadable_ = false;
  const std::string& programFolder_;
  TClockSettings& settings_;
  ShowMessage showMessage_;
};

}  // namespace tockle
