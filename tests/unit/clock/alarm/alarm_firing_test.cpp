// The notification sequence with a fake window, prompt, sound and program start: what rings, in
// which order, and what is deleted, disabled, added or started afterwards.
#include "clock/alarm/alarm_firing.h"

#include <windows.h>

#include <mmsystem.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "base/handles.h"
#include "base/text.h"
#include "clock/alarm/alarm_file.h"
#include "support/temp_folder.h"
#include "unit/clock/alarm/alarm_test_util.h"

namespace {

using alarm_test::alarm;
using alarm_test::at;
using alarm_test::tod;
using tockle::AlarmNotice;
using tockle::TKzAlarmTockle;
using tockle::TKzManagerTockle;

class AlarmFiring : public testing::Test {
 protected:
  void SetUp() override {
    manager = std::make_unique<TKzManagerTockle>(folder.file("_alarm3"));
    manager->Now = [this] { return now; };
    hooks.showWindow = [this](AlarmNotice& n) {
      shown.push_back(n);
      activeDuringWindow = manager->Active();
      if (duringWindow) duringWindow(n);
      return windowResult;
    };
    hooks.askMinutes = [this](const std::string& caption, const std::string& prompt) {
      asked.push_back(caption + "|" + prompt);
      return minutes;
    };
    hooks.playSound = [this](const std::string& path, UINT flags) {
      sounds.push_back(path + "|" + std::to_string(flags));
    };
    hooks.startPrograms = [this](const std::string& p) { started.push_back(p); };
    hooks.trayAnimation = [this](bool on) { animation.push_back(on); };
    hooks.showStatus = [this](const std::string& t) { status.push_back(t); };
  }
  void add(const TKzAlarmTockle& item) { manager->AddItem(item); }
  // A 09:00-09:07 alarm with a looping sound, and its (existing) wave file.
  TKzAlarmTockle sounding(const std::string& message) {
    EXPECT_TRUE(base::writeFileAtomic(wav, "RIFF"));
    TKzAlarmTockle item = alarm(message, tod(9, 0), tod(9, 7));
    item.RingSound = item.LoopSound = true;
    item.SoundPath = wav;
    return item;
  }
  void run() {
    manager->AllocItems(true);
    manager->Resume();
    tockle::NotifyDueAlarms(*manager, hooks);
  }
  std::vector<std::string> messages() {
    std::vector<std::string> out;
    for (const auto& i : manager->Items) out.push_back(i->MessageString);
    return out;
  }

  test::TempFolder folder;
  std::string wav = folder.file("bell.wav");
  alarm_test::ErrorBoxes boxes;
  base::DateTime now = at(2026, 12, 9, 9, 2);
  std::unique_ptr<TKzManagerTockle> manager;
  tockle::AlarmFiringHooks hooks;
  int windowResult = IDOK;
  int minutes = 0;
  std::function<void(AlarmNotice&)> duringWindow;
  bool activeDuringWindow = true;
  std::vector<AlarmNotice> shown;
  std::vector<std::string> asked, sounds, started, status;
  std::vector<bool> animation;
};

TEST_F(AlarmFiring, ReCallItemWithoutMessageIsDeletedAndStartsItsPrograms) {
  TKzAlarmTockle item = alarm("", tod(9, 0), tod(9, 7));
  item.ReCall = true;
  item.ExecuteApps = "notepad.exe;#NTPSynchronize";
  add(item);
  add(alarm("other", tod(18, 0), tod(18, 7)));
  run();
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(started, std::vector<std::string>{"notepad.exe;#NTPSynchronize"});
  EXPECT_EQ(messages(), std::vector<std::string>{"other"});
  EXPECT_EQ(manager->ReadCount(), 1);
  EXPECT_EQ(status, std::vector<std::string>{"Alarming..."});
  EXPECT_EQ(animation, (std::vector<bool>{true, false}));
  EXPECT_TRUE(manager->Active());
}

TEST_F(AlarmFiring, WindowIsFilledFromTheItem) {
  TKzAlarmTockle item = alarm("会議です"_sj, tod(9, 0), tod(9, 7));
  item.ExecuteApps = "calc.exe";
  add(item);
  TKzAlarmTockle reCall = alarm("二度目"_sj, tod(9, 1), tod(9, 8));
  reCall.ReCall = true;
  add(reCall);
  run();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].caption, "アラームのお知らせ - Tockle 3"_sj);
  EXPECT_EQ(shown[0].setTime, base::timeToStr(tod(9, 0)));
  EXPECT_EQ(shown[0].message, "会議です"_sj);
  EXPECT_EQ(shown[0].programs, "calc.exe");
  EXPECT_TRUE(shown[0].startApps.checked && shown[0].startApps.enabled);
  EXPECT_FALSE(shown[0].notRing.checked || shown[0].erase.checked);
  EXPECT_TRUE(shown[0].notRing.enabled && shown[0].erase.enabled);
  // A delete-after-notification item: both boxes ticked and locked; no programs: box off.
  EXPECT_TRUE(shown[1].notRing.checked && shown[1].erase.checked);
  EXPECT_FALSE(shown[1].notRing.enabled || shown[1].erase.enabled);
  EXPECT_FALSE(shown[1].startApps.checked || shown[1].startApps.enabled);
  EXPECT_FALSE(activeDuringWindow);
  // First kept (OK with nothing ticked), second deleted; calc started once.
  EXPECT_EQ(messages(), std::vector<std::string>{"会議です"_sj});
  EXPECT_EQ(started, std::vector<std::string>{"calc.exe"});
}

