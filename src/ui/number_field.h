// A number typed into an edit box with an up-down control beside it (the edit is the up-down's
// buddy). The value is the up-down's position, so it always lies in the range. Every real change
// of it, by typing, deleting, pasting, the arrows or code, is reported once; a change back to the
// same number, or a text the range refuses, reports nothing.
#pragma once

#include <functional>

#include "ui/controls.h"
#include "ui/up_down.h"

namespace ui {

class NumberField {
 public:
  NumberField(ui::Edit& edit, ui::UpDown& upDown);

  // Once the windows exist: the range, and the largest number of characters typed.
  void Setup(int minimum, int maximum, int maxChars = 0);
  void SetRange(int minimum, int maximum);

  // Shows a value as loaded: no change is reported for it.
  void Load(int value);
  // Sets the value as a change (reported when it differs).
  void SetValue(int value);
  int Value() const { return upDown_.position(); }

  void SetEnabled(bool on);

  ui::Edit& edit() const { return edit_; }
  ui::UpDown& upDown() const { return upDown_; }

  // A real change of the value, with the new value.
  std::function<void(int value)> OnChange;
  // The arrows (or the arrow keys) moved the position.
  std::function<void(int value)> OnArrow;

 private:
  void changed();
  ui::Edit& edit_;
  ui::UpDown& upDown_;
  int last_ = 0;
};

}  // namespace ui
