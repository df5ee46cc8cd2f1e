#include "ui/date_time_picker.h"

#include "base/text.h"

namespace ui {

SYSTEMTIME DateTimePicker::time() const {
  SYSTEMTIME t{};
  send(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t));
  return t;
}
void DateTimePicker::setTime(const SYSTEMTIME& value) {
  send(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value));
}
void DateTimePicker::setFormat(std::string_view format) {
  std::wstring w = base::wide(format);
  send(DTM_SETFORMATW, 0, format.empty() ? 0 : reinterpret_cast<LPARAM>(w.c_str()));
}

LRESULT DateTimePicker::notify(NMHDR& hdr) {
  if (hdr.code == DTN_DATETIMECHANGE) {
    if (onChange) onChange();
    return 0;
  }
  return Control::notify(hdr);
}

}  // namespace ui
