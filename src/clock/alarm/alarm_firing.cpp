#include "clock/alarm/alarm_firing.h"

#include <windows.h>

#include <mmsystem.h>

#include <cmath>

#include "base/files.h"
#include "base/text.h"
#include "clock/alarm/alarm_file.h"
#include "clock/alarm/input_minutes.h"

namespace tockle {

namespace {

// The clean-up of one notification, run however the sequence ends.
class NotificationScope {
 public:
  NotificationScope(TKzManagerTockle& manager, const AlarmFiringHooks& hooks) : manager_(manager), hooks_(hooks) {
    manager_.Pause();
  }
  ~NotificationScope() {
    try {
      stopLoop();
      if (animating_ && hooks_.trayAnimation) hooks_.trayAnimation(false);
    } catch (...) {
    }
    manager_.Resume();
  }
  void startAnimation() {
    animating_ = true;
    if (hooks_.trayAnimation) hooks_.trayAnimation(true);
  }
  void play(const std::string& path, UINT flags) {
    if (hooks_.playSound) hooks_.playSound(path, flags);
    looping_ = (flags & SND_LOOP) != 0;
  }
  void stopLoop() {
    if (!looping_) return;
    looping_ = false;
    if (hooks_.playSound) hooks_.playSound("", 0);
  }

 private:
  TKzManagerTockle& manager_;
  const AlarmFiringHooks& hooks_;
  bool animating_ = false;
  bool looping_ = false;
};

void notifyOne(TKzManagerTockle& manager, const AlarmFiringHooks& hooks, int index) {
  NotificationScope scope(manager, hooks);
  TKzAlarmTockle item(manager.FileName);
  AlarmNotice notice;
  notice.caption = "アラームのお知らせ - Tockle 3"_sj;
  scope.startAnimation();
  if (hooks.showStatus) hooks.showStatus("Alarming...");

  item.Index = index;
  manager.LoadItem(item);
  notice.setTime = base::timeToStr(item.StartTime);
  notice.message = item.MessageString;
  // A delete-after-notification item cannot be kept.
  notice.notRing = notice.erase = AlarmNotice::Box{item.ReCall, !item.ReCall};
  if (!item.ExecuteApps.empty()) {
    notice.startApps = {true, true};
    notice.programs = item.ExecuteApps;
  } else {
    notice.startApps = {false, false};
  }
  if (item.RingSound && base::fileExists(item.SoundPath)) {
    bool loop = item.LoopSound && item.ShowMessage;
    scope.play(item.SoundPath, SND_ASYNC | SND_NODEFAULT | (loop ? SND_LOOP : 0));
  }
  // The choices are applied once: when the window has closed, or earlier when the session ends
  // or the clock closes while it is open (the window's boxes keep the notice up to date).
  bool settled = false;
  auto settle = [&] {
    if (settled) return;
    settled = true;
    // A settings dialog opened meanwhile may have rewritten the list: act on the fired item only.
    int target = manager.FindItem(item, index);
    if (target < 0) return;
    try {
      if (notice.erase.checked) {
        manager.DeleteItem(target);
      } else if (notice.notRing.checked) {
        item.Enabled = false;
        item.Index = target;
        manager.SetItem(item);
      }
    } catch (const EAlarmWriteError& e) {
      throw EAlarmWriteError(e.what() + "\r\n通知で選んだ変更は保存されず，アラームは元のままです"_sj);
    }
  };
  struct Registration {
    TKzManagerTockle& manager;
    ~Registration() { manager.SettleNotification = nullptr; }
  } registration{manager};
  manager.SettleNotification = settle;
  if (item.ShowMessage && hooks.showWindow) {
    if (hooks.showWindow(notice) == IDRETRY && hooks.askMinutes) {
      int m = hooks.askMinutes("再通知時間の設定"_sj, "何分後に再通知するか指定して下さい"_sj);
      if (m != 0) {
        TKzAlarmTockle again = MakeReNotification(item, m, manager.Now());
        manager.AddItem(again, again.Previous);
      }
    }
  }
  scope.stopLoop();
  std::string programs = item.ExecuteApps;
  settle();
  if (notice.startApps.checked && hooks.startPrograms) hooks.startPrograms(programs);
}

}  // namespace

TKzAlarmTockle MakeReNotification(const TKzAlarmTockle& fired, int minutes, base::DateTime now) {
  TKzAlarmTockle item;
  item.Assign(fired);
  base::DateTime delay = MinutesToTime(minutes);
  base::DateTime start = now - std::floor(now) + delay;
  if (TKzBasicAlarmItem::inWindow(fired.StartTime, fired.EndTime, now)) {
    item.EndTime = fired.EndTime + delay;
  } else {
    item.EndTime = start + TKzBasicAlarmItem::windowLength(fired.StartTime, fired.EndTime) / 86400000.0;
  }
  // An hourly alarm needs no window (its start may equal its end); the copy rings in one.
  if (TKzBasicAlarmItem::windowLength(start, item.EndTime) == 0)
    item.EndTime = start + TKzBasicAlarmItem::kDefaultLengthMs / 86400000.0;
  // A start of the program forgets when an item last rang: a window wrapped round midnight far
  // enough to hold the time the copy is made would ring it at the next start, before its time.
  const double dayPart = delay - std::floor(delay), longest = 1.0 - dayPart - 1.0 / 86400;
  if (dayPart > 0 && longest > 0 && TKzBasicAlarmItem::windowLength(start, item.EndTime) / 86400000.0 > longest)
    item.EndTime = start + longest;
  item.StartTime = start;
  item.ReCall = true;
  // It rings once, at now + m: never in an hour's minute nor on a day the fired alarm skips, and
  // not before its time even where its window, wrapped round midnight, already holds now.
  item.RingEveryHour = false;
  item.WeekDay.fill(true);
  item.Previous = now + delay - 0.5;
  return item;
}

void NotifyDueAlarms(TKzManagerTockle& manager, const AlarmFiringHooks& hooks) {
  if (!manager.Active()) return;
  int index = 0;
  while (manager.CheckAlarms(index)) {
    notifyOne(manager, hooks, index);
    if (hooks.goOn && !hooks.goOn()) break;
  }
}

}  // namespace tockle
