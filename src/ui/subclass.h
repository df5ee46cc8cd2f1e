// Watches the messages of a window made elsewhere (a control, another form) before its own
// procedure runs, through the common controls' window subclassing. The handler runs inside the
// exception guard; the subclass ends with the object or when the window is destroyed (the handler
// still sees WM_NCDESTROY, whatever it answers).
#pragma once

#include <windows.h>

#include <functional>

namespace ui {

class Subclass {
 public:
  // Answer true with result set when the message was handled; false runs the window's procedure.
  using Handler = std::function<bool(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)>;

  Subclass() = default;
  ~Subclass();
  Subclass(const Subclass&) = delete;
  Subclass& operator=(const Subclass&) = delete;

  bool attach(HWND hwnd, Handler handler);
  void detach();
  HWND handle() const { return hwnd_; }
  // The window's own handling of a message, for a handler that adds to it.
  LRESULT callNext(UINT msg, WPARAM wp, LPARAM lp);

 private:
  static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);
  HWND hwnd_ = nullptr;
  Handler handler_;
};

}  // namespace ui
