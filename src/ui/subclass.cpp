#include "ui/subclass.h"

#include <commctrl.h>

#include "base/system_libraries.h"
#include "ui/app.h"
#include "ui/common_controls.h"

namespace ui {

namespace {
// Called for every message of a subclassed window: looked up once.
LRESULT defSubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  static const auto next = LAZY(base::comctl32(), DefSubclassProc);
  return next(hwnd, msg, wp, lp);
}
}  // namespace

Subclass::~Subclass() { detach(); }

bool Subclass::attach(HWND hwnd, Handler handler) {
  detach();
  if (!hwnd || !IsWindow(hwnd)) return false;
  handler_ = std::move(handler);
  initCommonControls();
  if (!LAZY(base::comctl32(), SetWindowSubclass)(hwnd, proc, reinterpret_cast<UINT_PTR>(this),
                                                 reinterpret_cast<DWORD_PTR>(this)))
    return false;
  hwnd_ = hwnd;
  return true;
}

void Subclass::detach() {
  if (hwnd_ && IsWindow(hwnd_))
    LAZY(base::comctl32(), RemoveWindowSubclass)(hwnd_, proc, reinterpret_cast<UINT_PTR>(this));
  hwnd_ = nullptr;
}

LRESULT Subclass::callNext(UINT msg, WPARAM wp, LPARAM lp) { return defSubclassProc(hwnd_, msg, wp, lp); }

LRESULT CALLBACK Subclass::proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data) {
  auto* self = reinterpret_cast<Subclass*>(data);
  if (msg == WM_NCDESTROY) {
    // The handler learns that the window goes; the window's own procedure still ends it.
    try {
      LRESULT ignored = 0;
      if (self->handler_) self->handler_(msg, wp, lp, ignored);
    } catch (...) {
      reportException("subclassed window procedure");
    }
    LAZY(base::comctl32(), RemoveWindowSubclass)(hwnd, proc, id);
    self->hwnd_ = nullptr;
    return defSubclassProc(hwnd, msg, wp, lp);
  }
  LRESULT result = 0;
  bool handled = false;
  try {
    handled = self->handler_ && self->handler_(msg, wp, lp, result);
  } catch (...) {
    reportException("subclassed window procedure");
    handled = false;
  }
  return handled ? result : defSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace ui