TEST_F(AlarmFiring, LoopingSoundStopsWhenTheWindowCloses) {
  add(sounding("loop"));
  add(sounding(""));  // no message: plays once, no loop
  TKzAlarmTockle missing = alarm("missing", tod(9, 0), tod(9, 7));
  missing.RingSound = true;
  missing.SoundPath = folder.file("none.wav");
  add(missing);
  duringWindow = [&](AlarmNotice&) { sounds.push_back("window"); };
  run();
  EXPECT_EQ(sounds, (std::vector<std::string>{wav + "|11", "window", "|0", wav + "|3", "window"}));
}

TEST_F(AlarmFiring, ReNotificationAfterFiveMinutesIsAppended) {
  add(alarm("wake", tod(9, 0), tod(9, 7)));
  windowResult = IDRETRY;
  minutes = 5;
  run();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], "再通知時間の設定|何分後に再通知するか指定して下さい"_sj);
  ASSERT_EQ(manager->Count, 2);
  const TKzAlarmTockle& re = *manager->Items[1];
  EXPECT_EQ(re.MessageString, "wake");
  EXPECT_TRUE(re.ReCall);
  EXPECT_NEAR(re.StartTime - std::floor(re.StartTime), tod(9, 7), 1e-7);
  EXPECT_NEAR(re.EndTime - std::floor(re.EndTime), tod(9, 12), 1e-7);
  EXPECT_TRUE(manager->Items[0]->Enabled);
  EXPECT_TRUE(boxes.captions.empty());
}

TEST_F(AlarmFiring, ReNotificationAnsweredAfterTheWindowKeepsItsLength) {
  TKzAlarmTockle fired = alarm("wake", tod(9, 0), tod(9, 7));
  TKzAlarmTockle re = tockle::MakeReNotification(fired, 5, at(2026, 12, 9, 9, 10));
  EXPECT_NEAR(re.StartTime, tod(9, 15), 1e-7);
  EXPECT_NEAR(re.EndTime, tod(9, 22), 1e-7);
  EXPECT_TRUE(re.ReCall);
  // Within a window past midnight.
  TKzAlarmTockle night = alarm("n", tod(23, 50), tod(0, 10));
  TKzAlarmTockle re2 = tockle::MakeReNotification(night, 30, at(2026, 12, 10, 0, 5));
  EXPECT_NEAR(re2.StartTime, tod(0, 35), 1e-7);
  EXPECT_NEAR(re2.EndTime, tod(0, 40), 1e-7);
}

// A re-notification rings once, at the time asked for, and never before it.
struct Snooze {
  const char* name;
  base::DateTime start, end;
  bool everyHour;
  int weekDay;  // the fired alarm's only day (0 Sunday), -1: every day
  base::DateTime answered;
  int minutes;
};

class ReNotification : public AlarmFiring, public testing::WithParamInterface<Snooze> {
 protected:
  // Notifications of re-notification items (their boxes cannot be changed) at time t.
  int ringsAt(base::DateTime t) {
    now = t;
    shown.clear();
    tockle::NotifyDueAlarms(*manager, hooks);
    return static_cast<int>(
        std::count_if(shown.begin(), shown.end(), [](const AlarmNotice& n) { return !n.erase.enabled; }));
  }
};

