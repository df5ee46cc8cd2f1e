// The system menu: records of "_system3", the menu tree, look-ups, binding and the pop-up menu;
// and the command list that ships beside the program.
#include "clock/commands/system_menu.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "base/files.h"
#include "base/text.h"
#include "base/text_lines.h"
#include "support/temp_folder.h"

namespace {

using tockle::SystemMenuRecord;
using tockle::TMenuItem;

std::string bytesOf(const std::vector<SystemMenuRecord>& recs) { return tockle::encodeSystemMenu(recs); }
std::string int32(int32_t v) { return std::string(reinterpret_cast<const char*>(&v), 4); }

TEST(SystemMenuFile, WriteReadWriteIsByteExact) {
  std::vector<SystemMenuRecord> recs{
      {"nil", "電源"_sj, 0, 0, 0}, {"電源"_sj, "終了"_sj, 1, 1, 10}, {"nil", "-", 2, 2, -1}};
  std::string bytes = bytesOf(recs);
  EXPECT_EQ(bytesOf(tockle::decodeSystemMenu(bytes)), bytes);
}

// Damaged files: only whole records are read, and nothing after the damage.
TEST(SystemMenuFile, OnlyWholeRecordsAreRead) {
  const std::string two = bytesOf({{"nil", "A", 1, 1, 5}, {"nil", "BB", 1, 1, 6}});
  const size_t first = bytesOf({{"nil", "A", 1, 1, 5}}).size();
  struct {
    std::string bytes;
    size_t records;
  } cases[] = {
      {std::string(7, '\0'), 0},
      {two + std::string(16, '\x7f'), 2},         // at most 16 bytes after the last record are ignored
      {two.substr(0, first + 2), 1},              // the next record's parent count cut
      {two.substr(0, first + 4 + 3 + 2), 1},      // its caption count cut
      {two.substr(0, first + 4 + 3 + 4 + 1), 1},  // its caption cut
      {two.substr(0, two.size() - 1), 1},         // its last number cut
      {bytesOf({{"nil", "A", 1, 1, 5}}) + int32(-1) + std::string(40, 'x'), 1},
      {bytesOf({{"nil", "A", 1, 1, 5}}) + int32(1000000000) + std::string(40, 'x'), 1},
  };
  for (const auto& c : cases) EXPECT_EQ(tockle::decodeSystemMenu(c.bytes).size(), c.records) << c.bytes.size();
}

TEST(SystemMenuFile, AParentIsTheNearestAncestorOfThatCaptionThenTheFirstEarlierOne) {
  std::vector<SystemMenuRecord> recs{{"nil", "A", 0, 0, 0},  // 0
                                     {"A", "x", 1, 1, 5},    // 1: under 0
                                     {"nil", "B", 0, 0, 0},  // 2
                                     {"B", "A", 0, 0, 0},    // 3: a second A, deeper
                                     {"A", "y", 1, 1, 6},    // 4: under 3, the nearer A
                                     {"x", "z", 1, 1, 7},    // 5: x is no ancestor: the first x
                                     {"missing", "w", 1, 1, 8}, {"nil", "v", 1, 1, 9}};
  EXPECT_EQ(tockle::systemMenuParents(recs), (std::vector<int>{-1, 0, -1, 2, 3, 1, -1, -1}));
  TMenuItem root;
  tockle::LoadRecordsToMenu(recs, root);
  ASSERT_EQ(root.Items.size(), 4u);
  EXPECT_EQ(root.Items.front().Items.front().Items.front().Caption, "z");
}

TEST(SystemMenuFile, AMissingFileLoadsNothingAndADamagedOneStillGetsSettingsAndExit) {
  test::TempFolder folder;
  TMenuItem root;
  EXPECT_FALSE(tockle::LoadToMenu(folder.file("_system3"), root));
  base::writeFileAtomic(folder.file("_system3"), bytesOf({{"nil", "x", 1, 1, 22}}) + int32(-1));
  EXPECT_TRUE(tockle::LoadToMenu(folder.file("_system3"), root));
  ASSERT_EQ(root.Items.size(), 2u);
  EXPECT_EQ(root.Items.front().Tag, 22);
  EXPECT_EQ(root.Items.back().Tag, 8);
}

TEST(SystemMenuFile, AFolderInTheFilesPlaceGetsSettingsAndExit) {
  test::TempFolder folder;
  ASSERT_TRUE(CreateDirectoryW(base::wide(folder.file("_system3")).c_str(), nullptr));
  TMenuItem root;
  EXPECT_TRUE(tockle::LoadToMenu(folder.file("_system3"), root));
  ASSERT_EQ(root.Items.size(), 2u);
  EXPECT_EQ(root.Items.front().Tag, tockle::cmdSettings);
  EXPECT_EQ(root.Items.back().Tag, tockle::cmdExit);
}

TEST(SystemMenu, FindByTagIsDepthFirstAndBindingSkipsSeparatorsAndSubmenus) {
  TMenuItem root;
  tockle::LoadRecordsToMenu(
      {{"nil", "sub", 0, 0, 0}, {"sub", "a", 1, 1, 5}, {"nil", "-", 2, 2, -1}, {"nil", "b", 1, 1, 5}}, root);
  TMenuItem* found = tockle::FindItemByTag(5, root);
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->Caption, "a");
  EXPECT_EQ(tockle::FindItemByTag(-1, root)->Caption, "-");
  EXPECT_EQ(tockle::FindItemByTag(99, root), nullptr);
  tockle::BindMenuCommands(root);
  EXPECT_TRUE(found->Bound);
  EXPECT_TRUE(root.Items.back().Bound);
  EXPECT_FALSE(root.Items.front().Bound);
  EXPECT_FALSE(tockle::FindItemByTag(-1, root)->Bound);
}

