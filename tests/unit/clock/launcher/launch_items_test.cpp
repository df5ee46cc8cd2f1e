// The stored launcher list: read up to the first gap, written without gaps.
#include "clock/launcher/launch_items.h"

#include <gtest/gtest.h>

#include <stdexcept>

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

// A kill after the K-th registry write of a save, for every K (and after the first write of the
// finishing start): the start that follows finds the whole old list or the whole new one.
TEST_F(LaunchItems, AKillBetweenAnyTwoWritesOfASaveLeavesTheOldOrTheNewListWhole) {
  const std::vector<TLaunchItem> one = {{"c", "c.exe", "", "-x", "c.ico", 2}},
                                 three = {{"a", "a.exe", "C:\\A"}, tockle::separatorItem(false), {"c", "c.exe"}};
  const std::vector<TLaunchItem> changes[][2] = {{one, three}, {three, one}, {three, {three[2], three[1], three[0]}}};
  auto text = [](const std::vector<TLaunchItem>& items) {
    std::string out;
    for (const auto& i : items) out += i.Name + i.Path + i.Folder + i.Param + i.IconPath + std::to_string(i.Icon) + ";";
    return out;
  };
  auto killedAfter = [](int k) {
    return [k]() mutable {
      if (k-- == 0) throw std::range_error("killed");
    };
  };
  for (const auto& c : changes) {
    int writes = 0;
    tockle::WriteLaunchItems(reg, c[0]);
    tockle::WriteLaunchItems(reg, c[1], [&] { ++writes; });
    for (int k = 0; k < writes; ++k) {
      tockle::WriteLaunchItems(reg, c[0]);
      EXPECT_THROW(tockle::WriteLaunchItems(reg, c[1], killedAfter(k)), std::range_error);
      try {
        tockle::FinishLaunchItemsWrite(reg, killedAfter(1));
      } catch (const std::range_error&) {
        tockle::FinishLaunchItemsWrite(reg);
      }
      std::string got = text(tockle::ReadLaunchItems(reg));
      EXPECT_TRUE(got == text(c[0]) || got == text(c[1])) << text(c[1]) << " k=" << k << ": " << got;
      EXPECT_FALSE(reg.KeyExists(key.path() + "\\LaunchList.new")) << k;
    }
  }
}

}  // namespace
