// Shortcut texts: the modifiers in order, then the key by the keyboard's names (the clock's hot
// keys) or by a menu's short names (the memo's menus).
#include "ui/shortcut.h"

#include <gtest/gtest.h>

namespace {

using ui::KeyNames;
using ui::shortCut;
using ui::shortCutText;

TEST(ShortCutText, NamesTheModifiersInOrderThenTheKey) {
  for (KeyNames names : {KeyNames::Keyboard, KeyNames::Menu}) {
    EXPECT_EQ(shortCutText(0, names), "");
    EXPECT_EQ(shortCutText(0xE000 | 'Z', names), "Shift+Ctrl+Alt+Z");
    EXPECT_EQ(shortCutText(VK_F12, names), "F12");
  }
}

TEST(ShortCutText, NamesKeysAsMenusShowThem) {
  EXPECT_EQ(shortCutText(shortCut(VK_F5), KeyNames::Menu), "F5");
  EXPECT_EQ(shortCutText(shortCut(VK_F10), KeyNames::Menu), "F10");
  EXPECT_EQ(shortCutText(shortCut('A', ui::kCtrl), KeyNames::Menu), "Ctrl+A");
  EXPECT_EQ(shortCutText(shortCut(VK_TAB, ui::kCtrl | ui::kShift), KeyNames::Menu), "Shift+Ctrl+Tab");
}

}  // namespace
