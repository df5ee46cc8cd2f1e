#include "ui/number_field.h"

#include <string>

namespace ui {

NumberField::NumberField(ui::Edit& edit, ui::UpDown& upDown) : edit_(edit), upDown_(upDown) {
  edit_.onChange = [this] { changed(); };
  // A typed number the range refuses is shown again as the value it left.
  edit_.onCommand = [this](WORD code) {
    if (code == EN_KILLFOCUS && edit_.text() != std::to_string(Value())) edit_.setNumber(Value());
  };
  upDown_.onChange = [this](int position) {
    changed();
    if (OnArrow) OnArrow(position);
  };
}

void NumberField::Setup(int minimum, int maximum, int maxChars) {
  upDown_.setBuddy(edit_.handle());
  SetRange(minimum, maximum);
  if (maxChars > 0) edit_.setMaxLength(maxChars);
}

void NumberField::SetRange(int minimum, int maximum) {
  upDown_.setRange(minimum, maximum);
  changed();
}

void NumberField::Load(int value) {
  upDown_.setPosition(value);
  last_ = Value();
}

void NumberField::SetValue(int value) {
  upDown_.setPosition(value);
  changed();
}

void NumberField::SetEnabled(bool on) {
  edit_.setEnabled(on);
  upDown_.setEnabled(on);
}

void NumberField::changed() {
  const int now = Value();
  if (now == last_) return;
  last_ = now;
  if (OnChange) OnChange(now);
}

}  // namespace ui
