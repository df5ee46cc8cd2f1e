#include "clock/alarm/alarm_area.h"

#include <windows.h>

#include <mmsystem.h>

#include "base/system_libraries.h"

#include "base/text.h"
#include "clock/alarm/alarm_firing.h"
#include "clock/alarm/alarm_form.h"
#include "clock/alarm/input_minutes.h"
#include "clock/commands/commands.h"
#include "clock/tray/tray_icon.h"
#include "ui/app.h"
#include "ui/command_table.h"
#include "ui/window.h"

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
  // The notice follows the boxes while the window is open: a session end applies them as they stand.
  frm.chkNotRingAlarm.onClick = [&] { notice.notRing.checked = frm.chkNotRingAlarm.checked(); };
  frm.chkEraseAlarm.onClick = [&] { notice.erase.checked = frm.chkEraseAlarm.checked(); };
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

AlarmArea::AlarmArea(const ui::Window& owner, const std::string& programFolder, TTrayIcon& trayIcon, Host host)
    : owner_(owner), programFolder_(programFolder), trayIcon_(trayIcon), host_(std::move(host)) {}

void AlarmArea::bindCommands(ui::CommandTable& commands) {
  commands.on(cmdNewAlarm, [this] { host_.openSettings(cfgNewAlarm); });
  commands.on(cmdAlarms, [this] { host_.openSettings(cfgAlarmPage); });
}

void AlarmArea::start() {
  AlarmManager = std::make_shared<TKzManagerTockle>(programFolder_ + "_alarm3");
  AlarmManager->AllocItems(true);
  AlarmManager->ReportFileProblems();
  AlarmManager->ReportUnreadableTimes();
}

void AlarmArea::setActive(bool active) {
  if (!AlarmManager) return;
  if (active)
    AlarmManager->Resume();
  else
    AlarmManager->Pause();
}

void AlarmArea::postCheck() {
  if (!alarmCheckPosted_ && PostMessageW(owner_.handle(), WM_CHECK_ALARMS, 0, 0)) alarmCheckPosted_ = true;
}

void AlarmArea::check() {
  alarmCheckPosted_ = false;
  NotifyAlarms();
}

void AlarmArea::writeOnExit() {
  // No box may stop the session's end or the close: a file that cannot be written now keeps its
  // alarms as they were.
  auto quietly = [](auto&& write) {
    try {
      write();
    } catch (...) {
    }
  };
  // A notification still open: its choices count as made.
  if (AlarmManager && AlarmManager->SettleNotification) quietly([this] { AlarmManager->SettleNotification(); });
  if (AlarmManager && AlarmManager->ClearReCall) {
    // Done here, so that the manager's own clean-up when it is freed finds nothing left.
    quietly([this] { AlarmManager->DeleteReCallItems(); });
  }
}

void AlarmArea::shutdown() { AlarmManager.reset(); }

void AlarmArea::playSound(const std::string& path, UINT flags) {
  if (host_.playSound) host_.playSound(path, flags);
}

void AlarmArea::AlarmAnimation(bool on) {
  if (on)
    trayIcon_.StartAnimate(0);
  else
    trayIcon_.StopAnimate();
}

void AlarmArea::NotifyAlarms() {
  std::shared_ptr<TKzManagerTockle> manager = AlarmManager;
  if (!manager || !manager->Active()) return;
  AlarmFiringHooks hooks;
  hooks.showWindow = showAlarmWindow;
  hooks.askMinutes = [](const std::string& caption, const std::string& prompt) {
    return InputMinutesInRange(caption, prompt, 1, 1439);
  };
  hooks.playSound = host_.playSound;
  hooks.startPrograms = host_.startPrograms;
  hooks.trayAnimation = [this](bool on) { AlarmAnimation(on); };
  hooks.showStatus = host_.showStatus;
  // Once the clock is closing, no further alarm is notified.
  hooks.goOn = [this, manager] { return AlarmManager == manager; };
  NotifyDueAlarms(*manager, hooks);
}

}  // namespace tockle
