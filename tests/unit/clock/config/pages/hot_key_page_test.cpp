// The hot-key page: rows from the command list, shortcuts from and to "_hot3", assigning keys.
#include "clock/config/pages/hot_key_page.h"

#include <gtest/gtest.h>

#include "ui/shortcut.h"
#include "clock/config/config_dialog.h"
#include "unit/clock/config/config_fixture.h"
#include "unit/clock/clock_fixture.h"

namespace {

using tockle::THotKeyPage;

constexpr int kCtrlA = 0x4000 | 'A';

class HotKeyPage : public test::ConfigFixture {
 protected:
  void SetUp() override {
    test::ConfigFixture::SetUp();
    prompts.answer = [this](const test::FakePrompts::Box& box) {
      boxes.push_back(std::string(box.caption));
      return answer;
    };
  }
  THotKeyPage& open(const std::string& commands) {
    writeFile("_command", commands);
    ConfigFixture::open(0);
    return static_cast<THotKeyPage&>(*dialog->Pages[tockle::tabHotKey]);
  }
  std::string hot3() { return base::readFile(folder.file("_hot3")).value_or("(none)"); }
  std::vector<std::string> boxes;
  const char* kCommands = "[System]\r\n[HotKey]\r\nHead=0\r\nMemo=1\r\nmemo=9\r\nHide=7\r\nTail=0\r\n[Default]\r\n";
};

TEST_F(HotKeyPage, RowsComeFromTheHotKeySectionAndKeysGoBackToTheFileWithHeadingsAsMinusOne) {
  writeFile("_hot3", "7=" + std::to_string(kCtrlA) + "\r\n1=0\r\n7=5\r\n99=1\r\n");
  auto& page = open(kCommands);
  auto& list = page.lsvHotKey;
  ASSERT_EQ(list.count(), 5);
  // A heading cannot be assigned; two lines of one name take the value of the first.
  EXPECT_EQ(list.itemText(0, 1), "[割り当て不可]"_sj);
  EXPECT_EQ(page.RowAt(2)->Command, 1);
  EXPECT_EQ(list.itemText(3, 1), "Ctrl+A");
  EXPECT_TRUE(list.checked(3));
  EXPECT_FALSE(list.checked(1));
  EXPECT_FALSE(list.checked(0));
  // Every Apply writes the rows, whatever changed; a number no row has is dropped.
  ASSERT_TRUE(dialog->ApplySettings(false));
  EXPECT_EQ(hot3(), "-1=0\r\n1=0\r\n1=0\r\n7=" + std::to_string(kCtrlA) + "\r\n-1=0\r\n");
}

TEST_F(HotKeyPage, WithoutAHotKeySectionTheStoredKeysAreNeverWiped) {
  writeFile("_hot3", "7=1\r\n");
  open("[System]\r\nMemo=1\r\n");
  ASSERT_TRUE(dialog->ApplySettings(false));
  EXPECT_EQ(hot3(), "7=1\r\n");
}

struct AssignCase {
  const char* what;
  int row;                 // -1: none selected
  ui::HotKey key;          // as the control holds it
  int answer;              // to the question about a key another row holds
  int memoCode, hideCode;  // afterwards (rows 1 and 3; Hide starts with Ctrl+A)
  const char* box;         // "" when none
};

class AssignCases : public HotKeyPage, public testing::WithParamInterface<AssignCase> {};

TEST_P(AssignCases, Assign) {
  const AssignCase& c = GetParam();
  writeFile("_hot3", "7=" + std::to_string(kCtrlA) + "\r\n");
  auto& page = open(kCommands);
  answer = c.answer;
  page.lsvHotKey.setSelectedIndex(c.row);
  page.htkHotKey.setHotKey(c.key);
  page.btnAssignHotKey.click();
  EXPECT_EQ(page.RowAt(1)->Shortcut, c.memoCode);
  EXPECT_EQ(page.RowAt(3)->Shortcut, c.hideCode);
  EXPECT_EQ(boxes, c.box[0] ? std::vector<std::string>{base::fromUtf8(c.box)} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Rules, AssignCases,
    testing::Values(AssignCase{"no row", -1, {'B', HOTKEYF_CONTROL}, IDYES, 0, kCtrlA, "アイテム未選択"},
                    AssignCase{"heading", 0, {'B', HOTKEYF_CONTROL}, IDYES, 0, kCtrlA, ""},
                    AssignCase{"shift alt", 1, {'B', HOTKEYF_SHIFT | HOTKEYF_ALT}, IDYES, 0xA042, kCtrlA, ""},
                    AssignCase{"empty", 1, {}, IDYES, 0, kCtrlA, ""},
                    AssignCase{"plain letter", 1, {'B', 0}, IDYES, 0, kCtrlA, "ホットキー指定エラー"},
                    AssignCase{"function key alone", 1, {VK_F5, 0}, IDYES, VK_F5, kCtrlA, ""},
                    AssignCase{"held elsewhere, kept", 1, {'A', HOTKEYF_CONTROL}, IDNO, 0, kCtrlA, "ホットキーの重複"},
                    AssignCase{
                        "held elsewhere, moved", 1, {'A', HOTKEYF_CONTROL}, IDYES, kCtrlA, 0, "ホットキーの重複"}));

TEST_F(HotKeyPage, AssigningTicksTheRowShowsTheKeyAndEnablesApply) {
  auto& page = open(kCommands);
  page.lsvHotKey.setSelectedIndex(3);
  page.htkHotKey.setHotKey({VK_HOME, HOTKEYF_CONTROL | HOTKEYF_EXT});
  page.btnAssignHotKey.click();
  EXPECT_TRUE(page.lsvHotKey.checked(3));
  EXPECT_EQ(page.lsvHotKey.itemText(3, 1), "Ctrl+" + ui::shortCutText(VK_HOME, ui::KeyNames::Keyboard));
  EXPECT_TRUE(dialog->btnApply.enabled());
  // Selecting the row again shows its key in the field.
  page.lsvHotKey.setSelectedIndex(1);
  page.lsvHotKey.setSelectedIndex(3);
  EXPECT_EQ(page.htkHotKey.hotKey(), (ui::HotKey{VK_HOME, HOTKEYF_CONTROL | HOTKEYF_EXT}));
}

}  // namespace
