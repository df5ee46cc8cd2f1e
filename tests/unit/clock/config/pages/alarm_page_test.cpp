// The alarm page in the settings dialog over a host of its own, with the time fixed: the
// detail group's checks and defaults, group and rows round trip, the list's buttons and check
// boxes, the two pop-up menus, the sound buttons, and the list handed back to the alarm manager.
#include <gtest/gtest.h>

#include <windows.h>

#include <mmsystem.h>

#include <cmath>

#include "clock/alarm/alarm_file.h"
#include "clock/config/config_dialog.h"
#include "clock/config/pages/alarm_page.h"
#include "shared/reg_ex.h"
#include "support/fake_common_dialogs.h"
#include "unit/clock/alarm/alarm_test_util.h"
#include "unit/clock/config/config_fixture.h"
#include "unit/clock/clock_fixture.h"

namespace {

using alarm_test::at;
using alarm_test::tod;

long long secs(base::DateTime t) { return std::llround(t * 86400); }
bool shown(const ui::Control& c) { return (GetWindowLongW(c.handle(), GWL_STYLE) & WS_VISIBLE) != 0; }
// A box ticked or unticked as the mouse does it (click() only runs the handler).
void toggle(ui::CheckBox& box) { box.send(BM_CLICK); }

class AlarmPage : public test::ConfigFixture {
 protected:
  void SetUp() override {
    test::ConfigFixture::SetUp();
    prompts.answer = [this](const test::FakePrompts::Box& box) {
      boxes.push_back(std::string(box.caption) + ":" + std::string(box.text));
      return reply;
    };
    host.sound = [this](const std::string& path, UINT flags) { sounds.push_back(path + ":" + std::to_string(flags)); };
  }
  tockle::TAlarmPage& open() {
    ConfigFixture::open(1);
    dialog->AlarmPage().Now = [this] { return now; };
    return dialog->AlarmPage();
  }
  void addThree() {
    for (const char* m : {"A", "B", "C"}) host.alarms->AddItem(alarm_test::alarm(m, tod(8, 0), tod(8, 5)));
  }
  static std::string order(const tockle::TAlarmPage& p) {
    std::string s;
    for (int i = 0; i < p.lsvAlarm.count(); ++i) s += p.lsvAlarm.itemText(i, 3);
    return s;
  }
  // The next pop-up menu answers the item of this caption.
  static void choose(tockle::TAlarmPage& p, const std::string& caption) {
    p.PopupMenu = [caption](HMENU menu, POINT) {
      for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        if (base::cp932(text) == caption) return GetMenuItemID(menu, i);
      }
      return 0u;
    };
  }

  base::DateTime now = at(2026, 5, 1, 12, 0, 40);
  std::vector<std::string> boxes, sounds;
  int reply = IDOK;
};

TEST_F(AlarmPage, RegisteringChecksTheWindowAndTheWeekdays) {
  auto& p = open();
  struct {
    base::DateTime start, end;
    bool everyHour, noDays;
    const char* box;  // the caption of the one box shown, "" for none
    base::DateTime endAfter;
  } cases[] = {
      {tod(22, 0), tod(9, 59), false, false, "", tod(9, 59)},  // past midnight, 11 h 59 min
      {tod(22, 0), tod(10, 1), false, false, "終了時刻の範囲エラー", tod(10, 0)},
      {tod(10, 0), tod(10, 5), false, true, "曜日設定して下さい", tod(10, 5)},
      {tod(10, 0), tod(10, 5), true, true, "曜日設定して下さい", tod(10, 5)},
  };
  int rows = 0;
  for (auto c : cases) {
    boxes.clear();
    p.NewAlarm();
    p.SetStartTime(c.start);
    p.SetEndTime(c.end);
    if (c.everyHour) toggle(p.chkEveryHour);
    EXPECT_EQ(p.dtpEndTime.enabled(), !c.everyHour);
    if (c.noDays) p.btnRelAll.click();
    p.btnRegAlarm.click();
    EXPECT_EQ(boxes.size(), *c.box ? 1u : 0u);
    if (!boxes.empty()) EXPECT_EQ(boxes[0].substr(0, boxes[0].find(':')), base::fromUtf8(c.box));
    EXPECT_EQ(secs(p.EndTime()), secs(c.endAfter));
    // A refused alarm keeps the group open.
    EXPECT_EQ(p.Editing(), c.noDays);
    rows += !c.noDays;
    EXPECT_EQ(p.lsvAlarm.count(), rows);
    p.btnCanAlarm.click();
  }
}