TEST_P(ReNotification, RingsOnceAtTheTimeAskedFor) {
  const Snooze& c = GetParam();
  TKzAlarmTockle fired = alarm("wake", c.start, c.end);
  fired.RingEveryHour = c.everyHour;
  if (c.weekDay >= 0) {
    fired.WeekDay.fill(false);
    fired.WeekDay[static_cast<size_t>(c.weekDay)] = true;
  }
  add(fired);
  now = c.answered;
  windowResult = IDRETRY;
  minutes = c.minutes;
  run();
  ASSERT_EQ(shown.size(), 1u) << "the re-notification rang in the tick that made it";
  ASSERT_EQ(manager->Count, 2);
  // Nor at a start of the program before its time, which forgets when it last rang.
  const TKzAlarmTockle& copy = *manager->Items[1];
  EXPECT_FALSE(tockle::TKzBasicAlarmItem::inWindow(copy.StartTime, copy.EndTime, c.answered));
  windowResult = IDOK;
  const double second = 1.0 / 86400, due = c.answered + c.minutes / 1440.0;
  EXPECT_EQ(ringsAt(c.answered + second), 0);
  EXPECT_EQ(ringsAt(due - second), 0);
  EXPECT_EQ(ringsAt(due + second / 2), 1);
  EXPECT_EQ(ringsAt(due + 60 * second), 0);
  EXPECT_EQ(manager->Count, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReNotification,
    testing::Values(
        Snooze{"FiveMinutes", tod(9, 0), tod(9, 7), false, -1, at(2026, 12, 9, 9, 2), 5},
        // An hourly alarm compares only the minute: a whole number of hours would ring at once.
        Snooze{"HourlyByAnHour", tod(9, 0), tod(9, 7), true, -1, at(2026, 12, 9, 9, 0, 30), 60},
        Snooze{"HourlyByNinetyMinutes", tod(9, 0), tod(9, 7), true, -1, at(2026, 12, 9, 9, 0, 30), 90},
        // An hourly alarm without a window: the copy gets one.
        Snooze{"HourlyStartIsEndByAMinute", tod(11, 40), tod(11, 40), true, -1, at(2026, 12, 9, 11, 40, 30), 1},
        Snooze{"HourlyStartIsEndByAnHour", tod(11, 40), tod(11, 40), true, -1, at(2026, 12, 9, 11, 40, 5), 60},
        Snooze{"HourlyStartIsEndByADay", tod(11, 40), tod(11, 40), true, -1, at(2026, 12, 9, 11, 40, 59), 1439},
        // Minutes plus the rest of the window beyond a day: the wrapped window holds now.
        Snooze{"WrappedWindowHoldsNow", tod(9, 0), tod(21, 0), false, -1, at(2026, 12, 9, 9, 0, 30), 1200},
        // Past midnight into a day the fired alarm skips (2026-12-09 is a Wednesday).
        Snooze{"IntoADayTheAlarmSkips", tod(23, 40), tod(23, 59), false, 3, at(2026, 12, 9, 23, 50), 30}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AlarmFiring, RefusedOrCancelledPromptAddsNothingAndResumes) {
  add(alarm("wake", tod(9, 0), tod(9, 7)));
  windowResult = IDRETRY;
  minutes = 0;
  run();
  EXPECT_EQ(asked.size(), 1u);
  EXPECT_EQ(manager->Count, 1);
  EXPECT_TRUE(manager->Active());
}

TEST_F(AlarmFiring, TwoDueItemsFireInIndexOrder) {
  add(alarm("later", tod(11, 0), tod(11, 7)));
  add(alarm("first", tod(8, 58), tod(9, 7)));
  add(alarm("second", tod(9, 1), tod(9, 3)));
  run();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].message, "first");
  EXPECT_EQ(shown[1].message, "second");
  // Each ran in its own paused section, and checks are back afterwards.
  EXPECT_EQ(animation, (std::vector<bool>{true, false, true, false}));
  EXPECT_TRUE(manager->Active());
  shown.clear();
  tockle::NotifyDueAlarms(*manager, hooks);
  EXPECT_TRUE(shown.empty());
}

TEST_F(AlarmFiring, NothingFiresWhilePaused) {
  add(alarm("wake", tod(9, 0), tod(9, 7)));
  manager->AllocItems(true);
  tockle::NotifyDueAlarms(*manager, hooks);  // still in its start-up pause
  EXPECT_TRUE(shown.empty());
  manager->Resume();
  manager->Pause();  // a settings dialog is open
  tockle::NotifyDueAlarms(*manager, hooks);
  EXPECT_TRUE(shown.empty());
  manager->Resume();
  tockle::NotifyDueAlarms(*manager, hooks);
  EXPECT_EQ(shown.size(), 1u);
}

TEST_F(AlarmFiring, DialogClosedDuringTheNotificationDoesNotResumeChecks) {
  add(alarm("wake", tod(9, 0), tod(9, 7)));
  add(alarm("also", tod(9, 0), tod(9, 7)));
  duringWindow = [&](AlarmNotice&) {
    // A settings dialog opens and closes while the window is open.
    manager->Pause();
    manager->Resume();
    int i = 0;
    EXPECT_FALSE(manager->CheckAlarms(i));
  };
  run();
  EXPECT_EQ(shown.size(), 2u);
}

