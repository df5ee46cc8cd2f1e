// The memo window's link to the clock in-process: the clock's window found and lost, the
// selection sent as an alarm, and a text of the clock's history inserted at the caret.
#include <gtest/gtest.h>

#include "base/files.h"
#include "base/text.h"
#include "memo/chrome/commands.h"
#include "memo/clock_link/alarm_request.h"
#include "memo/clock_link/clock_link.h"
#include "shared/history_file.h"
#include "unit/memo/main_form_fixture.h"

namespace {

const std::string kDoc = "メモ/*!/abc\\CrLf%\r\n"_sj;

// A window titled as the clock's main window, recording the alarm requests it receives.
class FakeClock {
 public:
  FakeClock() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"MemoStatusTestClock";
    RegisterClassW(&wc);
    received.clear();
    hwnd = CreateWindowExW(0, wc.lpszClassName, base::wide(memo::kClockTitle).c_str(), WS_POPUP, 0, 0, 10, 10, nullptr,
                           nullptr, wc.hInstance, nullptr);
  }
  ~FakeClock() {
    if (hwnd) DestroyWindow(hwnd);
  }
  HWND hwnd;
  static inline std::vector<std::string> received;
  static inline ULONG_PTR kind = 0;
  static inline WPARAM sender = 0;

 private:
  static LRESULT CALLBACK proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COPYDATA) {
      auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lp);
      received.emplace_back(static_cast<const char*>(cds->lpData), cds->cbData);
      kind = cds->dwData;
      sender = wp;
      return 0;
    }
    return DefWindowProcW(h, msg, wp, lp);
  }
};

class ClockLinkTest : public memotest::MainFormTest {
 protected:
  void startOn(const std::string& tabs) {
    write("memo.ntd", typeII(tabs));
    start(dir.file("memo.ntd"));
    form->tmrMessageTimer();  // the timed texts of the start are over
  }
};

TEST_F(ClockLinkTest, AClockRunningAtTheStartIsFoundBeforeTheFirstTimerTick) {
  auto clock = std::make_unique<FakeClock>();
  startOn(kDoc);
  EXPECT_TRUE(form->clockLink().ClockConnected);
  EXPECT_TRUE(form->actions().find(memo::actSetAlarm)->enabled);
  EXPECT_EQ(form->StatusText(), "[  1:   1] Tockleと連携可能です"_sj);
}

TEST_F(ClockLinkTest, TheClockWindowEnablesTheAlarmCommandAndItsGoingDisablesIt) {
  startOn(kDoc);
  EXPECT_FALSE(form->actions().find(memo::actSetAlarm)->enabled);
  auto clock = std::make_unique<FakeClock>();
  form->tmrSaveTimer();
  EXPECT_TRUE(form->clockLink().ClockConnected);
  EXPECT_TRUE(form->actions().find(memo::actSetAlarm)->enabled);
  char handle[16];
  snprintf(handle, sizeof handle, "%08X", static_cast<unsigned>(reinterpret_cast<UINT_PTR>(clock->hwnd)));
  EXPECT_EQ(form->StatusText(), "Tockle 3 の起動を検知しました -> Connection Established w/ "_sj + handle);
  form->tmrMessageTimer();
  EXPECT_EQ(form->StatusText(), "[  1:   1] Tockleと連携可能です"_sj);
  // The selection goes to the clock as a new alarm, two lines as one.
  form->rceMemo.setText("会議\r\n10時"_sj);
  form->rceMemo.setModified(false);
  form->rceMemo.setSelection(0, 10);
  EXPECT_TRUE(form->ExecuteCommand(memo::actSetAlarm));
  ASSERT_EQ(FakeClock::received.size(), 1u);
  EXPECT_EQ(FakeClock::received[0], "会議 10時"_sj);  // no terminator sent
  EXPECT_EQ(FakeClock::kind, 1u);
  EXPECT_EQ(FakeClock::sender, reinterpret_cast<WPARAM>(ui::Application::instance().handle()));
  form->rceMemo.setSelection(0, 0);
  form->ExecuteCommand(memo::actSetAlarm);
  EXPECT_EQ(FakeClock::received.size(), 1u);  // nothing selected: nothing sent

  clock.reset();
  form->tmrSaveTimer();
  EXPECT_FALSE(form->clockLink().ClockConnected);
  EXPECT_FALSE(form->actions().find(memo::actSetAlarm)->enabled);
  EXPECT_EQ(form->StatusText(), "Tockle 3 の終了を検知しました -> Connection Lost"_sj);
}

TEST_F(ClockLinkTest, AHistoryTextIsInsertedAtTheCaretWithALineBreak) {
  startOn(kDoc);
  form->clockLink().HistoryFile = programDir.file("_history3");
  form->ExecuteCommand(memo::mnuClipHistory);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0],
            "履歴ファイルが見つかりません|同じフォルダにTockleがないとこの機能は使えません\r\n"
            "Tockleと同じフォルダに移動して下さい"_sj);
  EXPECT_FALSE(base::fileExists(form->clockLink().HistoryFile));

  shared::TKzHistoryFile history(form->clockLink().HistoryFile);
  history.AppendMode = true;
  for (const char* text : {"古い", "新しい"}) {
    history.AddText = base::fromUtf8(text);
    ASSERT_TRUE(history.Save());
  }
  std::vector<std::string> shown;
  form->clockLink().ChooseHistory = [&](const std::vector<std::string>& items) -> std::optional<std::string> {
    shown = items;
    return items[1];  // the first row
  };
  form->rceMemo.setSelection(1, 1);
  form->ExecuteCommand(memo::mnuClipHistory);
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown[3], "古い"_sj);
  EXPECT_EQ(form->rceMemo.text(), "a新しい\r\nc\r\n"_sj);
  EXPECT_EQ(form->StatusText(), "履歴挿入ウインドウを開いています -> "_sj + form->clockLink().HistoryFile);
}

}  // namespace
