// The clipboard watcher: a hidden message-only window in the clipboard viewer chain that reports
// every change of the clipboard. It hands each notification on to the next viewer at once and runs
// the handler afterwards from a posted message, so a slow or failing handler never holds up the
// rest of the chain; a handler is never re-entered (a change arriving meanwhile runs it again
// once it has ended).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <stdexcept>

namespace tockle {

// No window could be made for the watcher.
class EOutOfResources : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TNkClipDetector {
 public:
  using ClipChangeEvent = std::function<void(TNkClipDetector& sender)>;

  TNkClipDetector();
  virtual ~TNkClipDetector();  // leaves the chain
  TNkClipDetector(const TNkClipDetector&) = delete;
  TNkClipDetector& operator=(const TNkClipDetector&) = delete;

  // Skip the notification that arrives while the watcher joins the chain.
  bool IgnoreFirst = true;

  // A handler joins the chain (raising EOutOfResources when no window can be made); an empty one
  // leaves it. Replacing a handler keeps the watcher where it is.
  void SetOnClipChange(ClipChangeEvent handler);

  HWND NextViewer() const { return nextViewer_; }
  // The watcher's own window; null while it is outside the chain.
  HWND Handle() const;

 protected:
  virtual void DoClipChange();

 private:
  class ViewerWindow;
  // The own window's messages; false for those it leaves to the default procedure.
  bool WndProc(HWND self, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  void RunCapture();
  void LeaveChain();

  std::unique_ptr<ViewerWindow> window_;
  ClipChangeEvent onClipChange_;
  HWND nextViewer_ = nullptr;
  bool registering_ = false;
  bool capturing_ = false;
  bool captureAgain_ = false;
};

}  // namespace tockle
