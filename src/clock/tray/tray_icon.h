// One icon in the notification area: added, changed and removed through the shell, its callback
// messages turned into mouse events, a single click told from a double click, an optional pop-up
// menu per button, and an animation through a list of frames on a thread of its own.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/handles.h"
#include "ui/form.h"
#include "ui/window.h"

namespace tockle {

// The shell's callback message for every icon of the program.
inline constexpr UINT WM_TRAY_CALLBACK = WM_USER + 200;
// Posted to the callback window when a single-click wait ends; wParam = the icon's id.
inline constexpr UINT WM_TRAY_CLICK_DONE = WM_USER + 201;
// At most this many icons per program.
inline constexpr size_t kMaxTrayIcons = 100;
// Bytes of the tip the shell's first record layout holds (CP932, double-byte characters count 2).
inline constexpr size_t kTrayTipBytes = 62;

class ENotifyIconError : public std::runtime_error {
 public:
  ENotifyIconError();
};

enum class TrayButton { Left, Right, Middle };

class TrayAnimation;

class TTrayIcon {
 public:
  // owner: the form whose icon stands in when the tray icon has none, and which comes to the
  // foreground before a pop-up menu. Throws ENotifyIconError when the program has 100 icons.
  explicit TTrayIcon(ui::Window* owner = nullptr);
  ~TTrayIcon();
  TTrayIcon(const TTrayIcon&) = delete;
  TTrayIcon& operator=(const TTrayIcon&) = delete;

  // Frames of the animation (not owned); can be changed only while no animation runs.
  HIMAGELIST AnimateIcons() const { return animateIcons_.load(); }
  void SetAnimateIcons(HIMAGELIST frames);
  // Frames made when the first animation starts (on this thread), so that a clock whose alarm
  // never rings never holds them, nor the common controls they need.
  void SetAnimateIconSource(std::function<HIMAGELIST()> source);
  // Pause between frames in ms; values below 100 are stored as 100.
  int AnimateRate() const { return animateRate_.load(); }
  void SetAnimateRate(int ms);
  // A button-down pops up the button's menu when one is set.
  bool AutoPopup = true;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  // The static icon (a copy is kept; nullptr clears it).
  HICON Icon() const { return icon_.get(); }
  void SetIcon(HICON icon);
  // Menus for the left and right button (not owned); their commands go to the owner form.
  HMENU LBPopupMenu = nullptr;
  HMENU RBPopupMenu = nullptr;
  // The tool tip, cut to 62 bytes on a character boundary.
  std::string TipHelp() const;
  void SetTipHelp(std::string_view tip);
  // Whether the icon is in the notification area; stays false when no icon can be shown.
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  std::function<void(TTrayIcon&)> OnClick;
  std::function<void(TTrayIcon&)> OnDblClick;
  // Shift holds the button's own MK_ flag. X and Y are the cursor's screen position.
  std::function<void(TTrayIcon&, TrayButton, ui::ShiftState, int x, int y)> OnMouseDown;
  std::function<void(TTrayIcon&, TrayButton, ui::ShiftState, int x, int y)> OnMouseUp;
  std::function<void(TTrayIcon&, ui::ShiftState, int x, int y)> OnMouseMove;

  // Step 0 animates continuously; any other step shows the next frame once per call.
  void StartAnimate(int step);
  // Ends the animation and shows the static icon again.
  void StopAnimate();
  bool Animating() const;
  // No frame is on its way: the animation waits for the next step's call, or does not run.
  bool AnimationIdle() const;

  // The icon's id in the notification area, and the window that receives every icon's callbacks.
  UINT Id() const { return id_; }
  static HWND CallbackWindow();

 private:
  friend class TrayCallbackWindow;
  friend class TrayAnimation;
  // The callback message's mouse message, and the end of a single-click wait.
  void HandleCallback(UINT mouseMessage);
  void SingleClickDone();
  void SingleClickStep();
  void Popup(HMENU menu, int x, int y);

  // The icon the entry shows now; nullptr when there is none at all. The caller holds trayMutex_.
  HICON ShownIcon() const;
  // Fills the record with the icon and tip; the caller holds trayMutex_.
  void FillRecord(HICON icon);
  void Add();
  void Modify();
  void Delete();
  void Refresh();

  ui::Window* owner_;
  UINT id_ = 0;
  std::atomic<HIMAGELIST> animateIcons_{nullptr};
  std::function<HIMAGELIST()> animateSource_;
  std::atomic<int> animateRate_{500};
  bool enabled_ = true;
  base::Icon icon_;
  bool visible_ = false;
  bool pendingClick_ = false;

  // The record, the added flag, the tip and the animation's current frame are shared with the
  // animation thread.
  mutable std::mutex trayMutex_;
  NOTIFYICONDATAW record_{};
  bool added_ = false;
  std::string tip_ = "TipHelp";

  std::unique_ptr<TrayAnimation> animation_;
};

}  // namespace tockle
