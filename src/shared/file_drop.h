// Makes one window accept files dragged from the shell: the window's procedure is replaced
// (subclassed) and the window registered with DragAcceptFiles; each drop becomes one OnFileDrop
// call with the full names in the shell's order and the drop point in client coordinates.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/subclass.h"

namespace shared {

class TFileDrop {
 public:
  // Files: CP932 full names, valid for the call only (handlers copy what they keep).
  using TFileDropEvent =
      std::function<void(TFileDrop& sender, int Num, const std::vector<std::string>& Files, int X, int Y)>;

  // owner: the form watched when no Control is set.
  explicit TFileDrop(HWND owner);
  virtual ~TFileDrop();
  TFileDrop(const TFileDrop&) = delete;
  TFileDrop& operator=(const TFileDrop&) = delete;

  bool Accept() const { return accept_; }
  void SetAccept(bool on);
  HWND Control() const { return control_; }
  // Unhooks, takes the new window (nullptr: the owner form) and hooks it.
  void SetControl(HWND control);
  // The owner form is ready: with no Control set, watch the owner.
  void Loaded();
  // The same for an owner form that hands its messages to formMessage from its own message handler
  // instead of being subclassed.
  void loadedInForm();
  // A message of that form: true when it was a drop, answered with result.
  bool formMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  // The hooked window while one is hooked.
  HWND Hooked() const { return hooked_; }

  TFileDropEvent OnFileDrop;

 protected:
  virtual void DoDropFiles(HDROP drop);
  virtual void Hook();
  virtual void Unhook();

 private:
  // A handler that failed is told in a box under the application's title.
  static void ShowError(std::string_view message);
  bool windowProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  // The watched window is going away: forget it without calling it again.
  void Notification();
  HWND target() const { return control_ ? control_ : owner_; }

  HWND owner_;
  HWND control_ = nullptr;
  bool accept_ = true;
  HWND hooked_ = nullptr;
  ui::Subclass subclass_;
};

// The names an HDROP carries, each read whole whatever its length (CP932).
std::vector<std::string> dropFileNames(HDROP drop);

}  // namespace shared
