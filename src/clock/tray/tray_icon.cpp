#include "clock/tray/tray_icon.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <thread>
#include <utility>
#include <vector>

#include "base/system_libraries.h"
#include "base/text.h"
#include "ui/app.h"

namespace tockle {

ENotifyIconError::ENotifyIconError() : std::runtime_error("タスクトレイにアイコンが登録できません。"_sj) {}

// The hidden window that receives the callback messages of every icon of the program.
class TrayCallbackWindow : public ui::Window {
 public:
  explicit TrayCallbackWindow(HWND owner) {
    createWindow(L"TockleTrayCallback", WS_EX_TOOLWINDOW, WS_POPUP, "", 0, 0, 0, 0, owner);
  }

 protected:
  LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
};

namespace {
struct Registry {
  // Icons in creation order with their ids.
  std::vector<std::pair<UINT, TTrayIcon*>> icons;
  std::unique_ptr<TrayCallbackWindow> window;
};

Registry& registry() {
  static Registry r;
  return r;
}

TTrayIcon* findIcon(UINT id) {
  for (auto& [iconId, icon] : registry().icons) {
    if (iconId == id) return icon;
  }
  return nullptr;
}

HICON windowIcon(HWND hwnd) {
  if (!hwnd) return nullptr;
  auto icon = reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(hwnd, GCLP_HICONSM));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(hwnd, GCLP_HICON));
  return icon;
}
}  // namespace

LRESULT TrayCallbackWindow::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_TRAY_CALLBACK) {
    if (TTrayIcon* icon = findIcon(static_cast<UINT>(wp))) icon->HandleCallback(static_cast<UINT>(lp));
    return 0;
  }
  if (msg == WM_TRAY_CLICK_DONE) {
    // The icon may be gone by now: it is looked up, never remembered.
    if (TTrayIcon* icon = findIcon(static_cast<UINT>(wp))) icon->SingleClickDone();
    return 0;
  }
  return Window::handleMessage(msg, wp, lp);
}

// The animation thread: shows frame after frame while the icon animates, and waits otherwise.
class TrayAnimation {
 public:
  explicit TrayAnimation(TTrayIcon& icon) : icon_(icon), thread_([this] { run(); }) {}
  ~TrayAnimation() {
    {
      std::lock_guard lock(mutex_);
      quit_ = true;
    }
    wake_.notify_all();
    thread_.join();
  }

  bool animating() const {
    std::lock_guard lock(mutex_);
    return animating_;
  }
  bool continuous() const {
    std::lock_guard lock(mutex_);
    return animating_ && step_ == 0;
  }
  bool idle() const {
    std::lock_guard lock(mutex_);
    return idle_ && !run_;
  }

  void start(int step) {
    {
      std::lock_guard lock(mutex_);
      if (animating_) {
        // In step mode each further call shows the next frame.
        if (step_ == 0) return;
      } else {
        animating_ = true;
        step_ = step;
      }
      run_ = true;
    }
    wake_.notify_all();
  }

  // Returns once the thread has stopped showing frames; the next animation starts at frame 0.
  void stop() {
    std::unique_lock lock(mutex_);
    animating_ = false;
    run_ = true;
    wake_.notify_all();
    wake_.wait(lock, [this] { return idle_ && !run_; });
  }

  // The frame on show; the caller holds the icon's tray lock, under which frames are replaced.
  HICON frame() const { return frame_.get(); }

 private:
  void run() {
    std::unique_lock lock(mutex_);
    for (;;) {
      wake_.wait(lock, [this] { return quit_ || run_; });
      if (quit_) break;
      run_ = false;
      idle_ = false;
      for (;;) {
        if (!animating_) {
          index_ = 0;
          break;
        }
        int index = index_;
        lock.unlock();
        index = show(index);
        lock.lock();
        index_ = index;
        if (step_ != 0) break;
        int rate = icon_.AnimateRate();
        wake_.wait_for(lock, std::chrono::milliseconds(rate), [this] { return quit_ || !animating_; });
        if (quit_) break;
      }
      idle_ = true;
      wake_.notify_all();
      if (quit_) break;
    }
    idle_ = true;
    wake_.notify_all();
  }

