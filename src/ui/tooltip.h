// Hints for controls: one tool-tip window (owned by the controls' top-level window and destroyed
// with it), one tool per control. Also drives a tool-tip window made by a control itself (a tool
// bar's TB_GETTOOLTIPS) through attach().
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace ui {

class Tooltip {
 public:
  Tooltip() = default;
  ~Tooltip();
  Tooltip(const Tooltip&) = delete;
  Tooltip& operator=(const Tooltip&) = delete;

  // Before the first add(): the tool-tip window stays above top-most windows.
  bool topMost = false;

  // Uses an existing tool-tip window, which this object then never destroys.
  void attach(HWND tooltip);
  HWND handle() const { return hwnd_; }

  // Shows text (CP932) while the mouse rests on control; a second call for the same control
  // replaces its text. Creates the tool-tip window at the first call.
  void add(HWND control, std::string_view text);
  void remove(HWND control);
  // Wraps lines at this width (pixels); -1: one line. Kept for a window made later.
  void setMaxWidth(int pixels);
  void setActive(bool on);
  // The text shown for control, empty when none.
  std::string text(HWND control) const;

 private:
  HWND hwnd_ = nullptr;
  bool owned_ = false;
  int maxWidth_ = -1;
};

}  // namespace ui
