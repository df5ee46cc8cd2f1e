// The settings dialog's tables: tabs and load steps by open mode, apply steps by flags, help.
#include <gtest/gtest.h>

#include "clock/config/config_rules.h"

namespace {

using tockle::ConfigStep;

TEST(ConfigRules, ModesShowAndLoadTheirPages) {
  EXPECT_EQ(tockle::shownTabs(0).size(), 9u);
  EXPECT_EQ(tockle::shownTabs(1), std::vector<int>{tockle::tabAlarm});
  EXPECT_EQ(tockle::shownTabs(2), std::vector<int>{tockle::tabLaunch});
  EXPECT_EQ(tockle::shownTabs(3), std::vector<int>{tockle::tabAlarm});
  EXPECT_EQ(tockle::shownTabs(7).size(), 9u);  // unknown: no tab hidden, nothing loaded
  EXPECT_TRUE(tockle::loadSteps(7).empty());
  EXPECT_EQ(tockle::loadSteps(0),
            (std::vector<ConfigStep>{ConfigStep::CommandList, ConfigStep::SystemMenu, ConfigStep::General,
                                     ConfigStep::Launcher, ConfigStep::Alarms, ConfigStep::HotKeyFile}));
  EXPECT_EQ(tockle::loadSteps(3), std::vector<ConfigStep>{ConfigStep::Alarms});
  EXPECT_EQ(tockle::loadSteps(2), std::vector<ConfigStep>{ConfigStep::Launcher});
}

TEST(ConfigRules, ApplyWritesHotKeysInModeZeroAndTheFlaggedPagesInOrder) {
  EXPECT_EQ(tockle::applySteps(0, 0), std::vector<ConfigStep>{ConfigStep::HotKeyFile});
  EXPECT_TRUE(tockle::applySteps(1, 0).empty());
  EXPECT_EQ(tockle::applySteps(0, 15),
            (std::vector<ConfigStep>{ConfigStep::HotKeyFile, ConfigStep::SystemMenu, ConfigStep::General,
                                     ConfigStep::Launcher, ConfigStep::Alarms}));
  EXPECT_EQ(tockle::applySteps(2, tockle::cpLauncher | tockle::cpAlarms),
            (std::vector<ConfigStep>{ConfigStep::Launcher, ConfigStep::Alarms}));
}

struct HelpCase {
  int mode, tab;
  tockle::HelpRequest::Kind kind;
  int topic;
};
class ConfigHelp : public testing::TestWithParam<HelpCase> {};
TEST_P(ConfigHelp, ByModeAndPage) {
  auto h = tockle::configHelp(static_cast<uint8_t>(GetParam().mode), GetParam().tab);
  EXPECT_EQ(h.kind, GetParam().kind);
  if (h.kind == tockle::HelpRequest::Topic) {
    EXPECT_EQ(h.topic, GetParam().topic);
  }
}
using K = tockle::HelpRequest;
INSTANTIATE_TEST_SUITE_P(Table, ConfigHelp,
                         testing::Values(HelpCase{0, 0, K::Topic, 16}, HelpCase{0, 2, K::Topic, 129},
                                         HelpCase{0, 5, K::Topic, 119}, HelpCase{0, 6, K::Contents, 0},
                                         HelpCase{0, 7, K::Topic, 19}, HelpCase{0, 8, K::Topic, 20},
                                         HelpCase{2, 7, K::Topic, 19}, HelpCase{1, 8, K::Topic, 20},
                                         HelpCase{3, 8, K::Topic, 20}, HelpCase{9, 0, K::None, 0}));

}  // namespace
