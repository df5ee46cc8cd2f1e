// An up-down control, usually paired with an edit box as its buddy (UDS_SETBUDDYINT).
#pragma once

#include <utility>

#include "ui/controls.h"

namespace ui {

class UpDown : public Control {
 public:
  using Control::Control;

  void setRange(int minimum, int maximum);
  int minimum() const;
  int maximum() const;
  int position() const;  // clamped to the range
  void setPosition(int value);
  void setBuddy(HWND buddy);

  // Raised after the position changed by the arrows or keys, with the new position.
  std::function<void(int position)> onChange;

  void scroll(WORD code) override;

 protected:
  const wchar_t* className() const override { return UPDOWN_CLASSW; }

 private:
  std::pair<int, int> range() const;  // minimum, maximum
};

}  // namespace ui
