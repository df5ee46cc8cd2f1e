// A window object owns its HWND. The static window procedure finds the object (stored at
// WM_NCCREATE), routes control messages to its controls by id (a window is a control host, as a
// dialog is) and calls handleMessage() for the rest, all inside a guard: no exception leaves a
// window procedure.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/controls.h"

namespace ui {

class Window : public ControlHost {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND handle() const { return hwnd_; }
  HWND hostHandle() const override { return hwnd_; }
  bool exists() const { return hwnd_ != nullptr && IsWindow(hwnd_); }

  void setCaption(std::string_view text);
  std::string caption() const;

  void setVisible(bool visible);
  bool visible() const;
  void invalidate();

  RECT bounds() const;  // screen rectangle
  int width() const;
  int height() const;
  int left() const;
  int top() const;
  void setBounds(int left, int top, int width, int height);
  void setWidth(int w);
  void setHeight(int h);
  RECT clientRect() const;

  // Destroys the window now (handlers of WM_DESTROY run).
  void destroy();

 protected:
  // Registers the class once (idempotent) and creates the window.
  bool createWindow(const wchar_t* className, DWORD exStyle, DWORD style, std::string_view caption, int x, int y, int w,
                    int h, HWND owner, UINT classStyle = CS_DBLCLKS);
  // Handles one message; the default passes it to DefWindowProc.
  virtual LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT defaultHandle(UINT msg, WPARAM wp, LPARAM lp);
  // Called after WM_NCDESTROY; the handle is gone.
  virtual void handleDestroyed() {}

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  HWND hwnd_ = nullptr;
};

}  // namespace ui
