// An alarm request sent to the real Tockle.exe from another process as the memo sends it: the
// settings dialog opens on a new alarm holding the request's first 256 bytes, OK writes the alarm
// to "_alarm3", and the alarm, whose window contains the present, rings.
#include <gtest/gtest.h>

#include "base/files.h"
#include "base/text.h"
#include "clock/alarm/alarm_ids.h"
#include "clock/config/pages/alarm_page_ids.h"
#include "support/e2e.h"

namespace {

const std::string kTitle = "Tockle 3 for Windows 9x/NT by Ruxel";
const std::string kKey = "Software\\Quorvane\\Tockle3";

void press(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

class AlarmRequest : public testing::Test {
 protected:
  void SetUp() override { test::deleteUserKey(kKey); }
  void TearDown() override {
    clock.close(kTitle);
    test::deleteUserKey(kKey);
  }
  std::string value(const std::string& section, const std::string& key) {
    return test::profileValue(clock.path("_alarm3"), section, key);
  }
  test::ProgramRun clock{"Tockle.exe"};
};

TEST_F(AlarmRequest, OpensANewAlarmWithTheFirst256BytesAndTheAlarmRings) {
  ASSERT_TRUE(clock.start());
  HWND main = clock.waitForWindow(kTitle);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(test::waitUntil([&] { return IsWindowVisible(main) != FALSE; }));
  // 300 bytes whose 256th byte is the first half of a double-byte character.
  std::string request = "x";
  for (int i = 0; i < 149; ++i) request += "あ"_sj;
  request += "!";
  ASSERT_EQ(request.size(), 300u);
  COPYDATASTRUCT cds{1, static_cast<DWORD>(request.size()), request.data()};
  DWORD_PTR result = 0;
  ASSERT_TRUE(SendMessageTimeoutW(main, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds), SMTO_NORMAL, 15000, &result));

  HWND dialog = clock.waitForWindow("環境設定 - Tockle 3"_sj);
  ASSERT_NE(dialog, nullptr);
  HWND message = nullptr;
  ASSERT_TRUE(test::waitUntil([&] {
    message = test::descendantById(dialog, IDC_ALARM_MESSAGE_TEXT);
    return message && IsWindowVisible(message);
  }));
  const std::string expected = request.substr(0, 255);
  EXPECT_EQ(test::controlText(message), expected);
  test::captureWindow(dialog, "alarm_page_new_alarm.png");

  // OK asks about the alarm still open; Yes registers it and the dialog writes the file.
  press(dialog, IDOK);
  HWND question = clock.waitForWindow("未確定アイテムの確定"_sj);
  ASSERT_NE(question, nullptr);
  EXPECT_TRUE(test::dialogShows(question, "アラームのアイテム "_sj + expected + " がまだ未確定です"_sj));
  ASSERT_TRUE(test::waitUntil([&] { return GetDlgItem(question, IDYES) != nullptr; }));
  press(question, IDYES);
  ASSERT_TRUE(test::waitUntil([&] { return !IsWindow(dialog); }));
  EXPECT_TRUE(test::waitUntil([&] { return value("Initial", "Count") == "1"; }));
  EXPECT_EQ(value("0", "MessageString"), expected);

  HWND notice = clock.waitForWindow("アラームのお知らせ - Tockle 3"_sj, 20000);
  ASSERT_NE(notice, nullptr);
  EXPECT_TRUE(test::waitUntil([&] { return test::controlText(GetDlgItem(notice, IDC_ALARM_MESSAGE)) == expected; }));
  press(notice, IDOK);
}

// Another program holds "_alarm3" without sharing while the clock starts: the clock says so; once
// the hold has ended, an alarm added through the settings dialog goes after the file's alarms.
TEST_F(AlarmRequest, AFileHeldAtStartIsSaidAndAnEditAfterTheHoldKeepsEveryAlarm) {
  std::string file = "[Initial]\r\nCount=3\r\n";
  for (int i = 0; i < 3; ++i) {
    file += "[" + std::to_string(i) + "]\r\nRingSound=0\r\nShowMessage=1\r\nLoopSound=0\r\nMessageString=old" +
            std::to_string(i) + "\r\nSoundPath=\r\nExecuteApps=\r\nRingEveryHour=0\r\nReCall=0\r\nEnabled=0\r\n" +
            "StartTime=9:00:00\r\nEndTime=9:07:12\r\nPrevious=2026/12/1 9:00:00\r\n";
    for (int d = 1; d <= 7; ++d) file += "WeekDay" + std::to_string(d) + "=1\r\n";
  }
  clock.writeFile("_alarm3", file);
  HANDLE held = CreateFileW(base::wide(clock.path("_alarm3")).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  ASSERT_TRUE(clock.start());
  HWND box = clock.waitForWindow("アラームの読み込みエラー"_sj);
  CloseHandle(held);
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(test::dialogShows(box, "_alarm3 を読み込めません(ほかのプログラムが使用中です)"_sj));
  press(box, IDOK);
  HWND main = clock.waitForWindow(kTitle);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(test::waitUntil([&] { return IsWindowVisible(main) != FALSE; }));

  std::string request = "追加"_sj;
  COPYDATASTRUCT cds{1, static_cast<DWORD>(request.size()), request.data()};
  DWORD_PTR result = 0;
  ASSERT_TRUE(SendMessageTimeoutW(main, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds), SMTO_NORMAL, 15000, &result));
  HWND dialog = clock.waitForWindow("環境設定 - Tockle 3"_sj);
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(test::waitUntil([&] {
    HWND message = test::descendantById(dialog, IDC_ALARM_MESSAGE_TEXT);
    return message && IsWindowVisible(message);
  }));
  press(dialog, IDOK);
  HWND question = clock.waitForWindow("未確定アイテムの確定"_sj);
  ASSERT_NE(question, nullptr);
  ASSERT_TRUE(test::waitUntil([&] { return GetDlgItem(question, IDYES) != nullptr; }));
  press(question, IDYES);
  ASSERT_TRUE(test::waitUntil([&] { return !IsWindow(dialog); }));
  EXPECT_TRUE(test::waitUntil([&] { return value("Initial", "Count") == "4"; }));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(value(std::to_string(i), "MessageString"), "old" + std::to_string(i));
  EXPECT_EQ(value("3", "MessageString"), request);
  HWND notice = clock.waitForWindow("アラームのお知らせ - Tockle 3"_sj, 20000);
  ASSERT_NE(notice, nullptr);
  press(notice, IDOK);
}

}  // namespace
