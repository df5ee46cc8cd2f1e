// A track bar (slider) with a range, a page step and tick marks.
#pragma once

#include "ui/controls.h"

namespace ui {

class TrackBar : public Control {
 public:
  using Control::Control;

  void setRange(int minimum, int maximum);
  int position() const;
  void setPosition(int value);
  void setPageSize(int step);
  void setTickFrequency(int every);

  // Raised while the user moves the thumb (mouse or keys), with the new position.
  std::function<void(int position)> onChange;

  void scroll(WORD code) override;

 protected:
  const wchar_t* className() const override { return TRACKBAR_CLASSW; }
};

}  // namespace ui
