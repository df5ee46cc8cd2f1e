#include "ui/window.h"

#include "base/text.h"
#include "ui/app.h"

namespace ui {

Window::~Window() {
  if (hwnd_ && IsWindow(hwnd_)) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
  hwnd_ = nullptr;
}

bool Window::createWindow(const wchar_t* className, DWORD exStyle, DWORD style, std::string_view caption, int x, int y,
                          int w, int h, HWND owner, UINT classStyle) {
  HINSTANCE inst = Application::instance().hinstance();
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (!GetClassInfoExW(inst, className, &wc)) {
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    wc.style = classStyle;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = inst;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(inst, MAKEINTRESOURCEW(1));
    wc.hbrBackground = nullptr;
    wc.lpszClassName = className;
    RegisterClassExW(&wc);
  }
  HWND hwnd =
      CreateWindowExW(exStyle, className, base::wide(caption).c_str(), style, x, y, w, h, owner, nullptr, inst, this);
  return hwnd != nullptr;
}

LRESULT CALLBACK Window::windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Window* self = nullptr;
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    self = static_cast<Window*>(cs->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  LRESULT result = 0;
  try {
    if (!self->route(msg, wp, lp, result)) result = self->handleMessage(msg, wp, lp);
  } catch (...) {
    reportException("window procedure");
    result = DefWindowProcW(hwnd, msg, wp, lp);
  }
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    try {
      self->handleDestroyed();
    } catch (...) {
      reportException("destroyed");
    }
  }
  return result;
}

LRESULT Window::handleMessage(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd_, msg, wp, lp); }
LRESULT Window::defaultHandle(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd_, msg, wp, lp); }

void Window::setCaption(std::string_view text) { setWindowText(hwnd_, text); }
std::string Window::caption() const { return windowText(hwnd_); }

void Window::setVisible(bool v) {
  if (hwnd_) ShowWindow(hwnd_, v ? SW_SHOWNOACTIVATE : SW_HIDE);
}
bool Window::visible() const { return hwnd_ && IsWindowVisible(hwnd_); }
void Window::invalidate() {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

RECT Window::bounds() const {
  RECT r{};
  if (hwnd_) GetWindowRect(hwnd_, &r);
  return r;
}
int Window::width() const {
  RECT r = bounds();
  return r.right - r.left;
}
int Window::height() const {
  RECT r = bounds();
  return r.bottom - r.top;
}
int Window::left() const { return bounds().left; }
int Window::top() const { return bounds().top; }

void Window::setBounds(int l, int t, int w, int h) {
  if (hwnd_) SetWindowPos(hwnd_, nullptr, l, t, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}
void Window::setWidth(int w) {
  if (hwnd_) SetWindowPos(hwnd_, nullptr, 0, 0, w, height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}
void Window::setHeight(int h) {
  if (hwnd_) SetWindowPos(hwnd_, nullptr, 0, 0, width(), h, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}
RECT Window::clientRect() const {
  RECT r{};
  if (hwnd_) GetClientRect(hwnd_, &r);
  return r;
}

void Window::destroy() {
  if (hwnd_) DestroyWindow(hwnd_);
}

}  // namespace ui
