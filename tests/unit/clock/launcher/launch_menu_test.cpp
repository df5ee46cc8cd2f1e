// The launcher menu built from the registry: entries, columns, drawn separators, icons and their
// cache file, access keys, and the start of a chosen item.
#include "clock/launcher/launch_menu.h"

#include <gtest/gtest.h>

#include <cstring>

#include "base/files.h"
#include "base/text.h"
#include "clock/commands/commands.h"
#include "clock/launcher/access_keys.h"
#include "clock/launcher/icon_cache.h"
#include "clock/launcher/launch_items.h"
#include "clock/launcher/launcher_area.h"
#include "unit/clock/clock_fixture.h"
#include "support/e2e.h"
#include "support/temp_folder.h"
#include "support/test_key.h"
#include "ui/form.h"

namespace {

using tockle::launchValueName;
using tockle::TLaunchMenu;

const std::string kNoIcons = "C:\\no\\such.exe";

class LaunchMenu : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(reg.OpenKey(key.path(), true)); }
  void item(int n, const std::string& name, const std::string& path) {
    reg.WriteString(launchValueName("App", n), name);
    reg.WriteString(launchValueName("AppPath", n), path);
  }
  void build(int size = 16, bool icons = true) { menu.Build(reg, cache(), icons, size); }
  std::string cache() const { return folder.file("_cache3"); }
  // Caption, column break, drawn separator, disabled and default, of each entry of the Win32 menu.
  std::vector<std::string> shown() {
    base::Menu m = menu.CreatePopup();
    std::vector<std::string> out;
    for (int i = 0; i < GetMenuItemCount(m.get()); ++i) {
      wchar_t text[128] = {};
      MENUITEMINFOW mii{sizeof mii, MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_BITMAP};
      mii.dwTypeData = text;
      mii.cch = 128;
      GetMenuItemInfoW(m.get(), i, TRUE, &mii);
      std::string s = mii.fType & MFT_OWNERDRAW ? "---" : base::cp932(text);
      if (mii.fType & MFT_MENUBARBREAK) s = "|" + s;
      if (mii.fState & MFS_DISABLED) s += " (off)";
      if (mii.fState & MFS_DEFAULT) s += " (default)";
      if (mii.hbmpItem) s += " (image)";
      out.push_back(s);
    }
    return out;
  }
  test::TestKey key{"LaunchMenu"};
  test::TempFolder folder;
  shared::TKzRegEx reg;
  TLaunchMenu menu;
};

TEST_F(LaunchMenu, WithoutItemsItShowsTheDisabledPlaceholderAndWritesNoCache) {
  item(1, "hidden by the gap", kNoIcons);
  build();
  EXPECT_EQ(shown(),
            (std::vector<std::string>{"(未設定)"_sj + " (off)", "---", "ランチャの設定(&S)"_sj + " (default)"}));
  EXPECT_FALSE(base::fileExists(cache()));
}

TEST_F(LaunchMenu, ColumnBreaksSeparatorsAndAutomaticAccessKeys) {
  const std::vector<std::string> paths = {
      kNoIcons, tockle::lineCutMarker(), tockle::lineCutMarker(), kNoIcons, tockle::rowCutMarker(),
      kNoIcons, tockle::lineCutMarker()};
  const std::vector<std::string> names = {"Alpha", "-", "-", "Alto", "-", "メモ"_sj, "-"};
  for (int n = 0; n < 7; ++n) item(n, names[n], paths[n]);
  build();
  EXPECT_EQ(shown(), (std::vector<std::string>{"&Alpha", "|A&lto", "---", "メモ(&1)"_sj, "---",
                                               "ランチャの設定(&S)"_sj + " (default)"}));
  menu.AutoHotkeys = false;
  EXPECT_EQ(shown()[0], "Alpha");
}

