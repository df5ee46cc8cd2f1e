// Tab names are compared as the system compares text for the user: ignoring letter case by the
// locale's rules, so that full-width letters match too (Ａ and ａ), not only A-Z.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace memo {

// The one comparison of tab names, wherever two are compared (lookups, duplicate checks, the
// last tab shown): the file system, too, treats the names of tab files ignoring case.
bool sameTabName(std::string_view a, std::string_view b);

// A name that compares equal to an earlier one (a document written by hand or by an older
// version) gets the smallest number from 2 on that makes it differ from every other name, so
// that each tab can be found and has a file of its own. Empty names stay. True when any changed.
bool makeTabNamesDistinct(std::vector<std::string>& names);

}  // namespace memo
