// OK's questions about open edit groups: Yes registers, No drops, Cancel or a refused entry keeps
// the dialog open.
#include <gtest/gtest.h>

#include "base/text.h"
#include "clock/config/pending_edit.h"
#include "support/fake_prompts.h"

namespace {

struct FakeEdit : tockle::IPendingEdit {
  std::string question;
  bool accept = true;
  int registered = 0, dropped = 0;
  std::string PendingEdit() const override { return question; }
  bool RegisterPendingEdit() override {
    ++registered;
    return accept;
  }
  void DropPendingEdit() override { ++dropped; }
};

struct Case {
  int answer;
  bool accept;
  bool settled;
  int registered, dropped, secondAsked;
};
class SettlePendingEdits : public testing::TestWithParam<Case> {};

TEST_P(SettlePendingEdits, AsksEachOpenGroupInOrder) {
  const Case& c = GetParam();
  FakeEdit none, launcher, alarm;
  launcher.question = "ランチャのアイテム A がまだ未確定です"_sj;
  launcher.accept = c.accept;
  alarm.question = "アラームのアイテム B がまだ未確定です"_sj;
  std::vector<std::string> asked;
  test::FakePrompts prompts;
  prompts.answer = [&](const test::FakePrompts::Box& box) {
    EXPECT_EQ(box.caption, "未確定アイテムの確定"_sj);
    EXPECT_EQ(box.flags, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION));
    asked.push_back(box.text);
    return asked.size() == 1 ? c.answer : IDNO;
  };
  bool settled = tockle::SettlePendingEdits(nullptr, {&none, &launcher, &alarm});
  EXPECT_EQ(settled, c.settled);
  EXPECT_EQ(launcher.registered, c.registered);
  EXPECT_EQ(launcher.dropped, c.dropped);
  ASSERT_FALSE(asked.empty());
  EXPECT_EQ(asked[0], launcher.question + "\r\n確定しますか？"_sj);
  EXPECT_EQ(static_cast<int>(asked.size()) - 1, c.secondAsked);
  EXPECT_EQ(alarm.dropped, c.secondAsked);
}

INSTANTIATE_TEST_SUITE_P(Answers, SettlePendingEdits,
                         testing::Values(Case{IDYES, true, true, 1, 0, 1},    // registered, then the alarm
                                         Case{IDYES, false, false, 1, 0, 0},  // refused: stays open
                                         Case{IDNO, true, true, 0, 1, 1},     // dropped, then the alarm
                                         Case{IDCANCEL, true, false, 0, 0, 0}));

}  // namespace
