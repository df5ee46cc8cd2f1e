// The hot-key component: registration on its own window, re-registration, removal, events.
#include "clock/commands/hot_key.h"

#include <gtest/gtest.h>

#include "support/e2e.h"
#include "ui/app.h"
#include "ui/form.h"
#include "unit/clock/clock_fixture.h"

namespace {

using tockle::THookHotKey;

constexpr int kCtrlShiftF11 = 0x4000 | 0x2000 | VK_F11;
constexpr int kCtrlShiftF12 = 0x4000 | 0x2000 | VK_F12;

TEST(HotKeyCodes, ModifiersMapToRegisterHotKeysFlags) {
  EXPECT_EQ(tockle::hotKeyModifiers(0x8000 | 'A'), static_cast<UINT>(MOD_ALT));
  EXPECT_EQ(tockle::hotKeyModifiers(0x4000 | 'A'), static_cast<UINT>(MOD_CONTROL));
  EXPECT_EQ(tockle::hotKeyModifiers(0x2000 | 'A'), static_cast<UINT>(MOD_SHIFT));
  EXPECT_EQ(tockle::hotKeyModifiers(0xE000 | 'A'), static_cast<UINT>(MOD_ALT | MOD_CONTROL | MOD_SHIFT));
  EXPECT_EQ(tockle::hotKeyVirtualKey(0xE000 | VK_F5), static_cast<UINT>(VK_F5));
}

class HotKey : public testing::Test {
 protected:
  void SetUp() override {
    ui::Application::instance().initialize("Tockle 3 for Windows 9x/NT", true);
    keys.OnHotKey = [this](THookHotKey& sender, int index) {
      sender.Tag = index;
      pressed.push_back(index);
    };
  }
  bool pressAndWait(int shortcut, size_t count) {
    test::pressShortcut(shortcut);
    return test::waitUntil([&] { return pressed.size() >= count; }, 1500);
  }
  THookHotKey keys{nullptr};
  std::vector<int> pressed;
};

TEST_F(HotKey, APressRaisesTheEventWithTheId) {
  ASSERT_TRUE(keys.SetHotKey(7, kCtrlShiftF11, true));
  ASSERT_TRUE(pressAndWait(kCtrlShiftF11, 1));
  EXPECT_EQ(pressed[0], 7);
  EXPECT_EQ(keys.Tag, 7);
}

TEST_F(HotKey, SettingAnIdAgainLeavesOnlyTheNewKeys) {
  ASSERT_TRUE(keys.SetHotKey(7, kCtrlShiftF11, true));
  ASSERT_TRUE(keys.SetHotKey(7, kCtrlShiftF12, true));
  EXPECT_FALSE(pressAndWait(kCtrlShiftF11, 1));
  ASSERT_TRUE(pressAndWait(kCtrlShiftF12, 1));
  EXPECT_EQ(pressed[0], 7);
}

TEST_F(HotKey, DisablingRemovesTheId) {
  ASSERT_TRUE(keys.SetHotKey(5, kCtrlShiftF11, true));
  keys.SetHotKey(5, 0, false);
  EXPECT_FALSE(pressAndWait(kCtrlShiftF11, 1));
  // The keys are free again for another registration.
  EXPECT_TRUE(keys.RegisterKey(6, kCtrlShiftF11));
}

TEST_F(HotKey, KeysHeldByAnotherWindowAreRefused) {
  THookHotKey other{nullptr};
  ASSERT_TRUE(other.RegisterKey(1, kCtrlShiftF11));
  EXPECT_FALSE(keys.RegisterKey(2, kCtrlShiftF11));
  EXPECT_FALSE(keys.UnregisterKey(2));
}

TEST_F(HotKey, WithoutAHandlerNothingHappens) {
  keys.OnHotKey = nullptr;
  ASSERT_TRUE(keys.SetHotKey(7, kCtrlShiftF11, true));
  test::pressShortcut(kCtrlShiftF11);
  test::waitUntil([] { return false; }, 300);
  EXPECT_EQ(keys.Tag, 0);
}

}  // namespace
