// Reading the command list "_command".
#include "clock/commands/command_list.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "base/text_lines.h"

namespace {

using tockle::parseCommandList;

std::string entries(const std::vector<tockle::CommandEntry>& list) {
  std::string s;
  for (const auto& e : list) s += e.Name + "=" + std::to_string(e.Command) + ";";
  return s;
}

struct Case {
  const char* file;
  const char* system;
  const char* hotKey;
  bool hasHotKey;
};

class CommandListCases : public testing::TestWithParam<Case> {};

TEST_P(CommandListCases, SectionsAndLines) {
  auto list = parseCommandList(base::splitLines(GetParam().file));
  EXPECT_EQ(entries(list.System), GetParam().system);
  EXPECT_EQ(entries(list.HotKey), GetParam().hotKey);
  EXPECT_EQ(list.HasHotKeySection, GetParam().hasHotKey);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CommandListCases,
    testing::Values(
        // Lines before [System] and the [Default] section are no commands; markers count anywhere.
        Case{"a=1\r\n; [System] here\r\nMemo=1\r\nx [HotKey]\r\nHead=0\r\nMemo=1\r\n[Default]\r\nb=2\r\n", "Memo=1;",
             "Head=0;Memo=1;", true},
        // Lines without a value, values that are no number, and 0 in [System] are passed over.
        Case{"[System]\r\nnovalue\r\nempty=\r\nbad=1x\r\nzero=0\r\nneg=-2\r\nok=22\r\n[HotKey]\r\nbad=x\r\nok2=8\r\n",
             "ok=22;", "ok2=8;", true},
        // Every line takes the value of the first line of its name, letter case ignored.
        Case{"[System]\r\nName=3\r\n[HotKey]\r\nname=5\r\nNAME=7\r\n", "Name=3;", "name=3;NAME=3;", true},
        // Without [HotKey] there is no hot-key list; [Default] still ends [System].
        Case{"[System]\r\nA=1\r\n[Default]\r\nB=2\r\n", "A=1;", "", false},
        // A missing [System] leaves only that section empty.
        Case{"[HotKey]\r\nA=1\r\n", "", "A=1;", true}));

TEST(CommandList, MouseEntriesFollowTheHotKeyRowsWithHeadingsAsALine) {
  auto list = parseCommandList(base::splitLines("[System]\r\n[HotKey]\r\nHead=0\r\nMemo=1\r\n"));
  using P = std::pair<std::string, int>;
  EXPECT_EQ(list.MouseCommands(), (std::vector<P>{{"--------------", 0}, {"Memo", 1}}));
}

}  // namespace
