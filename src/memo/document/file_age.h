// File ages as the memo program compares them: the last-write time as a 32-bit DOS date-time
// (local time, two-second steps), -1 for a file that does not exist.
#pragma once

#include <cstdint>
#include <string_view>

namespace memo {

int32_t fileAge(std::string_view path);

}  // namespace memo
