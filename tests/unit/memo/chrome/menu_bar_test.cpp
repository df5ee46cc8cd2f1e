// The menu bar's buttons follow the menu's top-level items; menus as data keep the rule that the
// first item in menu order with a key wins.
#include "memo/chrome/menu_bar.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "base/text.h"
#include "memo/chrome/menu_model.h"
#include "ui/form.h"

namespace {

using memo::MenuItem;
using memo::shortCut;

std::vector<MenuItem> sevenMenus() {
  std::vector<MenuItem> items;
  for (const char* c : {"ファイル(&F)", "編集(&E)", "表示(&D)", "挿入(&I)", "書式(&O)", "ツール(&T)", "ヘルプ(&H)"}) {
    MenuItem m{0, base::fromUtf8(c)};
    m.items.push_back({100 + static_cast<int>(items.size()), "item"});
    items.push_back(m);
  }
  return items;
}

class MenuBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::FormParams p;
    p.caption = "menu host";
    ASSERT_TRUE(form.create(p));
    ASSERT_TRUE(bar.create(form.handle(), form.handle()));
  }
  ui::Form form;
  memo::TMenuBar bar;
};

TEST_F(MenuBarTest, SevenTopLevelItemsGiveSevenCaptionButtonsInOrder) {
  base::Menu menu = memo::buildMenu(sevenMenus(), true);
  bar.SetMenu(menu.get());
  ASSERT_EQ(bar.ButtonCount(), 7);
  EXPECT_EQ(bar.ButtonCaption(0), "ファイル(&F)"_sj);
  EXPECT_EQ(bar.ButtonCaption(4), "書式(&O)"_sj);
  EXPECT_EQ(bar.ButtonCaption(6), "ヘルプ(&H)"_sj);
  EXPECT_GT(bar.idealSize().cx, 7 * 20);
}

TEST_F(MenuBarTest, TheSameMenuAgainKeepsTheButtonsAndNoneRemovesThem) {
  base::Menu menu = memo::buildMenu(sevenMenus(), true);
  bar.SetMenu(menu.get());
  HWND tb = bar.handle();
  // Mark a button: a rebuild would lose the mark.
  SendMessageW(tb, TB_SETSTATE, memo::TMenuBar::kFirstButtonId + 2, TBSTATE_ENABLED | TBSTATE_MARKED);
  bar.SetMenu(menu.get());
  EXPECT_EQ(bar.ButtonCount(), 7);
  EXPECT_TRUE(SendMessageW(tb, TB_GETSTATE, memo::TMenuBar::kFirstButtonId + 2, 0) & TBSTATE_MARKED);
  bar.SetMenu(nullptr);
  EXPECT_EQ(bar.ButtonCount(), 0);
  EXPECT_EQ(bar.Menu(), nullptr);
}

TEST_F(MenuBarTest, AnotherMenuReplacesTheButtons) {
  base::Menu first = memo::buildMenu(sevenMenus(), true);
  std::vector<MenuItem> two{{0, "A(&A)", 0, false, {{1, "x"}}}, {0, "B(&B)", 0, false, {{2, "y"}}}};
  base::Menu second = memo::buildMenu(two, true);
  bar.SetMenu(first.get());
  bar.SetMenu(second.get());
  ASSERT_EQ(bar.ButtonCount(), 2);
  EXPECT_EQ(bar.ButtonCaption(1), "B(&B)");
}

TEST_F(MenuBarTest, ButtonCommandsBelongToTheBarAndAMnemonicMustExist) {
  base::Menu menu = memo::buildMenu(sevenMenus(), true);
  bar.SetMenu(menu.get());
  EXPECT_FALSE(bar.handleCommand(memo::TMenuBar::kFirstButtonId + 7));
  EXPECT_FALSE(bar.handleCommand(123));
  EXPECT_FALSE(bar.DropDownMnemonic(L'Z'));
}

TEST(MenuModel, TheFirstItemInMenuOrderWithTheKeyWins) {
  const memo::ShortCut ctrlU = shortCut('U', memo::kCtrl);
  std::vector<MenuItem> menus{
      {0,
       "File",
       0,
       false,
       {{10, "Update backup", ctrlU}, MenuItem::separator(), {11, "Close", shortCut('Q', memo::kCtrl)}}},
      {0, "Format", 0, false, {{20, "Underline", ctrlU}, {0, "Sub", 0, false, {{21, "Deep", shortCut(VK_F5)}}}}},
  };
  EXPECT_EQ(memo::findShortCut(menus, ctrlU), 10);
  EXPECT_EQ(memo::findShortCut(menus, shortCut(VK_F5)), 21);
  EXPECT_EQ(memo::findShortCut(menus, shortCut('Z', memo::kCtrl)), 0);
  EXPECT_EQ(memo::findShortCut(menus, 0), 0);
}

TEST(MenuModel, BuiltMenusShowShortcutsAfterATabAndKeepSeparators) {
  std::vector<MenuItem> items{{5, "閉じる(&X)..."_sj, shortCut('Q', memo::kCtrl)},
                              MenuItem::separator(),
                              {6, "前のタブへ(&P)"_sj, shortCut(VK_TAB, memo::kCtrl | memo::kShift)}};
  base::Menu menu = memo::buildMenu(items, false);
  ASSERT_EQ(GetMenuItemCount(menu.get()), 3);
  wchar_t buf[64];
  GetMenuStringW(menu.get(), 5, buf, 64, MF_BYCOMMAND);
  EXPECT_EQ(base::cp932(buf), "閉じる(&X)...\tCtrl+Q"_sj);
  GetMenuStringW(menu.get(), 6, buf, 64, MF_BYCOMMAND);
  EXPECT_EQ(base::cp932(buf), "前のタブへ(&P)\tShift+Ctrl+Tab"_sj);
  EXPECT_TRUE(GetMenuState(menu.get(), 1, MF_BYPOSITION) & MF_SEPARATOR);
}

}  // namespace
