#include "ui/app.h"

#include <exception>

#include "base/text.h"
#include "ui/controls.h"
#include "ui/msgbox.h"

namespace ui {

namespace {
LRESULT CALLBACK appWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_CLOSE) {
    Application::instance().terminate();
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}
}  // namespace

void reportException(const char* where) noexcept {
  try {
    std::string text;
    try {
      throw;
    } catch (const std::exception& e) {
      text = e.what();
    } catch (...) {
      text = "予期しないエラーが発生しました"_sj;
    }
    OutputDebugStringA((std::string("exception in ") + where + ": ").c_str());
    showError(text);
  } catch (...) {
  }
}

Application& Application::instance() {
  static Application app;
  return app;
}

HINSTANCE Application::hinstance() const { return GetModuleHandleW(nullptr); }

void Application::initialize(std::string_view title, bool toolWindow, std::wstring_view classPrefix) {
  if (handle_) return;
  classPrefix_ = classPrefix;
  std::wstring className = classPrefix_ + L"Application";
  WNDCLASSW wc{};
  wc.lpfnWndProc = appWndProc;
  wc.hInstance = hinstance();
  wc.lpszClassName = className.c_str();
  wc.hIcon = LoadIconW(hinstance(), MAKEINTRESOURCEW(1));
  RegisterClassW(&wc);
  handle_ = CreateWindowExW(toolWindow ? WS_EX_TOOLWINDOW : 0, className.c_str(), base::wide(title).c_str(),
                            WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0, nullptr, nullptr,
                            hinstance(), nullptr);
}

void Application::setTitle(std::string_view title) { setWindowText(handle_, title); }
std::string Application::title() const { return windowText(handle_); }

void Application::dispatch(MSG& msg) {
  bool handled = false;
  if (onMessage) {
    try {
      handled = onMessage(msg);
    } catch (...) {
      reportException("application message hook");
    }
  }
  if (!handled) {
    // A copy: a dialog may close while its message is handled.
    std::vector<HWND> dialogs = dialogs_;
    for (HWND d : dialogs)
      if (IsWindow(d) && IsDialogMessageW(d, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

bool Application::handleMessage() {
  MSG msg;
  BOOL r = GetMessageW(&msg, nullptr, 0, 0);
  if (r == 0 || r == -1) {
    terminated_ = true;
    if (r == 0) exitCode_ = static_cast<int>(msg.wParam);
    return false;
  }
  dispatch(msg);
  return true;
}

int Application::run() {
  while (!terminated_ && handleMessage()) {
  }
  return exitCode_;
}

void Application::addDialog(HWND dialog) { dialogs_.push_back(dialog); }

void Application::removeDialog(HWND dialog) { std::erase(dialogs_, dialog); }

void Application::terminate() {
  if (terminated_) return;
  terminated_ = true;
  PostQuitMessage(0);
}

void Application::resume() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
  terminated_ = false;
  exitCode_ = 0;
}

bool Application::processMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      terminated_ = true;
      exitCode_ = static_cast<int>(msg.wParam);
      return false;
    }
    dispatch(msg);
  }
  return true;
}

}  // namespace ui
