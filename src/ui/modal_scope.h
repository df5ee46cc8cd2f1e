// While a modal window of the program is open (a dialog, a message box, a common dialog) every
// other window of the program is disabled, as an owner is under its modal dialog: no click or key
// reaches a window beneath it, whoever owns the modal window. Hidden windows (hot keys, the tray
// icon) keep receiving; what they start asks modalOpen() first.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace ui {

class ModalScope {
 public:
  // Disables the owner (when given) and every visible, enabled top-level window of this thread
  // but the modal window itself.
  explicit ModalScope(HWND owner, HWND modal = nullptr);
  // Around a box or common dialog of the system, which disables its owner itself and enables it
  // again before it goes, so that the owner is activated afterwards: the owner is left to it.
  static ModalScope aroundSystemBox(HWND owner) { return ModalScope(nullptr, owner); }
  // Enables again what it disabled.
  ~ModalScope();
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  static BOOL CALLBACK disableOne(HWND hwnd, LPARAM self);
  HWND modal_;
  std::vector<HWND> disabled_;
};

// True while a modal window of the program is open.
bool modalOpen();

// The modal window the user has in front now (the innermost one), or nullptr when none is open:
// the one visible, enabled top-level window of this thread while every other is disabled.
HWND modalWindow();

// Called once the last modal window has closed (the program's windows are enabled again); what it
// starts should be posted, as the modal window's own clean-up is still running.
void setModalEndHandler(std::function<void()> handler);

}  // namespace ui
