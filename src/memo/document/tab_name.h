// Tab names are compared as the system compares text for the user: ignoring letter case by the
// locale's rules, so that full-width letters match too (Ａ and ａ), not only A-Z.
#pragma once

#include <string_view>

namespace memo {

bool sameTabName(std::string_view a, std::string_view b);

}  // namespace memo
