// Notifying due alarms: for each due item in turn, with alarm checks paused, its sound, its
// notification window, a re-notification asked for there, the looping sound stopped, the item
// deleted or disabled as the window's boxes say, and last its programs started.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "base/datetime.h"
#include "clock/alarm/alarm_manager.h"

namespace tockle {

// What the notification window shows, and its boxes (their initial state, and after a modal
// showing what the user left in them).
struct AlarmNotice {
  std::string caption;
  std::string setTime;
  std::string message;
  std::string programs;  // shown after the program box's caption
  struct Box {
    bool checked = false;
    bool enabled = true;
  } notRing, erase, startApps;
};

// Everything the sequence does outside the manager, so that each can be replaced in tests.
struct AlarmFiringHooks {
  // Shows the window modally; answers the modal result (IDRETRY asks for a re-notification).
  std::function<int(AlarmNotice& notice)> showWindow;
  // Asks for the minutes of a re-notification: 1..1439, or 0 for none.
  std::function<int(const std::string& caption, const std::string& prompt)> askMinutes;
  // Plays a wave file with sndPlaySound flags; an empty path stops the sound.
  std::function<void(const std::string& path, UINT flags)> playSound;
  // Starts a ";"-separated program list.
  std::function<void(const std::string& programs)> startPrograms;
  // The tray icon's animation: on while a notification runs.
  std::function<void(bool on)> trayAnimation;
  // The short status text shown in place of the clock.
  std::function<void(const std::string& text)> showStatus;
  // Whether to look for the next due alarm after a notification (none: always).
  std::function<bool()> goOn;
};

// Notifies every due item, one after the other, while the manager is active.
void NotifyDueAlarms(TKzManagerTockle& manager, const AlarmFiringHooks& hooks);

// The re-notification of fired, m minutes after now: a delete-after-notification copy that starts
// at now + m and rings once, then (its Previous keeps it from ringing earlier; it rings on any
// day, never hourly). Its end is the fired end + m while now lies in the fired window; answered
// after the window ended, it keeps the fired window's length; an empty one (an hourly alarm's
// start may equal its end) becomes the default length.
TKzAlarmTockle MakeReNotification(const TKzAlarmTockle& fired, int minutes, base::DateTime now);

}  // namespace tockle