TEST(SystemMenu, PopupMenuCarriesCommandsChecksSeparatorsAndLeavesOutHiddenItems) {
  TMenuItem root;
  tockle::LoadRecordsToMenu({{"nil", "sub", 0, 0, 0},
                             {"sub", "a", 1, 1, 10},
                             {"nil", "-", 2, 2, -1},
                             {"nil", "top", 1, 1, 5},
                             {"nil", "size", 1, 1, 15},
                             {"nil", "end", 1, 1, 22}},
                            root);
  tockle::BindMenuCommands(root);
  tockle::FindItemByTag(5, root)->Checked = true;
  tockle::FindItemByTag(15, root)->Visible = false;
  base::Menu menu = tockle::BuildPopupMenu(root);
  ASSERT_EQ(GetMenuItemCount(menu.get()), 4);
  HMENU sub = GetSubMenu(menu.get(), 0);
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(GetMenuItemID(sub, 0), 10u);
  EXPECT_EQ(GetMenuState(menu.get(), 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
  EXPECT_EQ(GetMenuItemID(menu.get(), 2), 5u);
  EXPECT_TRUE(GetMenuState(menu.get(), 5, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_EQ(GetMenuItemID(menu.get(), 3), 22u);
  EXPECT_EQ(GetMenuState(menu.get(), 15, MF_BYCOMMAND), static_cast<UINT>(-1));
}

// The command list beside the program: every command number, unique names, a default menu
// holding the settings and the exit.
TEST(CommandFile, ShipsEveryCommandWithUniqueNamesAndADefaultMenu) {
  auto text = base::readFile(base::programFolder() + "_command");
  ASSERT_TRUE(text.has_value());
  EXPECT_NE(text->find("\r\n"), std::string::npos);
  auto lines = base::splitLines(*text);
  std::set<int> system, hotKey, defaults;
  std::map<std::string, int> names;
  int section = 0;
  for (const auto& line : lines) {
    if (base::find(line, "[System]") != std::string::npos) section = 1;
    if (base::find(line, "[HotKey]") != std::string::npos) section = 2;
    if (base::find(line, "[Default]") != std::string::npos) {
      section = 3;
      continue;
    }
    std::string value = base::lineValue(line);
    if (section == 0 || value.empty()) continue;
    std::string name = base::lineName(line);
    if (name != "-") EXPECT_EQ(++names[name], 1) << "name used twice";
    long long n = 0;
    if (!base::parseInt(value, n)) {
      EXPECT_TRUE(section == 3 && (value == "begin" || value == "end")) << value;
      continue;
    }
    (section == 1 ? system : section == 2 ? hotKey : defaults).insert(static_cast<int>(n));
  }
  for (int c : {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 15, 16, 17, 20, 21, 22, 99, 100})
    EXPECT_TRUE(system.count(c) || hotKey.count(c)) << c;
  EXPECT_TRUE(defaults.count(8));
  EXPECT_TRUE(defaults.count(22));
  EXPECT_TRUE(hotKey.count(0));  // headings
}

}  // namespace

namespace {

TEST(DefaultSystemMenu, FollowsTheDefaultSectionInTreeOrder) {
  std::vector<std::string> lines = {
      "[System]",       "メモ帳=1",    "[HotKey]",   "[Default]",  "メモ帳(&M)=1",     "-=-1",
      "電源(&P)=begin", "終了(&U)=10", "内側=begin", "再起動=11",  "内側の終わり=end", "電源の終わり=END",
      "-=-1",           "x=abc",       "=5",         "終了(&X)=22"};
  for (auto& l : lines) l = base::fromUtf8(l);
  auto r = tockle::defaultSystemMenu(lines);
  ASSERT_EQ(r.size(), 8u);
  EXPECT_EQ(r[0].ParentText, "nil");
  EXPECT_EQ(r[0].StateIndex, 1);
  EXPECT_EQ(r[0].ImageIndex, 1);
  EXPECT_EQ(r[1].Text, "-");
  EXPECT_EQ(r[1].StateIndex, -1);
  EXPECT_EQ(r[1].ImageIndex, 2);
  EXPECT_EQ(r[2].Text, "電源(&P)"_sj);
  EXPECT_EQ(r[2].StateIndex, 0);
  EXPECT_EQ(r[3].ParentText, "電源(&P)"_sj);
  EXPECT_EQ(r[3].StateIndex, 10);
  EXPECT_EQ(r[4].ParentText, "電源(&P)"_sj);
  EXPECT_EQ(r[5].ParentText, "内側"_sj);
  EXPECT_EQ(r[5].StateIndex, 11);
  EXPECT_EQ(r[6].ParentText, "nil");  // the separator after the submenu's end
  EXPECT_EQ(r[7].StateIndex, 22);     // "x=abc" and "=5" are passed over
}

TEST(DefaultSystemMenu, AnEndAtTheTopEndsTheReading) {
  auto r = tockle::defaultSystemMenu({"[Default]", "a=1", "stop=end", "b=2"});
  ASSERT_EQ(r.size(), 1u);
  EXPECT_TRUE(tockle::defaultSystemMenu({"a=1"}).empty());
}

TEST(DefaultSystemMenu, TheShippedCommandListGivesAMenuWithSettingsAndExit) {
  auto bytes = base::readFile(base::programFolder() + "_command");
  ASSERT_TRUE(bytes);
  tockle::TMenuItem root;
  tockle::LoadRecordsToMenu(tockle::defaultSystemMenu(base::splitLines(*bytes)), root);
  EXPECT_TRUE(tockle::FindItemByTag(8, root));
  EXPECT_TRUE(tockle::FindItemByTag(22, root));
  EXPECT_TRUE(tockle::FindItemByTag(10, root));  // inside the power submenu
}

}  // namespace
