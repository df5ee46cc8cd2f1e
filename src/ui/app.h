// The application object: the hidden owner window of every form (it carries the application
// title and keeps the program off the task bar), the message loop and the application-wide hook.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class Application {
 public:
  static Application& instance();

  // Creates the hidden owner window and registers the common controls. With toolWindow the
  // program gets no task-bar button. The program's window classes are named classPrefix +
  // "Application", "Form", "TimerSink".
  void initialize(std::string_view title, bool toolWindow, std::wstring_view classPrefix = L"Ui");
  const std::wstring& classPrefix() const { return classPrefix_; }
  HWND handle() const { return handle_; }
  HINSTANCE hinstance() const;

  void setTitle(std::string_view title);
  std::string title() const;

  // Called with every message taken from the queue before it is dispatched, also inside the modal
  // loops of our dialogs. Return true when the message was handled and must not be dispatched.
  std::function<bool(MSG&)> onMessage;

  // Runs the message loop until terminate() or WM_QUIT; returns the exit code.
  int run();
  // Asks the message loop to end (the current handler runs to its end first).
  void terminate();
  bool terminated() const { return terminated_; }
  // Takes back terminate() and any WM_QUIT waiting in the queue, so that message loops run again
  // as at the start: tests start one program window after another in one process.
  void resume();
  // Dispatches every message waiting in the queue; returns false when WM_QUIT was seen.
  bool processMessages();
  // Takes one message (waiting for it) and dispatches it; false on WM_QUIT.
  bool handleMessage();

  // Modeless dialogs get keyboard navigation through IsDialogMessage.
  void addDialog(HWND dialog);
  void removeDialog(HWND dialog);

  std::string helpFile;

 private:
  Application() = default;
  void dispatch(MSG& msg);
  HWND handle_ = nullptr;
  std::wstring classPrefix_ = L"Ui";
  std::vector<HWND> dialogs_;
  bool terminated_ = false;
  int exitCode_ = 0;
};

// Runs f and stops every exception there: no exception may cross a Win32 frame (window
// procedures, timer callbacks, thread entries). What was caught is shown in the application's
// standard error box (showError), and the program goes on.
template <typename F>
void guarded(F&& f) noexcept;

void reportException(const char* where) noexcept;

template <typename F>
void guarded(F&& f) noexcept {
  try {
    f();
  } catch (...) {
    reportException("handler");
  }
}

}  // namespace ui
