#include "ui/modal_scope.h"

namespace ui {

namespace {
int depth = 0;
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

}  // namespace ui
