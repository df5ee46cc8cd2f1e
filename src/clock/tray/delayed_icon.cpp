#include "clock/tray/delayed_icon.h"

#include "base/text.h"

namespace tockle {

unsigned delayedIconSeconds(std::string_view arg) {
  constexpr std::string_view kOption = "/delayed-icon:";
  if (arg.size() < kOption.size() || !base::equalsNoCase(arg.substr(0, kOption.size()), kOption)) return 0;
  long long n = 0;
  if (!base::parseInt(arg.substr(kOption.size()), n)) return 0;
  // A window timer takes at most 0x7FFFFFFF ms.
  if (n <= 0 || n > 0x7FFFFFFF / 1000) return 0;
  return static_cast<unsigned>(n);
}

}  // namespace tockle
