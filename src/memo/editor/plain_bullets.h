// Bullet characters for a plain tab: what the selection is replaced with.
#pragma once

#include <string>
#include <string_view>

namespace memo {

// "・" before the first line and before every following line, whose indentation is removed;
// blank lines inside are dropped, and blanks at the end; a selection that ended with a line break
// keeps it, so the next line stays a line of its own. Lines end CR LF. Linear in the size.
std::string PlainBullets(std::string_view selection);

}  // namespace memo
