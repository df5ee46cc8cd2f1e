// The memo's link to the running clock: whether the clock is there (looked for at each tick of the
// save timer), the selection sent as a new alarm, and a text of the clock's clipboard history
// inserted at the caret.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/command_table.h"

namespace memo {

class RichEdit;

class ClockLink {
 public:
  // What the link reaches in the window.
  struct Host {
    // The owner of the history chooser and of the boxes.
    std::function<HWND()> window;
    // A timed text in the status line.
    std::function<void(const std::string& text)> showStatus;
    std::function<void(int id, bool on)> setActionEnabled;
  };
  ClockLink(RichEdit& editor, Host host);

  void bindCommands(ui::CommandTable& commands);
  // Looks for the clock's window: its coming and going enable the alarm command and are told in
  // the status line.
  void watchClock();
  void actSetAlarmExecute();
  void mnuInsertHistoryClick();

  bool ClockConnected = false;
  // The history file (empty: "_history3" in the program's folder) and its chooser, which answers
  // the chosen text, nothing on Cancel (the history dialog; tests replace it).
  std::string HistoryFile;
  std::function<std::optional<std::string>(const std::vector<std::string>& items)> ChooseHistory;

 private:
  RichEdit& rceMemo;
  Host host_;
};

}  // namespace memo
