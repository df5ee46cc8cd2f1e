// Applying the settings to the clock window.
#include <cmath>

#include "base/datetime.h"
#include "base/text.h"
#include "clock/app/main_form.h"
#include "clock/clipboard/clipboard_area.h"
#include "clock/launcher/launcher_area.h"
#include "clock/tray/delayed_icon.h"

namespace tockle {

BYTE TfrmMain::AlphaFor(int transparentPercent) {
  return static_cast<BYTE>(static_cast<int>(std::trunc((100 - transparentPercent) / 100.0 * 255)));
}

void TfrmMain::GiveClockFace() {
  tmeMain.SetClockKind(Settings.ClockType);
  tmeMain.SetCircleWidth(Settings.HandWidth);
  // The clock face draws with the label's font object itself: it is given the values, not replaced.
  lblClock.Font = clockFont(Settings);
  lblClock.Color = Settings.BackColor;
}

void TfrmMain::ApplySettings(bool launcherChanged) {
  GiveClockFace();
  // Hands and circle.
  tmeMain.SetHourHandColor(Settings.AnalogColor[0]);
  tmeMain.SetMinuteHandColor(Settings.AnalogColor[1]);
  tmeMain.SetSecondHandColor(Settings.AnalogColor[2]);
  tmeMain.SetCircleColor(Settings.AnalogColor[3]);
  // A starting size from the screen; the face's resize event refits it at the next paint.
  if (Settings.AutoResize) {
    int unit = GetSystemMetrics(SM_CXSCREEN) / 13;
    SetWindowPos(handle(), nullptr, 0, 0, unit + Settings.AutoWidth, unit + Settings.AutoHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  setAlphaBlend(Settings.ClockTransparent != 0, AlphaFor(Settings.ClockTransparent));
  tmeMain.SetFont(&lblClock.Font);
  tmeMain.SetBorderWidth(Settings.FrameWidth);
  tmeMain.SetDoubleBorder(Settings.ShowLikeFrame);
  tmeMain.SetBackColor(lblClock.Color);
  int b = Settings.ShowLikeFrame ? Settings.FrameWidth * 2 : Settings.FrameWidth;
  int w = width(), h = height();
  tmeMain.SetClockArea(POINT{w / 2 + b, h / 2 + b}, static_cast<float>(std::min(w / 2, h / 2) - b - 1));
  tmeMain.SetText(FormatClockText(Settings.DisplayType, base::now()));
  UpdateClock();
  // The tray icon follows InTray once the start-up decision about it was taken.
  if (tmrDelayedTrayIcon.interval() != 0) {
    SetTrayIconVisible(Settings.InTray);
  } else {
    unsigned seconds = delayedIconSeconds(FirstArgument);
    if (seconds != 0) {
      tmrDelayedTrayIcon.setInterval(seconds * 1000);
      tmrDelayedTrayIcon.setEnabled(true);
    } else {
      tmrDelayedTrayIcon.setInterval(1);
      SetTrayIconVisible(Settings.InTray);
    }
  }
  // Top-most is set or cleared directly on the window.
  setTopMost(Settings.AlwaysOnTop);
  // The "#b" text shows the battery state as it is now.
  if (base::find(Settings.DisplayType, "#b") != std::string::npos) WMPowerBroadcast();
  if (launcherChanged) launcher_->rebuildAtNextPopup();
  LoadSystemMenu();
  // The clock is in the clipboard viewer chain only while it records the clipboard.
  clipboard_->setRecording(!Settings.ClipHistory.UnuseHis);
  LoadHotKeys();
}

void TfrmMain::tmrDelayedTrayIconTimer() {
  SetTrayIconVisible(Settings.InTray);
  tmrDelayedTrayIcon.setInterval(1);
  tmrDelayedTrayIcon.setEnabled(false);
}

}  // namespace tockle
