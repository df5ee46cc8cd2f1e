// Shared helpers of the alarm tests: date-times by their parts, a recorder for the error boxes
// and the raw lines of an alarm file.
#pragma once

#include <string>
#include <vector>

#include "base/datetime.h"
#include "base/files.h"
#include "clock/alarm/alarm_item.h"
#include "support/fake_prompts.h"

namespace alarm_test {

inline base::DateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(y);
  st.wMonth = static_cast<WORD>(mo);
  st.wDay = static_cast<WORD>(d);
  st.wHour = static_cast<WORD>(h);
  st.wMinute = static_cast<WORD>(mi);
  st.wSecond = static_cast<WORD>(s);
  return base::fromSystemTime(st);
}
inline base::DateTime tod(int h, int mi, int s = 0) { return (h * 3600 + mi * 60 + s) / 86400.0; }

// An enabled alarm on every weekday; it shows its message when it has one.
inline tockle::TKzAlarmTockle alarm(const std::string& message, base::DateTime start, base::DateTime end,
                                    bool reCall = false) {
  tockle::TKzAlarmTockle item;
  item.Enabled = true;
  item.WeekDay.fill(true);
  item.StartTime = start;
  item.EndTime = end;
  item.MessageString = message;
  item.ShowMessage = !message.empty();
  item.ReCall = reCall;
  return item;
}

// Replaces the error boxes with a recorder for the lifetime of the object.
class ErrorBoxes {
 public:
  ErrorBoxes() {
    prompts_.answer = [this](const test::FakePrompts::Box& box) {
      captions.push_back(box.caption);
      texts.push_back(box.text);
      return IDOK;
    };
  }
  std::vector<std::string> captions, texts;

 private:
  test::FakePrompts prompts_;
};

// The file's lines without their line ends.
inline std::vector<std::string> lines(const std::string& path) {
  std::vector<std::string> out;
  std::string bytes = base::readFile(path).value_or("");
  size_t from = 0;
  while (from < bytes.size()) {
    size_t end = bytes.find('\n', from);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(from, end - from);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) out.push_back(line);
    from = end + 1;
  }
  return out;
}

// The key names of a section, in file order.
inline std::vector<std::string> keysOf(const std::string& path, const std::string& section) {
  std::vector<std::string> keys;
  bool inside = false;
  for (const auto& l : lines(path)) {
    if (!l.empty() && l[0] == '[') {
      inside = l == "[" + section + "]";
      continue;
    }
    if (inside) keys.push_back(l.substr(0, l.find('=')));
  }
  return keys;
}

}  // namespace alarm_test
