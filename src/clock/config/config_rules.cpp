#include "clock/config/config_rules.h"

#include "base/text.h"
#include "clock/commands/commands.h"

namespace tockle {

std::string configTabCaption(int tab) {
  static const char* const kCaptions[kConfigTabs] = {"全般1",      "全般2",    "時計1",    "時計2",   "クリップ履歴",
                                                     "ホットキー", "システム", "ランチャ", "アラーム"};
  if (tab < 0 || tab >= kConfigTabs) return {};
  return base::fromUtf8(kCaptions[tab]);
}

std::vector<int> shownTabs(uint8_t mode) {
  switch (mode) {
    case cfgAlarmPage:
    case cfgNewAlarm:
      return {tabAlarm};
    case cfgLauncherPage:
      return {tabLaunch};
    default: {
      std::vector<int> all;
      for (int t = 0; t < kConfigTabs; ++t) all.push_back(t);
      return all;
    }
  }
}

std::vector<ConfigStep> loadSteps(uint8_t mode) {
  switch (mode) {
    case cfgAllPages:
      return {ConfigStep::CommandList, ConfigStep::SystemMenu, ConfigStep::General,
              ConfigStep::Launcher,    ConfigStep::Alarms,     ConfigStep::HotKeyFile};
    case cfgAlarmPage:
    case cfgNewAlarm:
      return {ConfigStep::Alarms};
    case cfgLauncherPage:
      return {ConfigStep::Launcher};
    default:
      return {};
  }
}

std::vector<ConfigStep> applySteps(uint8_t mode, uint8_t changedPages) {
  std::vector<ConfigStep> steps;
  if (mode == cfgAllPages) steps.push_back(ConfigStep::HotKeyFile);
  if (changedPages & cpSystemMenu) steps.push_back(ConfigStep::SystemMenu);
  if (changedPages & cpGeneral) steps.push_back(ConfigStep::General);
  if (changedPages & cpLauncher) steps.push_back(ConfigStep::Launcher);
  if (changedPages & cpAlarms) steps.push_back(ConfigStep::Alarms);
  return steps;
}

HelpRequest configHelp(uint8_t mode, int activeTab) {
  static constexpr int kTopics[kConfigTabs] = {16, 17, 129, 18, 130, 119, 0, 19, 20};
  switch (mode) {
    case cfgAllPages:
      if (activeTab < 0 || activeTab >= kConfigTabs) return {};
      if (kTopics[activeTab] == 0) return {HelpRequest::Contents, 0};
      return {HelpRequest::Topic, kTopics[activeTab]};
    case cfgLauncherPage:
      return {HelpRequest::Topic, kTopics[tabLaunch]};
    case cfgAlarmPage:
    case cfgNewAlarm:
      return {HelpRequest::Topic, kTopics[tabAlarm]};
    default:
      return {};
  }
}

}  // namespace tockle
