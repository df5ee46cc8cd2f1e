#include "clock/config/pages/clock_preview.h"

#include "base/text.h"

namespace tockle {

std::string PreviewFormat(std::string_view format, std::string_view beats) {
  std::string f = base::replaceAll(format, "#r", "\r\n");
  f = base::replaceAll(f, "#i", beats);
  size_t at = base::find(f, "#b");
  if (at != std::string::npos) f.replace(at, 2, "[100%]");
  return f;
}

}  // namespace tockle