TEST_F(AlarmPage, TheGroupAndTheRowsRoundTripAndAnEditKeepsItsPlaceAndLastRing) {
  addThree();
  auto& p = open();
  const std::string lastRung = p.lsvAlarm.itemText(0, 8);
  p.btnNewAlarm.click();
  ASSERT_TRUE(p.Editing());
  EXPECT_EQ(secs(p.EndTime()), secs(tod(12, 4)));  // 12:00:40 + 0.003 day, cut to the minute
  EXPECT_TRUE(p.spbAlarmEnabled.checked() && p.chkShowMes.checked() && shown(p.cmbMessage));
  EXPECT_FALSE(shown(p.cmbSoundPath) || shown(p.lsvAlarm));
  p.clbWeekDay[0].setChecked(false);
  p.clbWeekDay[6].setChecked(false);
  toggle(p.chkRingSound);
  EXPECT_TRUE(shown(p.cmbSoundPath) && shown(p.chkSoundLoop));
  p.cmbSoundPath.setText("C:\\bell.wav");
  p.chkSoundLoop.setChecked(true);
  p.chkReCall.setChecked(true);
  p.cmbAlarmApp.setText("a.exe;#NTPSynchronize");
  p.btnRegAlarm.click();
  // Appended and selected, every column as the alarm file gives it.
  ASSERT_EQ(order(p), "ABC設定時刻になりました"_sj);
  EXPECT_EQ(p.lsvAlarm.selectedIndex(), 3);
  std::string row;
  for (int c = 0; c < 12; ++c) row += p.lsvAlarm.itemText(3, c) + "|";
  EXPECT_EQ(row, base::timeToStr(tod(12, 0, 40)) + "|" + base::timeToStr(tod(12, 4)) +
                     "|Y|設定時刻になりました|月火水木金|Y|Y|C:\\bell.wav|"_sj +
                     tockle::TKzBasicAlarmItem::previousText(now - 0.5) + "|Y|a.exe;#NTPSynchronize|N|");
  p.btnEditAlarm.click();
  EXPECT_EQ(secs(p.StartTime()), secs(tod(12, 0, 40)));
  EXPECT_TRUE(p.chkReCall.checked() && p.chkSoundLoop.checked() && !p.chkEveryHour.checked());
  EXPECT_EQ(p.cmbAlarmApp.text(), "a.exe;#NTPSynchronize");
  EXPECT_TRUE(!p.clbWeekDay[0].checked() && p.clbWeekDay[1].checked() && !p.clbWeekDay[6].checked());
  p.btnCanAlarm.click();

  // An edit stays in its row; it rings again only when its times or days changed.
  now += 1.0 / 24;
  p.lsvAlarm.setSelectedIndex(0);
  p.AlarmEdit(1);
  p.cmbMessage.setText("A2");
  p.btnRegAlarm.click();
  EXPECT_EQ(order(p), "A2BC設定時刻になりました"_sj);
  EXPECT_EQ(p.lsvAlarm.itemText(0, 8), lastRung);
  p.AlarmEdit(1);
  p.clbWeekDay[3].setChecked(false);
  p.btnRegAlarm.click();
  EXPECT_EQ(p.lsvAlarm.itemText(0, 8), tockle::TKzBasicAlarmItem::previousText(now - 0.5));
}

TEST_F(AlarmPage, PickersGiveWholeSecondsSoAStartAndEndThatLookTheSameAreTheSame) {
  now = at(2026, 5, 1, 12, 5) + 0.345 / 86400;  // a new alarm's start holds milliseconds no one sees
  auto& p = open();
  p.NewAlarm();
  p.SetEndTime(tod(12, 5));
  EXPECT_EQ(std::llround(p.StartTime() * 86400000), 12 * 3600000 + 5 * 60000);
  p.btnRegAlarm.click();
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(p.lsvAlarm.itemText(0, 1), base::timeToStr(tod(12, 5)));
}