  // Shows frame `index` (0 when past the last) and returns the index of the next one.
  int show(int index) {
    ui::guarded([&] {
      HIMAGELIST frames = icon_.AnimateIcons();
      int count = frames ? LAZY(base::comctl32(), ImageList_GetImageCount)(frames) : 0;
      if (count == 0) return;
      if (index >= count) index = 0;
      base::Icon next(LAZY(base::comctl32(), ImageList_GetIcon)(frames, index, ILD_NORMAL));
      {
        std::lock_guard tray(icon_.trayMutex_);
        std::swap(frame_, next);
        if (icon_.added_) {
          icon_.FillRecord(frame_.get());
          Shell_NotifyIconW(NIM_MODIFY, &icon_.record_);
        }
      }
      index = index + 1 >= count ? 0 : index + 1;
    });
    return index;
  }

  TTrayIcon& icon_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  bool quit_ = false;
  bool run_ = false;
  bool idle_ = true;
  bool animating_ = false;
  int step_ = 0;
  int index_ = 0;
  base::Icon frame_;
  std::thread thread_;
};

TTrayIcon::TTrayIcon(ui::Window* owner) : owner_(owner) {
  Registry& r = registry();
  if (r.icons.size() >= kMaxTrayIcons) throw ENotifyIconError();
  id_ = r.icons.empty() ? 1 : r.icons.back().first + 1;
  if (!r.window) {
    r.window = std::make_unique<TrayCallbackWindow>(owner ? owner->handle() : nullptr);
  }
  r.icons.emplace_back(id_, this);
  // The first record layout: every shell takes it.
  record_.cbSize = NOTIFYICONDATAW_V1_SIZE;
  record_.uCallbackMessage = WM_TRAY_CALLBACK;
  record_.uID = id_;
}

TTrayIcon::~TTrayIcon() {
  animation_.reset();
  if (added_) Delete();
  Registry& r = registry();
  std::erase_if(r.icons, [this](const auto& e) { return e.second == this; });
  if (r.icons.empty()) r.window.reset();
}

HWND TTrayIcon::CallbackWindow() {
  Registry& r = registry();
  return r.window ? r.window->handle() : nullptr;
}

void TTrayIcon::SetAnimateIcons(HIMAGELIST frames) {
  if (Animating()) return;
  animateSource_ = nullptr;
  animateIcons_ = frames;
}

void TTrayIcon::SetAnimateIconSource(std::function<HIMAGELIST()> source) {
  if (Animating()) return;
  animateSource_ = std::move(source);
  animateIcons_ = nullptr;
}

void TTrayIcon::SetAnimateRate(int ms) { animateRate_ = std::max(ms, 100); }

void TTrayIcon::SetEnabled(bool on) {
  enabled_ = on;
  if (!on) pendingClick_ = false;
}

void TTrayIcon::SetIcon(HICON icon) {
  icon_.reset(icon ? CopyIcon(icon) : nullptr);
  Refresh();
}

std::string TTrayIcon::TipHelp() const {
  std::lock_guard lock(trayMutex_);
  return tip_;
}

void TTrayIcon::SetTipHelp(std::string_view tip) {
  std::string cut = base::cut(tip, kTrayTipBytes);
  {
    std::lock_guard lock(trayMutex_);
    if (cut == tip_) return;
    tip_ = std::move(cut);
  }
  Refresh();
}

void TTrayIcon::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (visible) {
    std::lock_guard lock(trayMutex_);
    if (!ShownIcon()) return;
  }
  visible_ = visible;
  if (visible) {
    try {
      Add();
    } catch (...) {
      visible_ = false;
      throw;
    }
  } else if (added_) {
    Delete();
  }
}

bool TTrayIcon::Animating() const { return animation_ && animation_->animating(); }
bool TTrayIcon::AnimationIdle() const { return !animation_ || animation_->idle(); }

void TTrayIcon::StartAnimate(int step) {
  if (!Animating() && !AnimateIcons() && animateSource_) animateIcons_ = animateSource_();
  HIMAGELIST frames = AnimateIcons();
  if (!frames || LAZY(base::comctl32(), ImageList_GetImageCount)(frames) == 0) return;
  if (!animation_) animation_ = std::make_unique<TrayAnimation>(*this);
  animation_->start(step);
}

void TTrayIcon::StopAnimate() {
  if (!Animating()) return;
  animation_->stop();
  Refresh();
}

HICON TTrayIcon::ShownIcon() const {
  // Called under the tray lock: the animation replaces its frame only while holding it.
  if (animation_ && animation_->animating() && animation_->frame()) return animation_->frame();
  if (icon_) return icon_.get();
  if (HICON form = windowIcon(owner_ ? owner_->handle() : nullptr)) return form;
  return windowIcon(ui::Application::instance().handle());
}

