#include "ui/msgbox.h"

#include <string>

#include "base/text.h"
#include "ui/app.h"
#include "ui/modal_scope.h"

namespace ui {

int messageBox(HWND owner, std::string_view text, std::string_view caption, UINT flags) {
  auto scope = ModalScope::aroundSystemBox(owner);
  return MessageBoxW(owner, base::wide(text).c_str(), base::wide(caption).c_str(), flags);
}

std::function<void(std::string_view text, std::string_view caption)> errorBox = [](std::string_view text,
                                                                                   std::string_view caption) {
  messageBox(Application::instance().handle(), text, caption, MB_OK | MB_ICONSTOP);
};

void showError(std::string_view text) {
  constexpr ULONGLONG kRepeatAfterMs = 30000;
  static bool showing = false;
  static std::string lastText;
  static ULONGLONG lastClosed = 0;
  OutputDebugStringA(std::string(text).c_str());
  // Worker threads have no windows to show a box over.
  HWND app = Application::instance().handle();
  if (!app || GetWindowThreadProcessId(app, nullptr) != GetCurrentThreadId()) return;
  if (showing || !errorBox) return;
  if (text == lastText && GetTickCount64() - lastClosed < kRepeatAfterMs) return;
  showing = true;
  lastText = text;
  struct Done {
    ~Done() {
      showing = false;
      lastClosed = GetTickCount64();
    }
  } done;
  errorBox(text, Application::instance().title());
}

}  // namespace ui
