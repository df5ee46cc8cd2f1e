// The one place where the programs hand a file, folder or address to the shell to open. Tests
// replace the opener so that nothing starts on the test machine.
#pragma once

#include <functional>
#include <string>

namespace shared {

// target: file, folder or address (CP932); folder: the working folder, empty for none.
using ShellOpener = std::function<void(const std::string& target, const std::string& folder)>;

// The opener in use (ShellExecute with "open", shown); assign to replace it.
ShellOpener& shellOpener();
void openInShell(const std::string& target, const std::string& folder = {});

}  // namespace shared
