// The clock window's part in alarms: the manager's creation, the notification of due alarms after
// each paint, and what the notifications need from the window (status text, tray animation,
// sound, program start).
#include <windows.h>

#include <mmsystem.h>

#include "base/system_libraries.h"

#include "base/text.h"
#include "clock/alarm/alarm_firing.h"
#include "clock/alarm/alarm_form.h"
#include "clock/alarm/input_minutes.h"
#include "clock/app/main_form.h"

namespace tockle {

namespace {

int showAlarmWindow(AlarmNotice& notice) {
  TfrmAlarm frm;
  if (!frm.create()) return IDCANCEL;
  frm.setCaption(notice.caption);
  frm.edtSetTime.setText(notice.setTime);
  frm.edtMessage.setText(notice.message);
  auto setBox = [](ui::CheckBox& box, const AlarmNotice::Box& b) {
    box.setChecked(b.checked);
    box.setEnabled(b.enabled);
  };
  setBox(frm.chkNotRingAlarm, notice.notRing);
  setBox(frm.chkEraseAlarm, notice.erase);
  setBox(frm.chkStartApps, notice.startApps);
  if (!notice.programs.empty()) frm.chkStartApps.setText(frm.chkStartApps.text() + " - " + notice.programs);
  int result = frm.showModal();
  notice.notRing.checked = frm.Closed.notRing;
  notice.erase.checked = frm.Closed.erase;
  notice.startApps.checked = frm.Closed.startApps;
  return result;
}

}  // namespace

void PlayAlarmSound(const std::string& path, UINT flags) {
  if (path.empty())
    LAZY(base::winmm(), sndPlaySoundW)(nullptr, flags);
  else
    LAZY(base::winmm(), sndPlaySoundW)(base::wide(path).c_str(), flags);
}

void TfrmMain::CreateAlarmManager() {
  // Created paused: checks begin once the window is shown.
  AlarmManager = std::make_shared<TKzManagerTockle>(ProgramFolder + "_alarm3");
  AlarmManager->AllocItems(true);
  AlarmManager->ReportUnreadableTimes();
}

void TfrmMain::AlarmAnimation(bool on) {
  if (on)
    triIcon.StartAnimate(0);
  else
    triIcon.StopAnimate();
}

void TfrmMain::NotifyAlarms() {
  std::shared_ptr<TKzManagerTockle> manager = AlarmManager;
  if (!manager || !manager->Active()) return;
  AlarmFiringHooks hooks;
  hooks.showWindow = showAlarmWindow;
  hooks.askMinutes = [](const std::string& caption, const std::string& prompt) {
    return InputMinutesInRange(caption, prompt, 1, 1439);
  };
  hooks.playSound = AlarmSound;
  hooks.startPrograms = AlarmProgramStart;
  hooks.trayAnimation = [this](bool on) { AlarmAnimation(on); };
  hooks.showStatus = [this](const std::string& text) { ShowClockMessage(true, false, text); };
  // Once the clock is closing, no further alarm is notified.
  hooks.goOn = [this, manager] { return AlarmManager == manager; };
  NotifyDueAlarms(*manager, hooks);
}

}  // namespace tockle
