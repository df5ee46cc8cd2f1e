// The minutes prompt: an input box that asks for a whole number of minutes, and the conversion of
// a number of minutes into a time of day.
#pragma once

#include <string>

#include "base/datetime.h"

namespace tockle {

// Shows the box until OK is pressed with a decimal integer (a sign is accepted) and answers it;
// Cancel answers 0. A box shown again keeps the last entry.
int InputMinutes(const std::string& caption, const std::string& prompt);
// The same, but OK is accepted only for lo..hi; anything else asks again.
int InputMinutesInRange(const std::string& caption, const std::string& prompt, int lo, int hi);

// minutes (taken as a 16-bit unsigned number) as a time of day: hours = minutes div 60. A day or
// more (and so every negative number) throws shared::EConvertError.
base::DateTime MinutesToTime(int minutes);

}  // namespace tockle
