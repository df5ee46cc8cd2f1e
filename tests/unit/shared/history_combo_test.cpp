// The history combo box against a test key: load after the designer's entries, save on top with
// duplicates moved and the count kept, and the sound limits of a load.
#include <gtest/gtest.h>

#include "base/text.h"
#include "shared/history_combo.h"
#include "shared/registry.h"
#include "support/test_key.h"
#include "ui/app.h"
#include "ui/form.h"

namespace {

class HistoryCombo : public testing::Test {
 protected:
  void SetUp() override {
    ui::Application::instance().initialize("Tockle 3 for Windows 9x/NT", true);
    ASSERT_TRUE(host.create({.caption = "History", .style = WS_POPUP, .clientWidth = 200, .clientHeight = 200}));
    ASSERT_TRUE(combo.create({0, 0, 200, 150, WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | WS_VSCROLL}));
    combo.RegKey = key.path();
    combo.Prefix = "_h";
    combo.SaveCount = 3;
  }
  void store(std::initializer_list<std::pair<int, std::string>> values) {
    shared::TRegistry r;
    ASSERT_TRUE(r.OpenKey(key.path(), true));
    for (auto& [i, v] : values) r.WriteString("_h" + std::to_string(i), v);
  }
  std::string stored(int i) {
    shared::TRegistry r;
    if (!r.OpenKeyReadOnly(key.path()) || !r.ValueExists("_h" + std::to_string(i))) return "-";
    return r.ReadString("_h" + std::to_string(i));
  }
  std::string items() const {
    std::string s;
    for (int i = 0; i < combo.count(); ++i) s += combo.item(i) + "|";
    return s;
  }
  test::TestKey key{"HistoryCombo"};
  ui::Form host;
  shared::TKzHistoryCombo combo{&host, 100};
};

TEST_F(HistoryCombo, SavedTextsComeFirstDuplicatesMoveUpAndTheCountIsKept) {
  combo.add("design");
  combo.LoadHistory();  // no key: nothing, and the key is not made
  EXPECT_FALSE(shared::TRegistry().KeyExists(key.path()));
  combo.setText("");
  EXPECT_TRUE(combo.SaveHistory());
  EXPECT_FALSE(shared::TRegistry().KeyExists(key.path()));
  for (const char* t : {"a", "b", "DESIGN", "c"}) {
    combo.setText(t);
    EXPECT_TRUE(combo.SaveHistory());
  }
  EXPECT_EQ(items(), "c|DESIGN|b|");
  EXPECT_EQ(combo.text(), "c");
  EXPECT_EQ(stored(0) + stored(1) + stored(2) + stored(3), "cDESIGNb-");
  // Read back after the designer's entry: the equal one (ignoring case) is not added twice.
  shared::TKzHistoryCombo again{&host, 101};
  ASSERT_TRUE(again.create({0, 0, 200, 150, WS_CHILD | CBS_DROPDOWN | WS_VSCROLL}));
  again.RegKey = key.path();
  again.Prefix = "_h";
  again.add("design");
  again.LoadHistory();
  ASSERT_EQ(again.count(), 3);
  EXPECT_EQ(again.item(1), "c");
  EXPECT_EQ(again.item(2), "b");
}

TEST_F(HistoryCombo, ALoadStopsAtAGapAndTheCountSkipsEmptyAndCutsLongEntries) {
  store({{0, ""}, {1, "x"}, {2, "あいう"_sj}, {3, "late"}, {5, "after gap"}});
  combo.SaveCount = 10;
  combo.SetLimit(5);
  combo.LoadHistory();
  EXPECT_EQ(items(), "x|あい|late|"_sj);  // 5 bytes end inside う: cut before it
  combo.clear();
  combo.SaveCount = 2;
  combo.SetLimit(0);
  combo.LoadHistory();
  EXPECT_EQ(items(), "x|");  // only entries 0 and 1 are read
}

}  // namespace

namespace {

// Typing or pasting into a box limited to 10 bytes keeps what fits of the new text, counted in
// code-page-932 bytes (a double-byte character counts two), wherever the caret stands.
struct LimitCase {
  const char* before;
  int caret;
  const char* typed;
  const char* after;
};

class HistoryComboLimit : public HistoryCombo, public testing::WithParamInterface<LimitCase> {};

TEST_P(HistoryComboLimit, KeepsWhatFitsOfTheNewText) {
  const LimitCase& c = GetParam();
  combo.SetLimit(10);
  HWND edit = FindWindowExW(combo.handle(), nullptr, L"Edit", nullptr);
  ASSERT_TRUE(edit);
  auto type = [&](const char* text) {
    std::wstring w = base::wide(base::fromUtf8(text));
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(w.c_str()));
  };
  type(c.before);
  SendMessageW(edit, EM_SETSEL, c.caret, c.caret);
  type(c.typed);
  EXPECT_EQ(combo.text(), base::fromUtf8(c.after));
  EXPECT_LE(combo.text().size(), 10u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HistoryComboLimit,
    testing::Values(LimitCase{"", 0, "あいうえおか", "あいうえお"}, LimitCase{"abcdefgh", 8, "あい", "abcdefghあ"},
                    LimitCase{"abcdefghi", 0, "あ", "abcdefghi"}, LimitCase{"abcdefgh", 4, "xyz", "abcdxyefgh"},
                    LimitCase{"abcd", 2, "漢字かな", "ab漢字かcd"}, LimitCase{"", 0, "0123456789", "0123456789"}));

}  // namespace
