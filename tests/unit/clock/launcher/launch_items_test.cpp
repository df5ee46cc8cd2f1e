// The stored launcher list: read up to the first gap, written without gaps.
#include "clock/launcher/launch_items.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "support/test_key.h"

namespace {

using tockle::launchValueName;
using tockle::TLaunchItem;

class LaunchItems : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(reg.OpenKey(key.path(), true)); }
  void store(int n, const std::string& name) {
    reg.WriteString(launchValueName("App", n), name);
    reg.WriteString(launchValueName("AppPath", n), name + ".exe");
    reg.WriteInteger(launchValueName("AppCache", n), n);
  }
  test::TestKey key{"LaunchItems"};
  shared::TKzRegEx reg;
};

TEST_F(LaunchItems, ASavedListReadsBackWithItsSeparators) {
  std::vector<TLaunchItem> items = {{"Memo", "C:\\m.exe;C:\\n.exe", "C:\\", "-a", "C:\\i.ico", 3},
                                    tockle::separatorItem(false),
                                    tockle::separatorItem(true)};
  tockle::WriteLaunchItems(reg, items);
  auto back = tockle::ReadLaunchItems(reg);
  ASSERT_EQ(back.size(), 3u);
  EXPECT_EQ(back[0].Path, "C:\\m.exe;C:\\n.exe");
  EXPECT_EQ(back[0].Icon, 3);
  for (int n : {1, 2}) {
    EXPECT_EQ(back[n].Name, "-");
    EXPECT_EQ(back[n].Folder, "****");
    EXPECT_EQ(back[n].Param, "****");
    EXPECT_EQ(back[n].IconPath, "");
    EXPECT_EQ(reg.ReadInteger(launchValueName("AppIcon", n)), 0);
  }
  EXPECT_EQ(back[1].Path, "[区切り]"_sj);
  EXPECT_EQ(back[2].Path, "[行切り]"_sj);
}

TEST_F(LaunchItems, SavingFewerItemsDeletesAllValuesBeyondTheCountAndKeepsTheOthersCacheNumbers) {
  for (int n = 0; n < 5; ++n) store(n, std::string(1, static_cast<char>('a' + n)));
  tockle::WriteLaunchItems(reg, {{"a", "a.exe"}, {"b", "b.exe"}, {"c", "c.exe"}});
  for (int n : {3, 4})
    for (const char* name : {"App", "AppPath", "AppFolder", "AppParam", "AppIconPath", "AppIcon", "AppCache"})
      EXPECT_FALSE(reg.ValueExists(launchValueName(name, n))) << name << n;
  for (int n = 0; n < 3; ++n) EXPECT_EQ(reg.ReadInteger(launchValueName("AppCache", n)), n);
}

TEST_F(LaunchItems, AGapEndsTheListAndSurvivesASave) {
  for (int n : {0, 1, 3}) store(n, std::string(1, static_cast<char>('a' + n)));
  auto items = tockle::ReadLaunchItems(reg);
  EXPECT_EQ(items.size(), 2u);
  tockle::WriteLaunchItems(reg, items);
  EXPECT_EQ(reg.ReadString("App3"), "d");
  reg.DeleteValue("App0");
  EXPECT_TRUE(tockle::ReadLaunchItems(reg).empty());
}

// A kill after the K-th registry write of a save, for every K: the start that follows finds the
// whole old list or the whole new one, and no half-written list is left behind.
TEST_F(LaunchItems, AKillBetweenAnyTwoWritesOfASaveLeavesTheOldOrTheNewListWhole) {
  struct Change {
    const char* name;
    std::vector<TLaunchItem> from, to;
  };
  const std::vector<TLaunchItem> three = {{"a", "a.exe", "C:\\A"}, tockle::separatorItem(false), {"c", "c.exe"}};
  const Change changes[] = {
      {"longer", {{"a", "a.exe"}}, three},
      {"shorter", three, {{"c", "c.exe", "", "-x", "c.ico", 2}}},
      {"swapped", three, {three[2], three[1], three[0]}},
  };
  auto names = [](const std::vector<TLaunchItem>& items) {
    std::string out;
    for (const auto& i : items)
      out += i.Name + "|" + i.Path + "|" + i.Folder + "|" + i.Param + "|" + i.IconPath + "|" + std::to_string(i.Icon) +
             ";";
    return out;
  };
  struct Killed {};
  for (const Change& c : changes) {
    int writes = 0;
    tockle::WriteLaunchItems(reg, c.from);
    tockle::WriteLaunchItems(reg, c.to, [&] { ++writes; });
    for (int k = 0; k <= writes; ++k) {
      tockle::WriteLaunchItems(reg, c.from);
      int left = k;
      try {
        tockle::WriteLaunchItems(reg, c.to, [&] {
          if (left-- == 0) throw Killed{};
        });
      } catch (const Killed&) {
      }
      // The next start; a kill during its own finishing is tried too.
      left = 1;
      try {
        tockle::FinishLaunchItemsWrite(reg, [&] {
          if (left-- == 0) throw Killed{};
        });
      } catch (const Killed&) {
        tockle::FinishLaunchItemsWrite(reg);
      }
      std::string got = names(tockle::ReadLaunchItems(reg));
      EXPECT_TRUE(got == names(c.from) || got == names(c.to)) << c.name << " k=" << k << ": " << got;
      if (k == writes) EXPECT_EQ(got, names(c.to)) << c.name;
      EXPECT_FALSE(reg.KeyExists(key.path() + "\\LaunchList.new")) << c.name << " k=" << k;
    }
  }
}

}  // namespace
