#include "shared/shell_open.h"

#include <windows.h>

#include <shellapi.h>

#include "base/com.h"
#include "base/text.h"

namespace shared {

ShellOpener& shellOpener() {
  static ShellOpener opener = [](const std::string& target, const std::string& folder) {
    // The shell's answer is not reported: a target that cannot be opened ends like one that can.
    base::ensureCom();
    ShellExecuteW(nullptr, L"open", base::wide(target).c_str(), nullptr,
                  folder.empty() ? nullptr : base::wide(folder).c_str(), SW_SHOW);
  };
  return opener;
}

void openInShell(const std::string& target, const std::string& folder) {
  if (shellOpener()) shellOpener()(target, folder);
}

}  // namespace shared
