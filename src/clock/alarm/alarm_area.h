// The clock's alarms: the manager built from the program folder's alarm file, the check of due
// alarms after each paint and tick, and what a notification needs of the clock (a timed text, the
// tray icon's animation, the sound, the start of programs).
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "clock/alarm/alarm_manager.h"
#include "ui/command_table.h"

namespace ui {
class Window;
}  // namespace ui

namespace tockle {

class TTrayIcon;

// Posted after a paint so that a due alarm's modal notification never runs inside WM_PAINT.
inline constexpr UINT WM_CHECK_ALARMS = WM_APP + 1;

// sndPlaySound with CP932 path; an empty path stops the sound.
void PlayAlarmSound(const std::string& path, UINT flags);

class AlarmArea {
 public:
  // A timed text in place of the clock.
  using ShowStatus = std::function<void(const std::string& text)>;
  // Opens the settings dialog in a mode (ConfigModes).
  using OpenSettings = std::function<void(uint8_t mode)>;

  // owner: the clock window, which gets the posted check; the alarm file lives in programFolder.
  AlarmArea(const ui::Window& owner, const std::string& programFolder, TTrayIcon& trayIcon, ShowStatus showStatus,
            OpenSettings openSettings);
  AlarmArea(const AlarmArea&) = delete;
  AlarmArea& operator=(const AlarmArea&) = delete;

  // Commands 2 and 3 open the settings dialog for a new alarm and on the alarm page.
  void bindCommands(ui::CommandTable& commands);

  // The manager is created paused and resumed once the window is shown; whoever opens a modal
  // window pauses it for that time. Shared with a running notification, so that closing the clock
  // meanwhile frees it only when the notification has ended.
  std::shared_ptr<TKzManagerTockle> AlarmManager;
  // Starts an alarm's program list (the clock's program start; tests replace it).
  std::function<void(const std::string& programs)> AlarmProgramStart;
  std::function<void(const std::string& path, UINT flags)> AlarmSound = PlayAlarmSound;
  void CreateAlarmManager();
  void SetAlarmsActive(bool active);
  // After a paint: the check runs once the paint (or whatever called) has ended.
  void postCheck();
  void CheckAlarms();
  void NotifyAlarms();
  // The tray icon's animation while a notification runs.
  void AlarmAnimation(bool on);
  // Closing the clock: the re-notification clean-up the user asked for.
  void writeOnExit();

 private:
  const ui::Window& owner_;
  const std::string& programFolder_;
  TTrayIcon& trayIcon_;
  ShowStatus showStatus_;
  OpenSettings openSettings_;
  bool alarmCheckPosted_ = false;
};

}  // namespace tockle
