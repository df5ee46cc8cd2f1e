// A top-level form: a window owned by the application's hidden window (so it has no task-bar
// button of its own), with the class library's events as plain callbacks, set by the concrete
// form in its constructor to its named handler methods (FormCreate, FormPaint, ...).
#pragma once

#include <functional>

#include "ui/graphics.h"
#include "ui/window.h"

namespace ui {

// Shift, Ctrl and the mouse buttons held during a mouse event (MK_* bits).
using ShiftState = WPARAM;

struct FormParams {
  std::wstring className;  // empty: the program's class prefix + "Form"
  std::string caption;
  DWORD style = WS_OVERLAPPEDWINDOW;
  DWORD exStyle = 0;
  int left = CW_USEDEFAULT, top = CW_USEDEFAULT, clientWidth = 300, clientHeight = 200;
  HWND owner = nullptr;  // nullptr: the application's hidden window
  bool unowned = false;  // a window of its own (keep it off the task bar with WS_EX_TOOLWINDOW)
};

class Form : public Window {
 public:
  Form() = default;

  // Creates the window (hidden); onCreate runs inside, once the handle exists.
  bool create(const FormParams& params);

  std::function<void()> onCreate;
  std::function<void()> onShow;  // each time the window becomes visible
  std::function<void()> onPaint;
  std::function<void()> onResize;
  std::function<void(ShiftState, int x, int y)> onMouseMove;
  std::function<void()> onDestroy;

  // The window's canvas: inside onPaint the paint DC, otherwise a DC fetched for the window.
  Canvas& canvas();

  void show();  // shows without taking the activation from another program
  void setTopMost(bool on);
  bool topMost() const;
  void setAlphaBlend(bool on, BYTE value);
  bool alphaBlend() const;
  BYTE alphaBlendValue() const { return alpha_; }

 protected:
  LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  Canvas canvas_;
  HDC fetchedDc_ = nullptr;
  BYTE alpha_ = 255;
};

}  // namespace ui
