#include "clock/settings/pages/number_field.h"

#include <string>

namespace tockle {

TNumberField::TNumberField(ui::Edit& edit, ui::UpDown& upDown) : edit_(edit), upDown_(upDown) {
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

void TNumberField::Setup(int minimum, int maximum, int maxChars) {
  upDown_.setBuddy(edit_.handle());
  SetRange(minimum, maximum);
  if (maxChars > 0) edit_.setMaxLength(maxChars);
}

void TNumberField::SetRange(int minimum, int maximum) {
  upDown_.setRange(minimum, maximum);
  changed();
}

void TNumberField::Load(int value) {
  upDown_.setPosition(value);
  last_ = Value();
}

void TNumberField::SetValue(int value) {
  upDown_.setPosition(value);
  changed();
}

void TNumberField::SetEnabled(bool on) {
  edit_.setEnabled(on);
  upDown_.setEnabled(on);
}

void TNumberField::changed() {
  const int now = Value();
  if (now == last_) return;
  last_ = now;
  if (OnChange) OnChange(now);
}

}  // namespace tockle
