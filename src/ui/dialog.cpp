#include "ui/dialog.h"

#include "ui/app.h"
#include "ui/common_controls.h"
#include "ui/modal_scope.h"

namespace ui {

Dialog::Dialog(HWND owner, int templateId) : owner_(owner), templateId_(templateId) {}

Dialog::~Dialog() {
  if (hwnd_ && IsWindow(hwnd_)) {
    Application::instance().removeDialog(hwnd_);
    SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
    DestroyWindow(hwnd_);
  }
}

bool Dialog::create() {
  if (hwnd_) return true;
  HWND owner = owner_ ? owner_ : Application::instance().handle();
  initCommonControls();
  hwnd_ = CreateDialogParamW(Application::instance().hinstance(), MAKEINTRESOURCEW(templateId_), owner, dialogProc,
                             reinterpret_cast<LPARAM>(this));
  if (hwnd_) Application::instance().addDialog(hwnd_);
  return hwnd_ != nullptr;
}

bool Dialog::createChild(HWND parent) {
  if (hwnd_ && IsWindow(hwnd_)) return true;
  initCommonControls();
  hwnd_ = CreateDialogParamW(Application::instance().hinstance(), MAKEINTRESOURCEW(templateId_), parent, dialogProc,
                             reinterpret_cast<LPARAM>(this));
  return hwnd_ != nullptr;
}

int Dialog::showModal() {
  modal_ = true;
  ended_ = false;
  result_ = 0;
  if (!create()) return IDCANCEL;
  auto& app = Application::instance();
  {
    ModalScope scope(GetWindow(hwnd_, GW_OWNER), hwnd_);
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    while (!ended_ && IsWindow(hwnd_)) {
      if (!app.handleMessage()) {
        PostQuitMessage(0);  // let the outer loop see it too
        break;
      }
    }
  }
  if (IsWindow(hwnd_)) {
    app.removeDialog(hwnd_);
    DestroyWindow(hwnd_);
  }
  hwnd_ = nullptr;
  modal_ = false;
  return result_ ? result_ : IDCANCEL;
}

void Dialog::close(int result) {
  if (onCloseQuery && !onCloseQuery()) return;
  result_ = result;
  if (onClose) onClose();
  if (modal_) {
    ended_ = true;
    ShowWindow(hwnd_, SW_HIDE);
  } else if (hwnd_) {
    HWND h = hwnd_;
    Application::instance().removeDialog(h);
    DestroyWindow(h);
  }
}

void Dialog::setCaption(std::string_view text) { setWindowText(hwnd_, text); }

void Dialog::setClientSize(int width, int height) {
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_EXSTYLE)));
  SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
std::string Dialog::caption() const { return windowText(hwnd_); }

bool Dialog::handleMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

bool Dialog::endsDialog(UINT msg, WPARAM wp) const {
  // OK and Cancel (Enter and Esc come as their clicks) end a top-level dialog unless the button's
  // own click handler takes them: a button without one must not swallow them. Pages keep their
  // buttons' routing.
  if (msg != WM_COMMAND || HIWORD(wp) != BN_CLICKED || (LOWORD(wp) != IDOK && LOWORD(wp) != IDCANCEL)) return false;
  if (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_CHILD) return false;
  const auto* button = dynamic_cast<const Button*>(control(LOWORD(wp)));
  return !button || !button->onClick;
}

INT_PTR CALLBACK Dialog::dialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Dialog* self = nullptr;
  if (msg == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lp);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, DWLP_USER, lp);
  } else {
    self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  }
  if (!self) return FALSE;
  INT_PTR r = FALSE;
  try {
    r = self->dispatch(msg, wp, lp);
  } catch (...) {
    reportException("dialog procedure");
  }
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    if (self->hwnd_ == hwnd) self->hwnd_ = nullptr;
  }
  return r;
}

INT_PTR Dialog::dispatch(UINT msg, WPARAM wp, LPARAM lp) {
  INT_PTR result = FALSE;
  if (msg == WM_NOTIFY) {
    LRESULT r = 0;
    if (routeNotify(lp, r)) {
      SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, r);
      return TRUE;
    }
  } else if (msg != WM_INITDIALOG && !endsDialog(msg, wp)) {
    LRESULT r = 0;
    if (route(msg, wp, lp, r)) return TRUE;
  }
  if (handleMessage(msg, wp, lp, result)) return result;
  switch (msg) {
    case WM_INITDIALOG:
      hostCreated();
      if (onCreate) onCreate();
      return TRUE;
    case WM_SHOWWINDOW:
      if (wp && !shown_) {
        shown_ = true;
        if (onShow) onShow();
      }
      return FALSE;
    case WM_COMMAND:
      if (LOWORD(wp) == IDCANCEL || LOWORD(wp) == IDOK) {
        close(LOWORD(wp));
        return TRUE;
      }
      return FALSE;
    case WM_CLOSE:
      close(IDCANCEL);
      return TRUE;
    case WM_DESTROY:
      if (onDestroy) onDestroy();
      return FALSE;
  }
  return FALSE;
}

}  // namespace ui
