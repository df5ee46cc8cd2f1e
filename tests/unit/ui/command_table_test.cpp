// The command table: a command runs its one handler (binding it twice is refused), a range hands its
// handler the offset, an unbound command reports that nothing ran, and every menu hook sees each menu
// as it opens.
#include "ui/command_table.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

TEST(CommandTable, RunsTheHandlerOfTheCommandOrReportsNone) {
  ui::CommandTable table;
  std::vector<std::string> ran;
  table.on(5, [&] { ran.push_back("five"); });
  table.onRange(10, 12, [&](int offset) { ran.push_back("range+" + std::to_string(offset)); });
  for (int id : {5, 10, 12, 9, 13}) EXPECT_EQ(table.run(id), id == 5 || (id >= 10 && id <= 12)) << id;
  EXPECT_EQ(ran, (std::vector<std::string>{"five", "range+0", "range+2"}));
}

TEST(CommandTable, ACommandBoundTwiceIsRefused) {
  ui::CommandTable table;
  table.on(5, [] {});
  table.onRange(10, 12, [](int) {});
  EXPECT_THROW(table.on(5, [] {}), std::logic_error);
  EXPECT_THROW(table.on(11, [] {}), std::logic_error);
  EXPECT_THROW(table.onRange(3, 10, [](int) {}), std::logic_error);
  EXPECT_NO_THROW(table.onRange(6, 9, [](int) {}));
}

TEST(CommandTable, EveryMenuHookSeesEachMenu) {
  ui::CommandTable table;
  std::vector<HMENU> seen;
  table.onMenuPopup([&](HMENU m) { seen.push_back(m); });
  table.onMenuPopup([&](HMENU m) { seen.push_back(m); });
  table.menuOpening(reinterpret_cast<HMENU>(7));
  EXPECT_EQ(seen, (std::vector<HMENU>{reinterpret_cast<HMENU>(7), reinterpret_cast<HMENU>(7)}));
}

}  // namespace
