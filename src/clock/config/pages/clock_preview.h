// The clock text the settings dialog previews for a display format.
#pragma once

#include <string>
#include <string_view>

namespace tockle {

// What the preview hands to the date-time formatter: every "#r" a line break, every "#i" the
// beats text, the first "#b" a stand-in for the battery text (a further "#b" stays as it is).
std::string PreviewFormat(std::string_view format, std::string_view beats);

}  // namespace tockle
