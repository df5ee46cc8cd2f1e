#include "clock/alarm/alarm_request.h"

#include <string_view>

#include "base/text.h"

namespace tockle {

std::string alarmRequestText(const COPYDATASTRUCT* data) {
  if (!data || !data->lpData || data->cbData == 0) return {};
  std::string_view text(static_cast<const char*>(data->lpData), data->cbData);
  text = text.substr(0, text.find('\0'));
  return base::trim(base::cut(text, kAlarmRequestBytes));
}

}  // namespace tockle