void TTrayIcon::FillRecord(HICON icon) {
  record_.hWnd = CallbackWindow();
  record_.hIcon = icon;
  std::wstring tip = base::wide(tip_);
  size_t n = std::min(tip.size(), std::size(record_.szTip) - 1);
  std::copy_n(tip.data(), n, record_.szTip);
  record_.szTip[n] = L'\0';
  record_.uFlags = NIF_MESSAGE | NIF_ICON | (tip_.empty() ? 0 : NIF_TIP);
}

void TTrayIcon::Add() {
  if (!visible_) return;
  std::lock_guard lock(trayMutex_);
  FillRecord(ShownIcon());
  if (!Shell_NotifyIconW(NIM_ADD, &record_)) throw ENotifyIconError();
  added_ = true;
}

void TTrayIcon::Modify() {
  std::lock_guard lock(trayMutex_);
  FillRecord(ShownIcon());
  if (Shell_NotifyIconW(NIM_MODIFY, &record_)) return;
  // The entry is gone when the task bar was re-created: put it back.
  if (!Shell_NotifyIconW(NIM_ADD, &record_)) throw ENotifyIconError();
  added_ = true;
}

void TTrayIcon::Delete() {
  std::lock_guard lock(trayMutex_);
  record_.hWnd = CallbackWindow();
  record_.uFlags = 0;
  Shell_NotifyIconW(NIM_DELETE, &record_);
  added_ = false;
}

void TTrayIcon::Refresh() {
  // While a continuous animation runs, only its thread changes the entry.
  if (!added_ || (animation_ && animation_->continuous())) return;
  Modify();
}

void TTrayIcon::HandleCallback(UINT mouseMessage) {
  if (!enabled_) return;
  POINT pt{};
  GetCursorPos(&pt);
  // A button pressed pops its menu up when it has one and AutoPopup is on, else reports the press.
  auto down = [&](TrayButton button, ui::ShiftState keys, HMENU menu) {
    if (menu && AutoPopup)
      Popup(menu, pt.x, pt.y);
    else if (OnMouseDown)
      OnMouseDown(*this, button, keys, pt.x, pt.y);
  };
  // A button released: true when a handler took the release.
  auto up = [&](TrayButton button, ui::ShiftState keys) {
    if (!OnMouseUp) return false;
    OnMouseUp(*this, button, keys, pt.x, pt.y);
    return true;
  };
  switch (mouseMessage) {
    case WM_MOUSEMOVE:
      if (OnMouseMove) OnMouseMove(*this, 0, pt.x, pt.y);
      break;
    case WM_LBUTTONDOWN:
      down(TrayButton::Left, MK_LBUTTON, LBPopupMenu);
      break;
    case WM_LBUTTONUP:
      if (!up(TrayButton::Left, MK_LBUTTON)) SingleClickStep();
      break;
    case WM_LBUTTONDBLCLK:
      pendingClick_ = true;
      if (OnDblClick) OnDblClick(*this);
      break;
    case WM_RBUTTONDOWN:
      down(TrayButton::Right, MK_RBUTTON, RBPopupMenu);
      break;
    case WM_RBUTTONUP:
      up(TrayButton::Right, MK_RBUTTON);
      break;
    case WM_MBUTTONDOWN:
      down(TrayButton::Middle, MK_MBUTTON, nullptr);
      break;
    case WM_MBUTTONUP:
      up(TrayButton::Middle, MK_MBUTTON);
      break;
  }
}

void TTrayIcon::SingleClickStep() {
  if (!OnClick || pendingClick_) {
    // No click handler, or the second release of a double click.
    pendingClick_ = false;
    return;
  }
  pendingClick_ = true;
  // A click is single when no second one follows within the double-click time. The wait ends
  // with a message to the callback window, which finds the icon again by its id.
  HWND window = CallbackWindow();
  UINT id = id_;
  std::thread([window, id] {
    Sleep(GetDoubleClickTime() + 50);
    PostMessageW(window, WM_TRAY_CLICK_DONE, id, 0);
  }).detach();
}

void TTrayIcon::SingleClickDone() {
  bool fire = pendingClick_ && OnClick;
  pendingClick_ = false;
  if (fire) OnClick(*this);
}

void TTrayIcon::Popup(HMENU menu, int x, int y) {
  HWND form = owner_ ? owner_->handle() : nullptr;
  if (form) {
    SetForegroundWindow(form);
    ui::Application::instance().processMessages();
  }
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, form ? form : CallbackWindow(), nullptr);
}

}  // namespace tockle
