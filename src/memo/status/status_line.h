// The memo window's status line: timed texts that stay for three seconds, the hints of menu items,
// tool buttons and the font boxes, and the caret line whenever neither is showing.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>

#include "memo/status/control_hints.h"
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
  };

  // bar: the status bar (simple mode); editor: whose caret the line shows.
  StatusLine(ui::Control& bar, RichEdit& editor, Host host);

  // The font boxes on the format bar show their tool tips' text while the mouse is over them.
  void showControlHints(const ui::Control& formatBar, HWND fontName, HWND fontSize);
  // What the window hands on: a menu item selected (WM_MENUSELECT; the menu closing ends its hint)
  // and a tool button's hot item changing (TBN_HOTITEMCHANGE of any of its tool bars).
  void menuSelect(WPARAM wp, LPARAM lp);
  void hotItemChange(const NMTBHOTITEM& hot);

  void ShowStatusMessage(const std::string& text);
  std::string StatusText() const;
  // The caret line, unless a timed text is showing.
  void ShowCaretPosition();
  void tmrMessageTimer();

 private:
  // A hint, or at its end (empty) the caret line again.
  void showHint(const std::string& hint);

  ui::Control& stbMemo;
  RichEdit& rceMemo;
  Host host_;
  ui::Timer tmrMessage{3000, false};
  ControlHints controlHints_;
};

}  // namespace memo