TEST_F(AlarmFiring, BoxesDeleteOrDisableTheFiredItemEvenAfterTheListChanged) {
  add(alarm("a", tod(18, 0), tod(18, 7)));
  add(alarm("wake", tod(9, 0), tod(9, 7)));
  add(alarm("b", tod(19, 0), tod(19, 7)));
  duringWindow = [&](AlarmNotice& n) {
    n.erase.checked = true;
    manager->DeleteItem(0);  // the list was rewritten meanwhile: "wake" is now item 0
  };
  run();
  EXPECT_EQ(messages(), std::vector<std::string>{"b"});

  add(alarm("stop", tod(9, 0), tod(9, 7)));
  duringWindow = [&](AlarmNotice& n) { n.notRing.checked = true; };
  run();
  ASSERT_EQ(manager->Count, 2);
  EXPECT_FALSE(manager->Items[1]->Enabled);
  EXPECT_TRUE(manager->Items[0]->Enabled);
  auto reread = std::make_unique<TKzManagerTockle>(folder.file("_alarm3"));
  reread->AllocItems(false);
  EXPECT_FALSE(reread->Items[1]->Enabled);
  // The user unticked the programs: none start.
  EXPECT_TRUE(started.empty());
}

TEST_F(AlarmFiring, CleanUpRunsWhenTheSequenceThrows) {
  add(sounding("loop"));
  duringWindow = [](AlarmNotice&) { throw std::runtime_error("window failed"); };
  EXPECT_THROW(run(), std::runtime_error);
  EXPECT_EQ(sounds, (std::vector<std::string>{wav + "|11", "|0"}));
  EXPECT_EQ(animation, (std::vector<bool>{true, false}));
  EXPECT_TRUE(manager->Active());
}

TEST_F(AlarmFiring, ProgramsStartAfterTheItemWasDeleted) {
  TKzAlarmTockle item = alarm("", tod(9, 0), tod(9, 7));
  item.ReCall = true;
  item.ExecuteApps = "x.exe";
  add(item);
  hooks.startPrograms = [this](const std::string& p) { started.push_back(p + "@" + std::to_string(manager->Count)); };
  run();
  EXPECT_EQ(started, std::vector<std::string>{"x.exe@0"});
}

// The session ends (or the clock closes) while the window is open: its choices are applied then,
// as its OK would, and not a second time when it closes.
TEST_F(AlarmFiring, ChoicesAreSettledWhileTheWindowIsOpenAndOnlyOnce) {
  add(alarm("keep", tod(9, 0), tod(9, 7)));
  add(alarm("gone", tod(9, 1), tod(9, 8), true));
  add(alarm("later", tod(18, 0), tod(18, 7)));
  std::vector<std::vector<std::string>> during;
  duringWindow = [&](AlarmNotice& n) {
    n.notRing.checked = true;
    ASSERT_TRUE(manager->SettleNotification);
    manager->SettleNotification();
    during.push_back(messages());
    EXPECT_EQ(manager->Items[0]->Enabled, false);
  };
  run();
  EXPECT_EQ(during, (std::vector<std::vector<std::string>>{{"keep", "gone", "later"}, {"keep", "later"}}));
  EXPECT_EQ(messages(), (std::vector<std::string>{"keep", "later"}));
  EXPECT_FALSE(manager->Items[0]->Enabled);
  EXPECT_TRUE(manager->Items[1]->Enabled);
  EXPECT_FALSE(manager->SettleNotification);
}

// A choice that cannot be written says why and that the alarm stayed as it was; settling it
// earlier (the session ending) does not try again when the window closes.
TEST_F(AlarmFiring, ChoiceThatCannotBeWrittenSaysWhyAndIsTriedOnce) {
  add(alarm("held", tod(9, 0), tod(9, 7)));
  base::FileHandle hold;
  duringWindow = [&](AlarmNotice& n) {
    n.notRing.checked = true;
    hold.reset(CreateFileW(base::wide(manager->FileName).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    try {
      manager->SettleNotification();
      ADD_FAILURE() << "no error";
    } catch (const tockle::EAlarmWriteError& e) {
      EXPECT_NE(std::string(e.what()).find("使用中です"_sj), std::string::npos);
      EXPECT_NE(std::string(e.what()).find("アラームは元のままです"_sj), std::string::npos);
    }
  };
  run();
  hold.reset();
  EXPECT_EQ(tockle::AlarmFile(manager->FileName).read("0", "Enabled"), "1");
  EXPECT_TRUE(manager->Items[0]->Enabled);
}

}  // namespace
