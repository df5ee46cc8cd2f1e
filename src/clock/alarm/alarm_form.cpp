#include "clock/alarm/alarm_form.h"

#include <commctrl.h>

#include <cmath>

#include "base/datetime.h"
#include "base/text.h"
#include "clock/alarm/alarm_ids.h"
#include "ui/help_file.h"

namespace tockle {

namespace {
constexpr int kClientWidth = 387;
constexpr int kClientHeight = 249;

std::string timeOfDayText() {
  base::DateTime t = base::now();
  return base::timeToStr(t - std::floor(t));
}
}  // namespace

TfrmAlarm::TfrmAlarm(HWND owner)
    : Dialog(owner, IDD_ALARM),
      edtSetTime(this, IDC_ALARM_SETTIME),
      edtNowTime(this, IDC_ALARM_NOWTIME),
      edtMessage(this, IDC_ALARM_MESSAGE),
      chkNotRingAlarm(this, IDC_ALARM_NOTRING),
      chkEraseAlarm(this, IDC_ALARM_ERASE),
      chkStartApps(this, IDC_ALARM_STARTAPPS),
      btnOk(this, IDOK),
      btnReCall(this, IDC_ALARM_RECALL) {
  onCreate = [this] { FormCreate(); };
  onShow = [this] { FormShow(); };
  onClose = [this] {
    Closed = {chkNotRingAlarm.checked(), chkEraseAlarm.checked(), chkStartApps.checked()};
    FormHide();
  };
  onDestroy = [this] { FormHide(); };
  btnOk.onClick = [this] { close(IDOK); };
  btnReCall.onClick = [this] { close(IDRETRY); };
  tmrNowTime.onTimer = [this] { tmrNowTimeTimer(); };
}

void TfrmAlarm::FormCreate() {
  FlashState = true;
  // The client area has a fixed size in pixels, whatever the dialog units come to.
  setClientSize(kClientWidth, kClientHeight);
  RECT r{};
  GetWindowRect(handle(), &r);
  int w = r.right - r.left, h = r.bottom - r.top;
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  SetWindowPos(handle(), nullptr, work.left + (work.right - work.left - w) / 2,
               work.top + (work.bottom - work.top - h) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  messageFont_.reset(CreateFontW(-20, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS UI Gothic"));
  edtMessage.send(WM_SETFONT, reinterpret_cast<WPARAM>(messageFont_.get()), TRUE);
  SetWindowContextHelpId(chkNotRingAlarm.handle(), 112);
  SetWindowContextHelpId(chkEraseAlarm.handle(), 113);
  SetWindowContextHelpId(chkStartApps.handle(), 114);
  SetWindowContextHelpId(btnReCall.handle(), 115);
  Hint.topMost = true;
  Hint.add(btnReCall.handle(), "再度知らせて欲しいときに押す"_sj);
}

void TfrmAlarm::FormShow() {
  edtNowTime.setText(timeOfDayText());
  tmrNowTime.setEnabled(true);
}

void TfrmAlarm::FormHide() { tmrNowTime.setEnabled(false); }

void TfrmAlarm::tmrNowTimeTimer() {
  if (!handle()) return;
  edtNowTime.setText(timeOfDayText());
  FlashWindow(handle(), FlashState);
  FlashState = !FlashState;
  SetForegroundWindow(handle());
}

bool TfrmAlarm::handleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) {
  // The title bar's help button, then a click on a control: its topic of the help file.
  if (msg == WM_HELP) {
    auto* info = reinterpret_cast<HELPINFO*>(lp);
    if (info && info->dwContextId)
      ui::openHelp(handle(), HELP_CONTEXTPOPUP, info->dwContextId, ui::MissingHelp::OpenNothing);
    result = TRUE;
    return true;
  }
  // Esc (the dialog's cancel command) closes with OK, never with a re-notification.
  if (msg == WM_COMMAND && LOWORD(wp) == IDCANCEL) {
    close(IDOK);
    result = TRUE;
    return true;
  }
  return false;
}

}  // namespace tockle
