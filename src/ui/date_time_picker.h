// A date-time picker; with DTS_TIMEFORMAT (| DTS_UPDOWN) it edits a time of day.
#pragma once

#include "ui/controls.h"

namespace ui {

class DateTimePicker : public Control {
 public:
  using Control::Control;

  SYSTEMTIME time() const;
  void setTime(const SYSTEMTIME& value);
  // A display format in the picker's own language ("HH:mm", "H:mm:ss"); empty: the locale's.
  void setFormat(std::string_view format);

  std::function<void()> onChange;
  LRESULT notify(NMHDR& hdr) override;

 protected:
  const wchar_t* className() const override { return DATETIMEPICK_CLASSW; }
};

}  // namespace ui
