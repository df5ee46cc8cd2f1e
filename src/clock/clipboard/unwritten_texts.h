// Copied texts the history file still refused when the clock closed. They are kept in a history
// file of their own beside it ("_history3.unwritten", then "...unwritten2", ...: one never replaces
// another) and moved into the history at the next start, oldest file first.
#pragma once

#include <deque>
#include <string>

#include "clock/clipboard/clip_capture.h"

namespace tockle {

// Writes records (oldest first) into a new file beside historyPath; gives its path.
std::string keepUnwrittenTexts(const std::string& historyPath, const std::deque<ClipRecord>& records);

// Appends every kept file's records to the history in order and removes each file once its records
// are in; raises what the history's write raised, leaving that file (and those after it) in place.
// An append that is tried twice only moves the same text to the end again. Gives how many texts
// were moved.
int takeUnwrittenTexts(const std::string& historyPath, const TClipHistory& limits);

// The kept files beside historyPath, in the order they were written.
std::deque<std::string> unwrittenTextFiles(const std::string& historyPath);

}  // namespace tockle
