// The settings dialog's fixed tables: its nine pages in tab order, the changed-page flags, the
// steps of loading and applying in their order, which pages each open mode shows and loads, and
// the help topic of each page.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tockle {

enum ConfigTab : int {
  tabGeneral = 0,
  tabSpecial = 1,
  tabClock1 = 2,
  tabClock2 = 3,
  tabClipHis = 4,
  tabHotKey = 5,
  tabSystem = 6,
  tabLaunch = 7,
  tabAlarm = 8,
  kConfigTabs = 9
};

// ChangedPages: which pages' data the next Apply or OK writes back.
enum ChangedPage : uint8_t { cpGeneral = 1, cpLauncher = 2, cpAlarms = 4, cpSystemMenu = 8 };

// The steps of loading (in this order when the dialog opens) and of applying. Each page acts on
// the steps that are its own and ignores the others.
enum class ConfigStep {
  CommandList,  // "_command" into the command lists (load only)
  SystemMenu,   // the menu tree and "_system3"
  General,      // the main window's settings fields
  Launcher,     // the launcher list in the registry
  Alarms,       // the alarm list through the alarm manager
  HotKeyFile,   // "_hot3"
};

// The tab captions (CP932).
std::string configTabCaption(int tab);

// The pages whose tabs show in an open mode, in tab order: every page in mode 0 and in an
// unknown mode, the alarm page in modes 1 and 3, the launcher page in mode 2.
std::vector<int> shownTabs(uint8_t mode);

// The load steps of an open mode, in order; none for an unknown mode.
std::vector<ConfigStep> loadSteps(uint8_t mode);

// The write-back steps of an apply, in order: "_hot3" in mode 0 whatever the flags say, then the
// flagged system menu, general pages, launcher and alarms.
std::vector<ConfigStep> applySteps(uint8_t mode, uint8_t changedPages);

// What Help opens: a topic number, the help file's contents, or nothing.
struct HelpRequest {
  enum Kind { None, Topic, Contents } kind = None;
  int topic = 0;
};
// Mode 0: the active page's topic (the system page has none of its own: the contents);
// mode 2: 19; modes 1 and 3: 20; other modes: nothing.
HelpRequest configHelp(uint8_t mode, int activeTab);

// Help topic of the launcher list's own "ヘルプ(&H)" entry, opened as a context pop-up.
inline constexpr int kLauncherListHelpTopic = 68;

}  // namespace tockle
