#include "clock/commands/hot_key.h"

#include <memory>

#include "ui/shortcut.h"

namespace tockle {

UINT hotKeyModifiers(int shortcut) {
  UINT mods = 0;
  if (shortcut & ui::kAlt) mods |= MOD_ALT;
  if (shortcut & ui::kCtrl) mods |= MOD_CONTROL;
  if (shortcut & ui::kShift) mods |= MOD_SHIFT;
  return mods;
}

UINT hotKeyVirtualKey(int shortcut) { return static_cast<UINT>(shortcut & 0xFF); }

class THookHotKey::Sink : public ui::Window {
 public:
  explicit Sink(THookHotKey& owner) : owner_(owner) {
    createWindow(L"TockleHotKeySink", 0, WS_POPUP, "", 0, 0, 0, 0, nullptr, 0);
  }
  ~Sink() override { destroy(); }

 protected:
  LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_HOTKEY) {
      owner_.DoHotKey(static_cast<int>(wp));
      return 0;
    }
    return Window::handleMessage(msg, wp, lp);
  }

 private:
  THookHotKey& owner_;
};

THookHotKey::THookHotKey(ui::Window* owner) : owner_(owner), sink_(std::make_unique<Sink>(*this)) {}

THookHotKey::~THookHotKey() = default;

HWND THookHotKey::handle() const { return sink_->handle(); }

bool THookHotKey::RegisterKey(int id, int shortcut) {
  return RegisterHotKey(handle(), id, hotKeyModifiers(shortcut), hotKeyVirtualKey(shortcut)) != 0;
}

bool THookHotKey::UnregisterKey(int id) { return UnregisterHotKey(handle(), id) != 0; }

bool THookHotKey::SetHotKey(int id, int shortcut, bool enable) {
  if (!enable) return UnregisterKey(id);
  UnregisterKey(id);
  return RegisterKey(id, shortcut);
}

void THookHotKey::DoHotKey(int id) {
  if (!OnHotKey) return;
  // Under a modal window the clock is disabled and the command is held back or runs without it:
  // the modal window keeps the activation and the keys the user types next.
  if (Activate && owner_ && owner_->handle() && IsWindowEnabled(owner_->handle()))
    SetForegroundWindow(owner_->handle());
  OnHotKey(*this, id);
}

}  // namespace tockle