TEST_F(AlarmPage, EditingARowWithAnUnreadableTimeKeepsTheOtherOne) {
  const std::string unreadable = "午前 9時00分"_sj;
  tockle::TKzAlarmTockle startLost = alarm_test::alarm("start", 0, tod(9, 7));
  startLost.Kept.StartTime = unreadable;
  tockle::TKzAlarmTockle endLost = alarm_test::alarm("end", tod(9, 0), 0);
  endLost.Kept.EndTime = unreadable;
  host.alarms->AddItem(startLost);
  host.alarms->AddItem(endLost);
  auto& p = open();
  ASSERT_EQ(p.lsvAlarm.itemText(0, 0), unreadable);
  // The lost start becomes the present time, as for a new alarm.
  p.lsvAlarm.setSelectedIndex(0);
  p.AlarmEdit(1);
  EXPECT_EQ(secs(p.StartTime()), secs(tod(12, 0, 40)));
  EXPECT_EQ(secs(p.EndTime()), secs(tod(9, 7)));
  p.btnCanAlarm.click();
  // The lost end is a new alarm's from the start that was read: 09:00 + 0.003 day, cut to the minute.
  p.lsvAlarm.setSelectedIndex(1);
  p.AlarmEdit(1);
  EXPECT_EQ(secs(p.StartTime()), secs(tod(9, 0)));
  EXPECT_EQ(secs(p.EndTime()), secs(tod(9, 4)));
}

TEST_F(AlarmPage, ListButtonsAndCheckBoxesMarkTheAlarmsChanged) {
  addThree();
  struct {
    int selected;
    std::function<void(tockle::TAlarmPage&)> act;
    const char* order;
    int selectedAfter;
  } cases[] = {
      {0, [](auto& p) { p.btnUpAlarm.click(); }, "ABC", 0},
      {2, [](auto& p) { p.btnDownAlarm.click(); }, "ABC", 2},
      {1, [](auto& p) { p.btnUpAlarm.click(); }, "BAC", 0},
      {0, [](auto& p) { p.btnDownAlarm.click(); }, "BAC", 1},
      {2, [](auto& p) { p.lsvAlarmKeyDown(VK_DELETE); }, "AB", 1},
      {1, [](auto& p) { toggle(p.chkClearReCall); }, "ABC", 1},
      // Space ticks a row's box as the mouse does.
      {1, [](auto& p) { SendMessageW(p.lsvAlarm.handle(), WM_KEYDOWN, VK_SPACE, 0); }, "ABC", 1},
  };
  for (auto& c : cases) {
    auto& p = open();
    p.lsvAlarm.setSelectedIndex(c.selected);
    c.act(p);
    EXPECT_EQ(order(p), c.order);
    EXPECT_EQ(p.lsvAlarm.selectedIndex(), c.selectedAfter) << c.order;
    EXPECT_EQ(dialog->ChangedPages, tockle::cpAlarms) << c.order;
  }
  EXPECT_FALSE(dialog->AlarmPage().lsvAlarm.checked(1));
}

TEST_F(AlarmPage, QuickTimesAndTheProgramMenu) {
  auto& p = open();
  now = at(2026, 5, 1, 23, 58, 30);
  p.NewAlarm();
  EXPECT_EQ(secs(p.EndTime()), secs(tod(0, 2)));  // within the day, past midnight
  // The start: now + 30 minutes as a time of day; the end follows the moved start.
  choose(p, "30分後"_sj);
  p.btnInsertTime.click();
  EXPECT_EQ(secs(p.StartTime()), secs(tod(0, 28, 30)));
  EXPECT_EQ(secs(p.EndTime()), secs(tod(0, 32)));
  // The pickers are read as times, never as their display: any format the system offers will do.
  p.dtpEndTime.setFormat("tt hh'時'mm'分'"_sj);
  prompts.inputs = {"0"};
  choose(p, "任意時間後(&O)"_sj);
  p.btnInsertTime2.click();  // 0: nothing changes
  EXPECT_EQ(secs(p.EndTime()), secs(tod(0, 32)));
  prompts.inputs = {"90"};
  p.btnInsertTime2.click();
  EXPECT_EQ(secs(p.EndTime()), secs(tod(1, 58, 30)));
  EXPECT_EQ(prompts.queries, (std::vector<std::string>{"時間の指定"_sj, "時間の指定"_sj}));

  choose(p, "Windows サスペンド(&S)"_sj);
  p.btnAlarmApp.click();
  EXPECT_EQ(p.cmbAlarmApp.text(), "#SuspendWindows");
  p.cmbAlarmApp.setText("C:\\tools\\a.exe");
  p.btnAlarmApp.click();
  EXPECT_EQ(p.cmbAlarmApp.text(), "C:\\tools\\a.exe;#SuspendWindows");
  test::FakeCommonDialogs fake;
  fake.files = {"C:\\b.exe", "C:\\c.exe"};
  choose(p, "参照(追加)(&A)"_sj);
  p.btnAlarmApp.click();
  EXPECT_EQ(p.cmbAlarmApp.text(), "C:\\tools\\a.exe;#SuspendWindows;C:\\b.exe");
  choose(p, "参照(置換)(&C)"_sj);
  p.btnAlarmApp.click();
  EXPECT_EQ(p.cmbAlarmApp.text(), "C:\\c.exe");
  EXPECT_EQ(fake.calls, (std::vector<std::string>{"openFile:ファイルの指定"_sj, "openFile:ファイルの指定"_sj}));
}

