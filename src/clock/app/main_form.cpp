#include "clock/app/main_form.h"

#include "clock/alarm/alarm_area.h"
#include "clock/app/window_fit.h"
#include "clock/clipboard/clipboard_area.h"
#include "clock/launcher/launcher_area.h"
#include "clock/power/power_area.h"

#include "base/datetime.h"
#include "base/files.h"
#include "base/text.h"
#include "shared/history_file.h"
#include "shared/prompts.h"
#include "ui/app.h"
#include "ui/modal_scope.h"

namespace tockle {

namespace {
// Posted when the last modal window has closed.
constexpr UINT WM_MODAL_ENDED = WM_APP + 2;

HWND findTitle(const char* title) { return FindWindowW(nullptr, base::wide(title).c_str()); }
}  // namespace

TfrmMain::TfrmMain() {
  ProgramFolder = base::programFolder();
  tmrClock.onTimer = [this] { tmrClockTimer(); };
  tmrMessage.onTimer = [this] { tmrMessageTimer(); };
  tmrDelayedTrayIcon.onTimer = [this] { tmrDelayedTrayIconTimer(); };
  tmrControlTransparent.onTimer = [this] { tmrControlTransparentTimer(); };
  tmrCheckCursorPos.onTimer = [this] { tmrCheckCursorPosTimer(); };
  tmrShowAgain.onTimer = [this] { tmrShowAgainTimer(); };
  tmeMain.OnClockResize = [this](TTimeClock& s, int& w, int& h) { tmeMainClockResize(s, w, h); };
  triIcon.SetAnimateRate(350);
  triIcon.SetTipHelp("Starting...");
  triIcon.SetAnimateIconSource([this] { return iglAnimate.handle(); });
  triIcon.OnMouseMove = [this](TTrayIcon& t, ui::ShiftState s, int x, int y) { triIconMouseMove(t, s, x, y); };
  onCreate = [this] { FormCreate(); };
  onShow = [this] { FormShow(); };
  onPaint = [this] { FormPaint(); };
  onResize = [this] { FormResize(); };
  onMouseMove = [this](ui::ShiftState s, int x, int y) { FormMouseMove(s, x, y); };
  onDestroy = [this] { FormDestroy(); };
  tmeMain.SetClockKind(1);
  hkHotKey.OnHotKey = [this](THookHotKey& sender, int index) { hkHotKeyHotKey(sender, index); };
  triIcon.OnMouseDown = [this](TTrayIcon& t, TrayButton b, ui::ShiftState, int, int) { triIconMouseDown(t, b); };
  auto showMessage = [this](bool show, bool persistent, const std::string& text) {
    ShowClockMessage(show, persistent, text);
  };
  auto openSettings = [this](uint8_t mode) { OpenConfig(mode); };
  clipboard_ = std::make_unique<ClipboardArea>(*this, ProgramFolder, Settings, ClipboardArea::Host{showMessage});
  AlarmArea::Host alarmHost;
  alarmHost.showStatus = [this](const std::string& text) { ShowClockMessage(true, false, text); };
  alarmHost.openSettings = openSettings;
  alarmHost.startPrograms = [this](const std::string& programs) { ExecuteApps(programs, "", ""); };
  alarms_ = std::make_unique<AlarmArea>(*this, ProgramFolder, triIcon, std::move(alarmHost));
  launcher_ = std::make_unique<LauncherArea>(
      *this, RegistryKey, ProgramFolder, Settings,
      LauncherArea::Host{openSettings, [this](const std::string& list, const std::string& params,
                                              const std::string& folder) { ExecuteApps(list, params, folder); }});
  power_ = std::make_unique<PowerArea>(
      Settings, PowerArea::Host{showMessage, [this](bool active) { alarms_->setActive(active); }});
  BindCommands();
}

TfrmMain::~TfrmMain() { destroy(); }

bool TfrmMain::Create() {
  // Before anything of the window's own start-up; a failure is told and start-up goes on.
  if (KzVendrel1.AutoWrite && !KzVendrel1.WriteInfo())
    shared::prompts().ask(nullptr, "更新Vendrel対応情報書き込み失敗しました"_sj, "書き込みミス"_sj,
                          MB_OK | MB_ICONERROR);
  ui::FormParams p;
  p.style = WS_POPUP;
  // Not owned by the application's window: Wine keeps an owned window above its owner and then
  // cannot take it out of the top-most band. The tool-window style keeps it off the task bar.
  p.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
  p.unowned = true;
  p.left = 0;
  p.top = 0;
  p.clientWidth = kDesignWidth;
  p.clientHeight = kDesignHeight;
  return create(p);
}

void TfrmMain::FormCreate() {
  auto& app = ui::Application::instance();
  // Mouse buttons on the clock run their commands from the application-wide hook.
  app.onMessage = [this](MSG& msg) { return AppMessage(msg); };
  ui::setModalEndHandler([this] {
    if (PendingAlarmRequest) PostMessageW(handle(), WM_MODAL_ENDED, 0, 0);
  });
  app.helpFile = base::changeExtension(base::programPath(), ".hlp");
  // Another clock may have come up since the program's own check: hand over to it and start
  // nothing else, so no second tray icon, settings or history clean-up can follow.
  if (HWND other = findTitle(kMainTitle)) {
    SetForegroundWindow(other);
    SecondInstance = true;
    app.terminate();
    return;
  }
  setCaption(kMainTitle);
  AskToClosePreviousVersion();
  LoadSettings();
  // The text already on the clipboard is not recorded when the watcher joins the chain. A rewrite
  // of the history that a kill ended half-way may have left its temporary file.
  clipboard_->ignoreNext();
  shared::TKzHistoryFile::RemoveStrayTemp(ProgramFolder + "_history3");
  clipboard_->takeUnwritten();
  alarms_->start();
  tmeMain.SetFont(&lblClock.Font);
  ShowClockMessage(true, false, "Starting...");
  ApplySettings(true);
  show();
  invalidate();
  app.processMessages();
  // Alarms are checked only once the clock shows.
  alarms_->setActive(true);
}

void TfrmMain::AskToClosePreviousVersion() {
  HWND old = findTitle(kPreviousVersionTitle);
  if (!old) return;
  int answer =
      shared::prompts().ask(handle(),
                            "旧バージョンのTockleが起動中です\r\n"
                            "新版に移行するには，旧版を終了させてから旧版のアンインストーラを実行して下さい\r\n\r\n"
                            "旧版を終了させますか？"_sj,
                            "Ver.2.xx の検出"_sj, MB_YESNO | MB_ICONQUESTION);
  if (answer == IDYES) SendMessageW(old, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void TfrmMain::FormShow() { setTopMost(Settings.AlwaysOnTop); }

void TfrmMain::FormPaint() { UpdateClock(); }

void TfrmMain::UpdateClock() { PaintTo(nullptr, true); }

// A timer message is no paint: the alarm check runs right after the clock is drawn, which spares
// the tick a posted message.
void TfrmMain::tmrClockTimer() {
  PaintTo(nullptr, false);
  alarms_->check();
}

void TfrmMain::PaintTo(HDC target, bool postAlarmCheck) {
  if (!handle()) return;
  RECT wr = bounds();
  OffscreenBitmap.setSize(wr.right - wr.left, wr.bottom - wr.top);
  std::string text;
  if (tmrClock.enabled()) {
    // An analog-only clock shows no time text; status texts show on every kind.
    if (tmeMain.ClockKind & 1) text = FormatClockText(Settings.DisplayType, base::now());
  } else {
    text = StatusText;
  }
  tmeMain.SetText(text);
  // Most ticks of a digital clock draw the very frame the bitmap already holds: keep it.
  auto key = tmeMain.DigitalFrameKey(OffscreenBitmap.width(), OffscreenBitmap.height());
  if (!key || key != lastFrame_) {
    tmeMain.Paint(OffscreenBitmap.canvas());
    // The face may have refitted the window while it painted: the next tick then paints anew.
    lastFrame_ = tmeMain.DigitalFrameKey(OffscreenBitmap.width(), OffscreenBitmap.height());
    if (lastFrame_ && (width() != OffscreenBitmap.width() || height() != OffscreenBitmap.height())) lastFrame_.reset();
  }
  HDC dc = target ? target : GetDC(handle());
  if (!BitBlt(dc, 0, 0, OffscreenBitmap.width(), OffscreenBitmap.height(), OffscreenBitmap.dc(), 0, 0, SRCCOPY)) {
    // A failing blit falls back to a plain draw of the bitmap.
    StretchBlt(dc, 0, 0, OffscreenBitmap.width(), OffscreenBitmap.height(), OffscreenBitmap.dc(), 0, 0,
               OffscreenBitmap.width(), OffscreenBitmap.height(), SRCCOPY);
  }
  if (!target) ReleaseDC(handle(), dc);
  // Elsewhere the alarm check runs once the paint (or whatever called) has ended.
  if (postAlarmCheck) alarms_->postCheck();
}

void TfrmMain::ShowClockMessage(bool show, bool persistent, const std::string& text) {
  if (show) {
    tmrClock.setEnabled(false);
    // Every timed text gets its full two seconds.
    tmrMessage.setEnabled(false);
    if (!persistent) tmrMessage.setEnabled(true);
    if (!text.empty()) {
      StatusText = text;
      // Painted at once, not at the next paint message: the caller may go on to block (a
      // suspend, a form being built) and the text must be on screen before it does.
      if (visible()) {
        PaintTo(nullptr, false);
        GdiFlush();
      }
    }
  } else {
    tmrMessage.setEnabled(false);
    tmrClock.setEnabled(true);
    UpdateClock();
  }
  invalidate();
}

void TfrmMain::tmrMessageTimer() {
  tmrClock.setEnabled(true);
  tmrMessage.setEnabled(false);
}

void TfrmMain::tmeMainClockResize(TTimeClock&, int& width, int& height) {
  FitResult fit = fitWindow(FitInput{Settings.AutoResize, (tmeMain.ClockKind & 2) != 0, Settings.AutoWidth,
                                     Settings.AutoHeight, this->width(), this->height(), width, height});
  if (fit.resized) {
    SetWindowPos(handle(), nullptr, 0, 0, fit.width, fit.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    OffscreenBitmap.setSize(this->width(), this->height());
    auto& c = OffscreenBitmap.canvas();
    c.brush = {lblClock.Color, ui::BrushStyle::Solid};
    c.fillRect(RECT{0, 0, OffscreenBitmap.width(), OffscreenBitmap.height()});
  }
  width = this->width();
  height = this->height();
  FormResize();
}

void TfrmMain::FormResize() {
  if (!(tmeMain.ClockKind & 2)) return;
  int w = width(), h = height();
  tmeMain.SetClockArea(POINT{w / 2, h / 2}, static_cast<float>(std::min(w / 2, h / 2) - 1));
}

void TfrmMain::FormDestroy() {
  ui::Application::instance().onMessage = nullptr;
  ui::setModalEndHandler(nullptr);
  // A change still waiting for the clipboard would be recorded after the history is cleared.
  clipboard_->cancelPending();
  if (SecondInstance) return;
  WriteOnExit();
  alarms_->shutdown();
  clipboard_->closeHistoryWindow();
}

void TfrmMain::WriteOnExit() {
  if (SecondInstance) return;
  clipboard_->flushOnExit();
  if (Settings.ClipHistory.ClearWhenExit) base::deleteFile(ProgramFolder + "_history3");
  alarms_->writeOnExit();
  SaveSettings();
}

LRESULT TfrmMain::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CHECK_ALARMS:
      alarms_->check();
      return 0;
    case WM_COPYDATA:
      return WMCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lp));
    case WM_MODAL_ENDED:
      OpenPendingAlarmRequest();
      return 0;
    case WM_CLOSE:
      // A close from outside (another program, an installer) while a modal window of the clock is
      // open would end the program under the user's unfinished work: that window comes forward
      // instead. The end of the session still ends the program (WM_ENDSESSION).
      if (ui::modalOpen()) {
        if (HWND modal = ui::modalWindow()) SetForegroundWindow(modal);
        return 0;
      }
      break;
    case WM_POWERBROADCAST:
      WMPowerBroadcast();
      break;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      if (launcher_->menuMessage(msg, lp)) return TRUE;
      break;
    case WM_PRINTCLIENT:
      PaintTo(reinterpret_cast<HDC>(wp), true);
      return 0;
    case WM_QUERYENDSESSION:
      // Answered at once: nothing is asked at the end of a session.
      return TRUE;
    case WM_ENDSESSION:
      if (wp) WriteOnExit();
      return 0;
    case WM_NCDESTROY: {
      LRESULT r = Form::handleMessage(msg, wp, lp);
      ui::Application::instance().terminate();
      return r;
    }
  }
  return Form::handleMessage(msg, wp, lp);
}

}  // namespace tockle
