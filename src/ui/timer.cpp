#include "ui/timer.h"

#include <map>

#include "ui/app.h"

namespace ui {

struct TimerSink {
  static HWND window() {
    static HWND hwnd = [] {
      static const std::wstring name = Application::instance().classPrefix() + L"TimerSink";
      WNDCLASSW wc{};
      wc.lpfnWndProc = proc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = name.c_str();
      RegisterClassW(&wc);
      return CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    }();
    return hwnd;
  }
  static std::map<UINT_PTR, Timer*>& timers() {
    static std::map<UINT_PTR, Timer*> m;
    return m;
  }
  static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER) {
      auto it = timers().find(wp);
      if (it != timers().end()) {
        Timer* t = it->second;
        guarded([t] { t->fire(); });
      }
      return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
};

Timer::Timer(UINT interval, bool enabled) : interval_(interval), enabled_(enabled) {
  static UINT_PTR next = 1;
  id_ = next++;
  TimerSink::timers()[id_] = this;
  update();
}

Timer::~Timer() {
  if (running_) KillTimer(TimerSink::window(), id_);
  TimerSink::timers().erase(id_);
}

void Timer::setInterval(UINT ms) {
  if (ms == interval_) return;
  interval_ = ms;
  if (running_) {
    KillTimer(TimerSink::window(), id_);
    running_ = false;
  }
  update();
}

void Timer::setEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  update();
}

void Timer::update() {
  bool want = enabled_ && interval_ > 0;
  if (want && !running_) {
    running_ = SetTimer(TimerSink::window(), id_, interval_, nullptr) != 0;
  } else if (!want && running_) {
    KillTimer(TimerSink::window(), id_);
    running_ = false;
  }
}

void Timer::fire() {
  if (enabled_ && onTimer) onTimer();
}

}  // namespace ui