TEST_F(AlarmPage, SoundChoiceAndTest) {
  auto& p = open();
  p.NewAlarm();
  p.cmbSoundPath.setText(folder.file("bell.wav"));
  p.btnTestSound.click();  // no such file: nothing plays
  writeFile("bell.wav", "RIFF");
  p.btnTestSound.click();
  EXPECT_EQ(sounds,
            std::vector<std::string>{folder.file("bell.wav") + ":" + std::to_string(SND_ASYNC | SND_NODEFAULT)});
  test::FakeCommonDialogs fake;
  fake.files = {"C:\\chime.wav"};
  p.btnSelSound.click();
  EXPECT_EQ(p.cmbSoundPath.text(), "C:\\chime.wav");
  EXPECT_EQ(fake.lastFile.fileName, folder.file("bell.wav"));
  EXPECT_EQ(fake.lastFile.filter, "Windows サウンドファイル(*.wav)|*.wav|全てのファイル(*.*)|*.*"_sj);
}

TEST_F(AlarmPage, OkRegistersTheOpenAlarmAndHandsTheListToTheManager) {
  // A stored time the locale cannot read is shown as it stands, and an edit fixes it.
  host.alarms->AddItem(alarm_test::alarm("old", tod(7, 0), tod(13, 5)));
  tockle::AlarmFile file(folder.file("_alarm3"));
  file.write("0", "StartTime", "abc");
  host.alarms->AllocItems(false);
  auto& p = open();
  EXPECT_EQ(p.lsvAlarm.itemText(0, 0), "abc");
  p.lsvAlarm.setSelectedIndex(0);
  p.AlarmEdit(1);
  p.btnRegAlarm.click();

  // A file that refuses the write is said, and the dialog stays open.
  const std::wstring path = base::wide(file.path());
  ASSERT_TRUE(DeleteFileW(path.c_str()) && CreateDirectoryW(path.c_str(), nullptr));
  EXPECT_FALSE(dialog->ApplySettings(false));
  RemoveDirectoryW(path.c_str());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].substr(0, boxes[0].find(':')), "Tockle 3 for Windows 9x/NT");
  boxes.clear();
  p.NewAlarm();
  p.cmbMessage.setText("テスト"_sj);
  toggle(p.chkClearReCall);
  reply = IDYES;
  dialog->btnOkClick();
  EXPECT_EQ(boxes, std::vector<std::string>{
                       "未確定アイテムの確定:アラームのアイテム テスト がまだ未確定です\r\n確定しますか？"_sj});
  EXPECT_FALSE(IsWindow(dialog->handle()));
  EXPECT_EQ(file.read("Initial", "Count"), "2");
  EXPECT_EQ(file.read("0", "StartTime"), base::timeToStr(tod(12, 0, 40)));
  EXPECT_EQ(file.read("1", "MessageString"), "テスト"_sj);
  EXPECT_EQ(host.alarms->Items.size(), 2u);
  EXPECT_TRUE(host.alarms->ClearReCall);
  // The message heads its history.
  shared::TKzRegEx reg;
  std::string first;
  EXPECT_TRUE(reg.OpenKeyReadOnly(key.path()) && reg.TryReadString("_alm0", first, "") && first == "テスト"_sj);
}

}  // namespace
