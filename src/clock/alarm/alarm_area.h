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
  // What the area needs of the clock.
  struct Host {
    // A timed text in place of the clock.
    std::function<void(const std::string& text)> showStatus;
    // Opens the settings dialog in a mode (ConfigModes).
    std::function<void(uint8_t mode)> openSettings;
    // Starts an alarm's program list (the clock's program start).
    std::function<void(const std::string& programs)> startPrograms;
    // Plays an alarm sound; an empty path stops it.
    std::function<void(const std::string& path, UINT flags)> playSound = PlayAlarmSound;
  };

  // owner: the clock window, which gets the posted check and forwards it to check(); the alarm
  // file lives in programFolder.
  AlarmArea(const ui::Window& owner, const std::string& programFolder, TTrayIcon& trayIcon, Host host);
  AlarmArea(const AlarmArea&) = delete;
  AlarmArea& operator=(const AlarmArea&) = delete;

  // Commands 2 and 3 open the settings dialog for a new alarm and on the alarm page.
  void bindCommands(ui::CommandTable& commands);
  // Builds the manager from the alarm file, paused: checks begin with setActive(true) once the
  // window is shown. Whoever opens a modal window pauses the alarms for that time.
  void start();
  void setActive(bool active);
  // After a paint: the check runs once the paint (or whatever called) has ended.
  void postCheck();
  // The posted check, or a tick's: notifies the alarms that are due.
  void check();
  // Closing the clock: the re-notification clean-up the user asked for.
  void writeOnExit();
  // The clock closes: no further alarm is notified, and the manager is freed once a notification
  // still running has ended.
  void shutdown();
  // The manager the settings dialog lists and writes back; null before start and after shutdown.
  const std::shared_ptr<TKzManagerTockle>& manager() const { return AlarmManager; }
  // Plays a sound the user tries.
  void playSound(const std::string& path, UINT flags);

 private:
  void NotifyAlarms();
  // The tray icon's animation while a notification runs.
  void AlarmAnimation(bool on);

  // Shared with a running notification, so that closing the clock meanwhile frees it only when the
  // notification has ended.
  std::shared_ptr<TKzManagerTockle> AlarmManager;
  const ui::Window& owner_;
  const std::string& programFolder_;
  TTrayIcon& trayIcon_;
  Host host_;
  bool alarmCheckPosted_ = false;
};

}  // namespace tockle
