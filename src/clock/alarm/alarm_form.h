// The alarm notification window: tells that an alarm's time has come, keeps itself in front and
// flashes until it is closed. Its three boxes carry the user's decisions; the button pressed says
// whether to be reminded again (IDRETRY) or not (IDOK; Enter, Esc and the title bar close alike).
#pragma once

#include <string>

#include "base/handles.h"
#include "ui/dialog.h"
#include "ui/timer.h"

namespace tockle {

class TfrmAlarm : public ui::Dialog {
 public:
  explicit TfrmAlarm(HWND owner = nullptr);

  ui::Edit edtSetTime;
  ui::Edit edtNowTime;
  ui::Edit edtMessage;
  ui::CheckBox chkNotRingAlarm;
  ui::CheckBox chkEraseAlarm;
  ui::CheckBox chkStartApps;
  ui::Button btnOk;
  ui::Button btnReCall;
  ui::Timer tmrNowTime{500, false};
  bool FlashState = false;
  // The hint of btnReCall.
  HWND Hint = nullptr;

  // The boxes as they were when the window closed.
  struct Boxes {
    bool notRing = false, erase = false, startApps = false;
  } Closed;

  void FormCreate();
  void FormShow();
  void FormHide();
  void tmrNowTimeTimer();

 protected:
  bool handleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;

 private:
  void addHint(HWND control, const std::string& text);
  base::GdiFont messageFont_;
};

}  // namespace tockle
