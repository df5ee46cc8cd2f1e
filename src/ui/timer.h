// A window timer as a component: Interval, Enabled, onTimer. Like the class library's timer it
// fires only while enabled with an interval above 0. All timers of the thread share one hidden
// message window, so a timer works whatever its owner is and also inside modal loops.
#pragma once

#include <windows.h>

#include <functional>

namespace ui {

class Timer {
 public:
  explicit Timer(UINT interval = 1000, bool enabled = true);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  UINT interval() const { return interval_; }
  void setInterval(UINT ms);
  bool enabled() const { return enabled_; }
  void setEnabled(bool on);

  std::function<void()> onTimer;

 private:
  friend struct TimerSink;
  void update();
  void fire();
  UINT interval_;
  bool enabled_;
  UINT_PTR id_;
  bool running_ = false;
};

}  // namespace ui