TEST(AccessKeys, OwnKeysComeFirstAndEveryEntryGetsAFreeOne) {
  using V = std::vector<std::string>;
  EXPECT_EQ(tockle::autoAccessKeys({"Save", "&Stop", "S&s", "a&&b", "-", ""}),
            (V{"S&ave", "&Stop", "Ss(&1)", "a&&&b", "-", ""}));
  // The second byte of a double-byte character is never taken for a key.
  EXPECT_EQ(tockle::autoAccessKeys({"ア"_sj, "ア&X"_sj, "アQ"_sj}), (V{"ア(&1)"_sj, "ア&X"_sj, "ア&Q"_sj}));
}

TEST_F(LaunchMenu, IconsAreDrawnOnceThenReadFromTheCacheWithTheSamePixels) {
  item(0, "none", kNoIcons);
  item(1, "clock", base::programPath());
  build(24);
  ASSERT_EQ(menu.iglLaunch.size(), 1u);
  EXPECT_EQ(reg.ReadInteger("AppCache0"), -1);
  EXPECT_EQ(reg.ReadInteger("AppCache1"), 0);
  EXPECT_EQ(base::readFile(cache())->size(), 4u + tockle::bmp16Length(24));
  const std::vector<std::string> fromFiles = menu.iglLaunch;
  // The cache is used now: the item's file no longer matters.
  reg.WriteString("AppPath1", kNoIcons);
  build(24);
  EXPECT_EQ(menu.iglLaunch, fromFiles);
  EXPECT_EQ(menu.Items[0].ImageIndex, -1);
  EXPECT_EQ(menu.Items[1].ImageIndex, 0);
  EXPECT_EQ(shown()[1], "&clock (image)");
  // A cache number past the cached images shows the column's empty image.
  reg.WriteInteger("AppCache0", 5);
  build(24);
  EXPECT_EQ(menu.Items[0].ImageIndex, 5);
  EXPECT_EQ(shown()[0], "&none (image)");
}

TEST_F(LaunchMenu, IconsOffOrSizeZeroOrHugeShowNoImagesAndLeaveTheCacheAlone) {
  item(0, "clock", base::programPath());
  // A size no cache image can have (its length would not fit the cache's length field) is never
  // drawn nor read.
  for (auto [size, icons] : {std::pair{16, false}, std::pair{0, true}, std::pair{40000, true}}) {
    build(size, icons);
    EXPECT_TRUE(menu.iglLaunch.empty());
    EXPECT_EQ(menu.Items[0].ImageIndex, -1);
    EXPECT_FALSE(base::fileExists(cache()));
    EXPECT_FALSE(reg.ValueExists("AppCache0"));
  }
}

// A cache that cannot be trusted is drawn again from the files and rewritten.
class DamagedCache : public LaunchMenu, public testing::WithParamInterface<std::string> {};

std::string int32(int32_t v) { return std::string(reinterpret_cast<const char*>(&v), 4); }
std::string otherSizeImage() {
  ui::Bitmap b(20, 20);
  return tockle::encodeBmp16(b);
}
std::string lyingHeader() {
  ui::Bitmap b(16, 16);
  std::string image = tockle::encodeBmp16(b);
  image[18] = 17;  // width 17 in a record of a 16-pixel image's length
  return int32(static_cast<int32_t>(image.size())) + image;
}

TEST_P(DamagedCache, IsDrawnAgainAndRewritten) {
  item(0, "clock", base::programPath());
  build(16);
  const std::vector<std::string> fromFiles = menu.iglLaunch;
  base::writeFileAtomic(cache(), GetParam());
  reg.WriteInteger("AppCache0", 3);
  build(16);
  EXPECT_EQ(menu.iglLaunch, fromFiles);
  EXPECT_EQ(reg.ReadInteger("AppCache0"), 0);
  EXPECT_EQ(tockle::decodeIconCache(base::readFile(cache()).value_or(""), 16), fromFiles);
}

INSTANTIATE_TEST_SUITE_P(Kinds, DamagedCache,
                         testing::Values(std::string("\x10\x02", 2), int32(0), int32(-5), int32(100000),
                                         int32(tockle::bmp16Length(20)) + otherSizeImage(), lyingHeader(),
                                         int32(tockle::bmp16Length(16)) + std::string(10, 'x')));

