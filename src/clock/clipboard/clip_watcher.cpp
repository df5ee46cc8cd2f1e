#include "clock/clipboard/clip_watcher.h"

#include "ui/app.h"
#include "ui/window.h"

namespace tockle {

namespace {
// Posted to the watcher's own window: run the handler for a change seen before.
constexpr UINT WM_CLIP_CAPTURE = WM_APP + 1;
}  // namespace

class TNkClipDetector::ViewerWindow : public ui::Window {
 public:
  explicit ViewerWindow(TNkClipDetector& owner) : owner_(owner) {}
  bool Create() { return createWindow(L"TockleClipDetector", 0, 0, "", 0, 0, 0, 0, HWND_MESSAGE); }

 protected:
  LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    LRESULT result = 0;
    return owner_.WndProc(handle(), msg, wp, lp, result) ? result : defaultHandle(msg, wp, lp);
  }

 private:
  TNkClipDetector& owner_;
};

TNkClipDetector::TNkClipDetector() = default;

TNkClipDetector::~TNkClipDetector() { LeaveChain(); }

HWND TNkClipDetector::Handle() const { return window_ ? window_->handle() : nullptr; }

void TNkClipDetector::SetOnClipChange(ClipChangeEvent handler) {
  if (!handler) {
    LeaveChain();
    onClipChange_ = nullptr;
    return;
  }
  if (!window_) {
    auto window = std::make_unique<ViewerWindow>(*this);
    if (!window->Create()) throw EOutOfResources("TNkClipDetector.SetOnClipChange: Cannot Allocate HWnd");
    window_ = std::move(window);
    onClipChange_ = std::move(handler);
    registering_ = true;
    nextViewer_ = SetClipboardViewer(window_->handle());
    registering_ = false;
    return;
  }
  onClipChange_ = std::move(handler);
}

void TNkClipDetector::LeaveChain() {
  if (!window_) return;
  ChangeClipboardChain(window_->handle(), nextViewer_);
  nextViewer_ = nullptr;
  window_.reset();
  captureAgain_ = false;
}

void TNkClipDetector::DoClipChange() {
  if (onClipChange_) onClipChange_(*this);
}

void TNkClipDetector::RunCapture() {
  if (capturing_) {
    // A handler waiting in a modal loop: this change is taken once it has ended.
    captureAgain_ = true;
    return;
  }
  capturing_ = true;
  ui::guarded([this] { DoClipChange(); });
  capturing_ = false;
  if (captureAgain_ && window_) {
    captureAgain_ = false;
    PostMessageW(window_->handle(), WM_CLIP_CAPTURE, 0, 0);
  }
}

bool TNkClipDetector::WndProc(HWND self, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_DRAWCLIPBOARD:
      if (!(IgnoreFirst && registering_)) PostMessageW(self, WM_CLIP_CAPTURE, 0, 0);
      if (nextViewer_) SendMessageW(nextViewer_, WM_DRAWCLIPBOARD, 0, 0);
      return true;
    case WM_CHANGECBCHAIN:
      if (reinterpret_cast<HWND>(wp) == nextViewer_) {
        nextViewer_ = reinterpret_cast<HWND>(lp);
      } else if (nextViewer_) {
        result = SendMessageW(nextViewer_, WM_CHANGECBCHAIN, wp, lp);
      }
      return true;
    case WM_CLIP_CAPTURE:
      RunCapture();
      return true;
  }
  return false;
}

}  // namespace tockle
