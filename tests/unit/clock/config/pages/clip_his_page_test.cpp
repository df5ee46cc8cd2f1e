// The page "クリップ履歴": the history record loaded and saved, and the ties between a limit's
// box and its two numbers.
#include "clock/config/pages/clip_his_page.h"

#include <gtest/gtest.h>

#include "unit/clock/config/pages/general_pages_fixture.h"

namespace {

using tockle::TClipHisPage;

class ClipHisPage : public test::GeneralPages {
 protected:
  TClipHisPage& p() { return page<TClipHisPage>(tockle::tabClipHis); }
};

TEST_F(ClipHisPage, LoadsTheRecordAndTheLimitBoxesFollowTheirNumbers) {
  struct {
    tockle::TClipHistory h;
    bool letters, lines;
  } cases[] = {
      {{0, 0, 0, 0, 30, 15, 0, 0}, false, false},
      {{0, 12, 3, 0, 999, 0, 1, 1}, true, true},
      {{99, 999, 0, 0, 0, 999, 0, 1}, true, false},
  };
  for (const auto& c : cases) {
    host.value.ClipHistory = c.h;
    open();
    SCOPED_TRACE(c.h.LetterTo);
    EXPECT_EQ(p().chkLetterCount.checked(), c.letters);
    EXPECT_EQ(p().chkLineCount.checked(), c.lines);
    EXPECT_EQ(p().speLetterTo.enabled(), c.letters);
    EXPECT_EQ(p().lblLine3.enabled(), c.lines);
    auto numbers = [](const tockle::TClipHistory& h) {
      return std::vector<int>{h.LetterFrom, h.LetterTo, h.LineFrom, h.LineTo, h.MaxCount, h.DayLimit};
    };
    EXPECT_EQ((std::vector<int>{p().LetterFrom.Value(), p().LetterTo.Value(), p().LineFrom.Value(), p().LineTo.Value(),
                                p().LimitAmout.Value(), p().DayLimit.Value()}),
              numbers(c.h));
    EXPECT_EQ(p().chkUnuseHis.checked(), c.h.UnuseHis != 0);
    EXPECT_EQ(p().chkClearWhenExit.checked(), c.h.ClearWhenExit != 0);
    click(p().chkUnuseHis);
    apply();
    const auto& h = host.value.ClipHistory;
    EXPECT_EQ(numbers(h), numbers(c.h));
    EXPECT_EQ(h.UnuseHis, c.h.UnuseHis ^ 1);
    EXPECT_EQ(h.ClearWhenExit, c.h.ClearWhenExit);
  }
}

TEST_F(ClipHisPage, TickingALimitFromZeroStartsItAtItsDefaultsAndUntickingClearsIt) {
  host.value.ClipHistory = {0, 0, 2, 0, 30, 15, 0, 0};
  open();
  click(p().chkLetterCount);
  EXPECT_EQ(p().LetterFrom.Value(), 0);
  EXPECT_EQ(p().LetterTo.Value(), 30);
  EXPECT_TRUE(p().lblLetter2.enabled());
  click(p().chkLineCount);  // off
  EXPECT_FALSE(p().speLineFrom.enabled());
  p().speLetterFrom.setText("5");
  apply();
  EXPECT_EQ(host.value.ClipHistory.LetterFrom, 5);
  EXPECT_EQ(host.value.ClipHistory.LetterTo, 30);
  EXPECT_EQ(host.value.ClipHistory.LineFrom, 0);
  click(p().chkLetterCount);  // off
  EXPECT_EQ(p().LetterTo.Value(), 0);
  click(p().chkLineCount);  // on again from 0 and 0
  EXPECT_EQ(p().LineTo.Value(), 5);
}

TEST_F(ClipHisPage, EveryRealChangeOfANumberSetsTheFlag) {
  host.value.ClipHistory.DayLimit = 15;
  open();
  HWND edit = p().speDayLimit.handle();
  auto flagged = [this](auto act) {
    act();
    bool was = changed();
    dialog->ChangedPages = 0;
    return was;
  };
  SendMessageW(edit, EM_SETSEL, 2, 2);
  EXPECT_TRUE(flagged([&] { SendMessageW(edit, WM_CHAR, '0', 0); }));      // 150
  EXPECT_TRUE(flagged([&] { SendMessageW(edit, WM_CHAR, VK_BACK, 0); }));  // 15
  SendMessageW(edit, EM_SETSEL, 0, -1);
  EXPECT_TRUE(flagged([&] { SendMessageW(edit, WM_CLEAR, 0, 0); }));  // empty: 0
  EXPECT_TRUE(flagged([&] { SendMessageW(edit, WM_CHAR, '1', 0); }));
  EXPECT_TRUE(flagged([&] { SendMessageW(edit, WM_CHAR, '5', 0); }));
  // Typing what it already is changes nothing.
  SendMessageW(edit, EM_SETSEL, 1, 2);
  EXPECT_FALSE(flagged([&] { SendMessageW(edit, WM_CHAR, '5', 0); }));
  EXPECT_TRUE(flagged([&] { SendMessageW(edit, WM_KEYDOWN, VK_UP, 0); }));
  EXPECT_EQ(p().DayLimit.Value(), 16);
}

}  // namespace
