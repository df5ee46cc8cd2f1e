// The memo window's status line: timed texts that stay for three seconds, the hints of menu items,
// tool buttons and the font boxes, and the caret line whenever the line is empty.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "memo/status/control_hints.h"
#include "ui/subclass.h"
#include "ui/timer.h"

namespace ui {
class Control;
}  // namespace ui

namespace memo {

class RichEdit;

class StatusLine {
 public:
  // What the line learns from the window.
  struct Host {
    // The caret line says whether the clock is there.
    std::function<bool()> clockConnected;
    // Nothing is refreshed while the window closes.
    std::function<bool()> closing;
    // The program became the active one (the window's messages are watched here).
    std::function<void()> activated;
  };

  // bar: the status bar (simple mode); editor: whose caret the line shows.
  StatusLine(ui::Control& bar, RichEdit& editor, Host host);

  // Watches the window's messages (menu selection, tool buttons' hot item, activation, any message
  // after which the line is empty); the font boxes on the format bar show their tool tips' text.
  void watch(HWND window, const ui::Control& formatBar, HWND fontName, HWND fontSize);

  void ShowStatusMessage(const std::string& text);
  std::string StatusText() const;
  // The caret line, unless a timed text is showing.
  void ShowCaretPosition();
  void tmrMessageTimer();

 private:
  void refreshEmptyStatus();
  void showHint(const std::string& hint);
  void menuHint(UINT item, UINT flags, HMENU menu);

  ui::Control& stbMemo;
  RichEdit& rceMemo;
  Host host_;
  ui::Timer tmrMessage{3000, false};
  ui::Subclass statusWatch_;
  ControlHints controlHints_;
};

}  // namespace memo
