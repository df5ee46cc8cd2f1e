// System-wide hot keys registered for a hidden window of their own, so that they arrive also
// while a modal dialog of the program is open. Each press is reported with the hot key's id.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "ui/window.h"

namespace tockle {

// RegisterHotKey's modifiers and virtual key for a 16-bit shortcut code (virtual key in the low
// byte, 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt).
UINT hotKeyModifiers(int shortcut);
UINT hotKeyVirtualKey(int shortcut);

class THookHotKey {
 public:
  // owner: the window brought to the foreground before each event while Activate is on.
  explicit THookHotKey(ui::Window* owner);
  ~THookHotKey();
  THookHotKey(const THookHotKey&) = delete;
  THookHotKey& operator=(const THookHotKey&) = delete;

  bool Activate = true;
  // The hot key's id of the last press, for the handler (the command it runs).
  int Tag = 0;
  std::function<void(THookHotKey& sender, int index)> OnHotKey;

  bool RegisterKey(int id, int shortcut);
  bool UnregisterKey(int id);
  // Enable: (re-)registers id with shortcut, so an id can get new keys at any time; otherwise
  // the id is unregistered.
  bool SetHotKey(int id, int shortcut, bool enable);

  HWND handle() const;

 protected:
  virtual void DoHotKey(int id);

 private:
  class Sink;
  ui::Window* owner_;
  std::unique_ptr<Sink> sink_;
};

}  // namespace tockle