// The launcher area alone on a key of its own: a click starts what the registry holds now, the
// settings entry opens the launcher page.
TEST(LauncherArea, AnItemStartsWhatTheRegistryHoldsNowSeparatorsStartNothing) {
  test::TestKey key{"Launcher"};
  test::TempFolder folder;
  ui::Form owner;  // the clock window, never created
  tockle::TClockSettings settings;
  std::vector<std::string> started;
  std::vector<int> modes;
  tockle::LauncherArea area(owner, key.path(), folder.path(), settings,
                            {[&](uint8_t mode) { modes.push_back(mode); },
                             [&](const std::string& list, const std::string& params, const std::string& folder) {
                               started.push_back(list + "|" + params + "|" + folder);
                             }});
  shared::TKzRegEx r;
  ASSERT_TRUE(r.OpenKey(key.path(), true));
  tockle::WriteLaunchItems(r, {{"a", "C:\\old.exe"}, tockle::separatorItem(false)});
  area.listChanged();
  tockle::WriteLaunchItems(r, {{"a", "C:\\P\\new.exe;C:\\Q\\b.exe", "C:\\W", "-x"}, tockle::separatorItem(false)});
  for (const auto& entry : area.menu().Items)
    if (entry.Tag >= 0) area.LauncherItemClick(entry);
  EXPECT_EQ(started, std::vector<std::string>{"C:\\P\\new.exe;C:\\Q\\b.exe|-x|C:\\W"});
  area.mnuSetLaunchClick();
  EXPECT_EQ(modes, std::vector<int>{tockle::cfgLauncherPage});
}

class LauncherClick : public test::ClockFixture {};

// The columns from the first to the last dark (text) pixel of the last entry of the launcher menu
// as the clock shows it; -1 when the menu did not show.
int lastEntryTextWidth = -1;
int measureTicks = 0;
void CALLBACK measureLastEntry(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND menuWindow = FindWindowW(L"#32768", nullptr);
  if (!menuWindow || !IsWindowVisible(menuWindow)) return;
  HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
  RECT r{};
  if (GetMenuItemRect(nullptr, menu, static_cast<UINT>(GetMenuItemCount(menu) - 1), &r)) {
    const int w = r.right - r.left;
    const std::vector<uint32_t> pixels = test::screenPixels(r);
    auto dark = [](uint32_t p) { return ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 3 * 96; };
    // The screen is black where the menu has not painted yet: measure once its corners show the
    // menu's background (a menu that never shows one is measured after a while all the same).
    if (++measureTicks < 250 &&
        (pixels.empty() || dark(pixels.front()) || dark(pixels.back()) || dark(pixels[static_cast<size_t>(w - 1)]) ||
         dark(pixels[pixels.size() - static_cast<size_t>(w)])))
      return;
    int first = w, last = -1;
    for (size_t i = 0; i < pixels.size(); ++i) {
      if (!dark(pixels[i])) continue;
      first = std::min(first, static_cast<int>(i % w));
      last = std::max(last, static_cast<int>(i % w));
    }
    lastEntryTextWidth = last - first;
  }
  KillTimer(nullptr, timer);
  EndMenu();
}

TEST_F(LauncherClick, TheSettingsEntryShowsWholeBesideIcons) {
  shared::TKzRegEx r;
  ASSERT_TRUE(r.OpenKey(key.path(), true));
  tockle::WriteLaunchItems(r, {{"a", base::programPath()}});
  int widths[2] = {};
  for (bool icons : {false, true}) {
    form.Settings.DrawIcon = icons;
    form.Settings.DrawIconSize = 32;
    base::deleteFile(folder.file("_cache3"));
    form.launcher().rebuildAtNextPopup();
    lastEntryTextWidth = -1;
    measureTicks = 0;
    SetCursorPos(200, 200);
    SetTimer(nullptr, 0, 20, measureLastEntry);
    form.ExecuteCommand(tockle::cmdLauncherMenu);
    widths[icons] = lastEntryTextWidth;
  }
  EXPECT_GT(widths[0], 50);
  EXPECT_EQ(widths[1], widths[0]);
}

}  // namespace
