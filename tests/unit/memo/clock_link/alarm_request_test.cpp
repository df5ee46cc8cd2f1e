// The alarm request's text and its message to the clock's window.
#include "memo/clock_link/alarm_request.h"

#include <gtest/gtest.h>

#include "base/text.h"

namespace {

struct Cut {
  const char* name;
  std::string selection;
  std::string sent;
};

class AlarmRequestText : public testing::TestWithParam<Cut> {};

TEST_P(AlarmRequestText, IsCutThenLineBreaksBecomeBlanks) {
  EXPECT_EQ(memo::alarmRequestText(GetParam().selection), GetParam().sent);
}

const std::string k255(255, 'a');
INSTANTIATE_TEST_SUITE_P(Table, AlarmRequestText,
                         testing::Values(Cut{"Exactly256SentWhole", std::string(256, 'x'), std::string(256, 'x')},
                                         Cut{"Longer257CutTo256", std::string(257, 'x'), std::string(256, 'x')},
                                         // The cut comes first: a break inside the first 256 bytes leaves 255 bytes.
                                         Cut{"CutBeforeReplacing", "ab\r\n" + std::string(300, 'y'),
                                             "ab " + std::string(252, 'y')},
                                         Cut{"TwoLinesOneBlank", "一行目\r\n二行目"_sj, "一行目 二行目"_sj},
                                         // A double-byte character on bytes 256 and 257 is left out whole.
                                         Cut{"NoHalfCharacter", k255 + "予定"_sj, k255},
                                         // A CR whose LF the cut left behind is a break too.
                                         Cut{"CutInsideABreak", k255 + "\r\nz", k255 + " "}),
                         [](const auto& info) { return info.param.name; });

// A window titled as the clock's, recording the requests it receives.
struct FakeClock {
  static inline std::vector<std::string> texts;
  static inline std::vector<ULONG_PTR> kinds;
  static inline WPARAM sender = 0;
  static LRESULT CALLBACK proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COPYDATA) {
      auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lp);
      texts.emplace_back(static_cast<const char*>(cds->lpData), cds->cbData);
      kinds.push_back(cds->dwData);
      sender = wp;
      return 0;
    }
    return DefWindowProcW(h, msg, wp, lp);
  }
  FakeClock() {
    texts.clear();
    kinds.clear();
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"MemoTestFakeClock";
    RegisterClassW(&wc);
    hwnd = CreateWindowExW(0, wc.lpszClassName, base::wide(memo::kClockTitle).c_str(), WS_POPUP, 0, 0, 10, 10, nullptr,
                           nullptr, wc.hInstance, nullptr);
  }
  ~FakeClock() { DestroyWindow(hwnd); }
  HWND hwnd;
};

TEST(AlarmRequest, GoesToTheClockWindowAsCopyDataOfKindOneWithoutTerminator) {
  HWND sender = reinterpret_cast<HWND>(0x1234);
  EXPECT_FALSE(memo::sendAlarmRequest(sender, "text"));  // no clock: nothing sent
  FakeClock clock;
  ASSERT_EQ(memo::findClockWindow(), clock.hwnd);
  EXPECT_FALSE(memo::sendAlarmRequest(sender, ""));
  EXPECT_TRUE(memo::sendAlarmRequest(sender, "会議 10時"_sj));
  ASSERT_EQ(FakeClock::texts.size(), 1u);
  EXPECT_EQ(FakeClock::texts[0], "会議 10時"_sj);
  EXPECT_EQ(FakeClock::kinds[0], 1u);
  EXPECT_EQ(FakeClock::sender, reinterpret_cast<WPARAM>(sender));
}

}  // namespace
