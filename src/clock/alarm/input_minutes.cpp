#include "clock/alarm/input_minutes.h"

#include <limits>

#include "base/text.h"
#include "shared/history_file.h"
#include "shared/prompts.h"

namespace tockle {

namespace {

int askMinutes(const std::string& caption, const std::string& prompt, int lo, int hi) {
  std::string entry;
  for (;;) {
    if (!shared::prompts().inputQuery(nullptr, caption, prompt, entry)) return 0;
    long long n = 0;
    if (base::parseInt(base::trim(entry), n) && n >= lo && n <= hi) return static_cast<int>(n);
  }
}

}  // namespace

int InputMinutes(const std::string& caption, const std::string& prompt) {
  return askMinutes(caption, prompt, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

int InputMinutesInRange(const std::string& caption, const std::string& prompt, int lo, int hi) {
  return askMinutes(caption, prompt, lo, hi);
}

base::DateTime MinutesToTime(int minutes) {
  unsigned m = static_cast<unsigned>(minutes) & 0xFFFFu;
  unsigned hours = m / 60;
  if (hours >= 24) throw shared::EConvertError("Invalid argument to time encode");
  return (hours * 60.0 + m % 60) / 1440.0;
}

}  // namespace tockle
