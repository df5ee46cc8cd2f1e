// The alarm request's text: at most 256 bytes, never half a character, trimmed.
#include "clock/alarm/alarm_request.h"

#include <gtest/gtest.h>

#include "base/text.h"

namespace {

std::string textOf(const std::string& bytes, DWORD count) {
  COPYDATASTRUCT cds{1, count, const_cast<char*>(bytes.data())};
  return tockle::alarmRequestText(&cds);
}

TEST(AlarmRequest, TakesTheFirst256BytesOnACharacterBoundary) {
  // 255 single bytes, then double-byte characters: the one starting at byte 255 is not split.
  std::string bytes(255, 'a');
  while (bytes.size() < 300) bytes += "あ"_sj;
  EXPECT_EQ(textOf(bytes, static_cast<DWORD>(bytes.size())), std::string(255, 'a'));
  std::string even = std::string(254, 'b');
  while (even.size() < 300) even += "い"_sj;
  EXPECT_EQ(textOf(even, static_cast<DWORD>(even.size())), std::string(254, 'b') + "い"_sj);
}

TEST(AlarmRequest, ReadsOnlyCbDataBytesAndStopsAtNul) {
  EXPECT_EQ(textOf("abcdef", 3), "abc");
  EXPECT_EQ(textOf(std::string("ab\0cd", 5), 5), "ab");
}

TEST(AlarmRequest, TrimsBlanksAndControlCharacters) {
  std::string text = " \t\r\n" + "会議"_sj + " 10:00\r\n ";
  EXPECT_EQ(textOf(text, static_cast<DWORD>(text.size())), "会議"_sj + " 10:00");
}

TEST(AlarmRequest, MissingOrEmptyDataGivesNothing) {
  EXPECT_EQ(tockle::alarmRequestText(nullptr), "");
  COPYDATASTRUCT noData{1, 10, nullptr};
  EXPECT_EQ(tockle::alarmRequestText(&noData), "");
  EXPECT_EQ(textOf("abc", 0), "");
}

}  // namespace
