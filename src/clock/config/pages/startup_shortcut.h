// The clock's entry "\Tockle3.lnk" in the user's Startup folder, put there and taken out by the
// buttons of the settings dialog.
#pragma once

#include <string>

namespace tockle {

inline constexpr char kStartupLinkFile[] = "\\Tockle3.lnk";

enum class StartupOutcome { Done, NoFolder, Failed };

// A shortcut to the program file (its name the description, its folder the working folder).
StartupOutcome CreateStartupShortcut(const std::string& programPath);
// Nothing to delete is no failure.
StartupOutcome DeleteStartupShortcut();

}  // namespace tockle
