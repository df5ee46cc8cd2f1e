// Automatic access keys of a menu: every entry gets an underlined character of its own.
#pragma once

#include <string>
#include <vector>

namespace tockle {

// The captions with access keys: a caption whose own "&" key is still free keeps it; any other
// gets "&" before its first letter or digit whose key is still free, or, with none, "(&X)" appended
// with the first free key of "1234567890QWERTYUIOPASDFGHJKLZXCVBNM". Keys are unique without
// regard to letter case. Captions "" and "-" (separators) are left alone. "&&" is a plain "&".
std::vector<std::string> autoAccessKeys(std::vector<std::string> captions);

}  // namespace tockle
