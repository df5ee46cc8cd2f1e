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

}  // namespace
