#include "memo/clock_link/alarm_request.h"

#include "base/text.h"

namespace memo {

HWND findClockWindow() { return FindWindowW(nullptr, base::wide(kClockTitle).c_str()); }

std::string alarmRequestText(std::string_view selection) {
  std::string cut = base::cut(selection, kAlarmRequestBytes);
  std::string out;
  out.reserve(cut.size());
  for (size_t i = 0; i < cut.size(); ++i) {
    char c = cut[i];
    if (c == '\r' || c == '\n') {
      // A CR LF pair is one break; a CR whose LF the cut left behind is one too.
      if (c == '\r' && i + 1 < cut.size() && cut[i + 1] == '\n') ++i;
      out += ' ';
    } else {
      out += c;  // no trail byte of a double-byte character is a CR or an LF
    }
  }
  return out;
}

bool sendAlarmRequest(HWND sender, std::string_view text) {
  if (text.empty()) return false;
  HWND clock = findClockWindow();
  if (!clock) return false;
  // The buffer is the sender's for the length of the call.
  std::string buffer(text);
  COPYDATASTRUCT data{1, static_cast<DWORD>(buffer.size()), buffer.data()};
  SendMessageW(clock, WM_COPYDATA, reinterpret_cast<WPARAM>(sender), reinterpret_cast<LPARAM>(&data));
  return true;
}

}  // namespace memo
