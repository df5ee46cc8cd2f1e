// The welcome tab every new memo document starts with.
#pragma once

#include <string>

namespace memo {

inline constexpr char kWelcomeTabName[] = "Welcome";
// The plain text a new split document's welcome file holds.
inline constexpr char kWelcomeText[] = "Welcome to Tavelo 3 !";
// The rich text of a new single-file document's welcome tab.
std::string welcomeRtf();

}  // namespace memo
