// Symbolic links for tests. Wine 8 cannot make one (CreateSymbolicLinkW does nothing and answers
// success), so the host's own "ln -s" makes it, started as Wine starts any host program.
#pragma once

#include <string>

namespace test {

// Makes link a symbolic link to target (both Windows paths, CP932); true when the link is there.
bool makeSymbolicLink(const std::string& link, const std::string& target);

}  // namespace test
