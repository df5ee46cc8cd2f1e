#include "ui/modal_scope.h"

#include <utility>

namespace ui {

namespace {
int depth = 0;
std::function<void()> endHandler;

BOOL CALLBACK findModal(HWND hwnd, LPARAM found) {
  // Tooltips and other tool windows of the thread take no activation.
  if (!IsWindowVisible(hwnd) || !IsWindowEnabled(hwnd) || (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW))
    return TRUE;
  *reinterpret_cast<HWND*>(found) = hwnd;
  return FALSE;
}
}  // namespace

ModalScope::ModalScope(HWND owner, HWND modal) : modal_(modal) {
  if (owner && IsWindowEnabled(owner)) {
    EnableWindow(owner, FALSE);
    disabled_.push_back(owner);
  }
  EnumThreadWindows(GetCurrentThreadId(), disableOne, reinterpret_cast<LPARAM>(this));
  ++depth;
}

ModalScope::~ModalScope() {
  --depth;
  // The window that was active before gets the activation back before the modal one disappears.
  for (auto it = disabled_.rbegin(); it != disabled_.rend(); ++it)
    if (IsWindow(*it)) EnableWindow(*it, TRUE);
  if (depth == 0 && endHandler) {
    try {
      endHandler();
    } catch (...) {
      // A destructor lets nothing out; the handler only posts.
    }
  }
}

BOOL CALLBACK ModalScope::disableOne(HWND hwnd, LPARAM self) {
  auto* scope = reinterpret_cast<ModalScope*>(self);
  if (hwnd != scope->modal_ && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
    EnableWindow(hwnd, FALSE);
    scope->disabled_.push_back(hwnd);
  }
  return TRUE;
}

bool modalOpen() { return depth > 0; }

HWND modalWindow() {
  if (depth == 0) return nullptr;
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), findModal, reinterpret_cast<LPARAM>(&found));
  return found;
}

void setModalEndHandler(std::function<void()> handler) { endHandler = std::move(handler); }

}  // namespace ui
