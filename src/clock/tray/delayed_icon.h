// The command-line option that shows the tray icon only some seconds after start.
#pragma once

#include <string_view>

namespace tockle {

// Seconds from a first argument "/delayed-icon:N" (letter case ignored); 0 (show at once) without
// the option, for a text that is no number, and for a number that is negative or too large for a
// timer interval.
unsigned delayedIconSeconds(std::string_view firstArgument);

}  // namespace tockle
