// Transparency while the cursor is on the clock, and hiding the clock while the cursor rests on it.
#include "clock/app/main_form.h"

namespace tockle {

void TfrmMain::FormMouseMove(ui::ShiftState shift, int, int) {
  if (shift & MK_SHIFT) return;
  if (Settings.AutooffTransparent) {
    if (alphaBlend()) setAlphaBlend(false, alphaBlendValue());
    // A running count goes on from the first move.
    tmrControlTransparent.setEnabled(true);
  }
  if (Settings.MouseHoldInvisible > 0) {
    POINT p{};
    GetCursorPos(&p);
    HoldX = p.x;
    HoldY = p.y;
    HoldCount = 0;
    tmrCheckCursorPos.setEnabled(true);
  }
}

void TfrmMain::tmrControlTransparentTimer() {
  POINT p{};
  GetCursorPos(&p);
  RECT r = bounds();
  bool inside = p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
  if (!inside && !alphaBlend() && Settings.ClockTransparent != 0)
    setAlphaBlend(true, AlphaFor(Settings.ClockTransparent));
  tmrControlTransparent.setEnabled(false);
}

void TfrmMain::tmrCheckCursorPosTimer() {
  POINT p{};
  GetCursorPos(&p);
  if (p.x != HoldX || p.y != HoldY) {
    tmrCheckCursorPos.setEnabled(false);
    return;
  }
  ++HoldCount;
  if (HoldCount >= Settings.MouseHoldInvisible / 100) {
    setVisible(false);
    tmrCheckCursorPos.setEnabled(false);
    // A restore time of 0 would leave the clock hidden for good: it comes back after 100 ms.
    int restore = Settings.MouseHoldInvisibleRestore > 0 ? Settings.MouseHoldInvisibleRestore : 100;
    tmrShowAgain.setInterval(static_cast<UINT>(restore));
    tmrShowAgain.setEnabled(true);
  }
}

void TfrmMain::tmrShowAgainTimer() {
  show();
  tmrShowAgain.setEnabled(false);
  tmrControlTransparent.setEnabled(true);
}

}  // namespace tockle
