#include "ui/form.h"

#include "ui/app.h"

namespace ui {

bool Form::create(const FormParams& p) {
  RECT r{0, 0, p.clientWidth, p.clientHeight};
  AdjustWindowRectEx(&r, p.style, FALSE, p.exStyle);
  HWND owner = p.unowned ? nullptr : p.owner ? p.owner : Application::instance().handle();
  std::wstring className = p.className.empty() ? Application::instance().classPrefix() + L"Form" : p.className;
  return createWindow(className.c_str(), p.exStyle, p.style & ~WS_VISIBLE, p.caption, p.left, p.top, r.right - r.left,
                      r.bottom - r.top, owner);
}

Canvas& Form::canvas() {
  if (!canvas_.handle() && handle()) {
    fetchedDc_ = GetDC(handle());
    canvas_.setHandle(fetchedDc_);
  }
  return canvas_;
}

void Form::show() {
  if (!handle()) return;
  ShowWindow(handle(), SW_SHOWNOACTIVATE);
}

void Form::setTopMost(bool on) {
  if (handle())
    SetWindowPos(handle(), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool Form::topMost() const { return handle() && (GetWindowLongW(handle(), GWL_EXSTYLE) & WS_EX_TOPMOST); }

void Form::setAlphaBlend(bool on, BYTE value) {
  alpha_ = value;
  if (!handle()) return;
  LONG ex = GetWindowLongW(handle(), GWL_EXSTYLE);
  if (on) {
    if (!(ex & WS_EX_LAYERED)) SetWindowLongW(handle(), GWL_EXSTYLE, ex | WS_EX_LAYERED);
    SetLayeredWindowAttributes(handle(), 0, value, LWA_ALPHA);
  } else if (ex & WS_EX_LAYERED) {
    SetWindowLongW(handle(), GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
    RedrawWindow(handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

bool Form::alphaBlend() const { return handle() && (GetWindowLongW(handle(), GWL_EXSTYLE) & WS_EX_LAYERED); }

LRESULT Form::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  // A DC fetched by canvas() lives only for the message that fetched it.
  struct ReleaseFetched {
    Form* f;
    ~ReleaseFetched() {
      if (f->fetchedDc_) {
        ReleaseDC(f->handle(), f->fetchedDc_);
        f->fetchedDc_ = nullptr;
        f->canvas_.setHandle(nullptr);
      }
    }
  } release{this};

  switch (msg) {
    case WM_CREATE:
      if (onCreate) onCreate();
      return 0;
    case WM_SHOWWINDOW:
      if (wp && onShow) onShow();
      break;
    case WM_ERASEBKGND:
      return onPaint ? 1 : defaultHandle(msg, wp, lp);
    case WM_PAINT: {
      if (!onPaint) break;
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(handle(), &ps);
      HDC saved = canvas_.handle();
      canvas_.setHandle(dc);
      try {
        onPaint();
      } catch (...) {
        canvas_.setHandle(saved);
        EndPaint(handle(), &ps);
        throw;
      }
      canvas_.setHandle(saved);
      EndPaint(handle(), &ps);
      return 0;
    }
    case WM_SIZE:
      if (onResize) onResize();
      return 0;
    case WM_MOUSEMOVE:
      if (onMouseMove) onMouseMove(wp, static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
      return 0;
    case WM_DESTROY:
      if (onDestroy) onDestroy();
      return 0;
  }
  return defaultHandle(msg, wp, lp);
}

}  // namespace ui
