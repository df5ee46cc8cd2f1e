// The memo window's save timer, the check for changes made by other programs, the watch for the
// running clock, the backup restore, and the status line: timed texts, hints, and the caret line
// whenever the line is empty.
#include <windows.h>

#include <commctrl.h>
#include <imm.h>

#include "base/text.h"
#include "memo/app/main_form.h"
#include "memo/chrome/commands.h"
#include "memo/clock_link/alarm_request.h"
#include "memo/status/caret_status.h"
#include "ui/tooltip.h"

namespace memo {

namespace {

// The long hints of the menu items that have one.
std::string menuItemHint(UINT id) {
  switch (id) {
    case mnuFind:
      return "全てのタブに対して検索する"_sj;
    case mnuReplace:
      return "全てのタブに対して置換する"_sj;
    case mnuRelatedLink:
      return "関連づけを再度実行します"_sj;
    default:
      return {};
  }
}

// The hint a tool bar's button shows.
std::string toolButtonHint(HWND bar, int command) {
  HWND tips = reinterpret_cast<HWND>(SendMessageW(bar, TB_GETTOOLTIPS, 0, 0));
  if (!tips) return {};
  wchar_t buf[512] = {};
  TTTOOLINFOW ti{};
  ti.cbSize = TTTOOLINFOW_V2_SIZE;
  ti.hwnd = bar;
  ti.uId = static_cast<UINT_PTR>(command);
  ti.lpszText = buf;
  SendMessageW(tips, TTM_GETTEXTW, std::size(buf), reinterpret_cast<LPARAM>(&ti));
  return base::cp932(buf);
}

}  // namespace

void TfrmMain::bindStatusCommands() {
  if (!CompositionPending)
    CompositionPending = [this] {
      HIMC imc = ImmGetContext(handle());
      if (!imc) return false;
      LONG bytes = ImmGetCompositionStringW(imc, GCS_COMPSTR, nullptr, 0);
      ImmReleaseContext(handle(), imc);
      return bytes > 0;
    };
  tmrSave.onTimer = [this] { tmrSaveTimer(); };
  // The font boxes show the hints their tool tips show.
  controlHints_.onHint = [this](const std::string& hint) { showHint(hint); };
  if (HWND tips = reinterpret_cast<HWND>(ToolBar2.send(TB_GETTOOLTIPS))) {
    ui::Tooltip toolTips;
    toolTips.attach(tips);
    controlHints_.add(cmbFontName.handle(), toolTips.text(cmbFontName.handle()));
    controlHints_.add(GetWindow(cmbFontName.handle(), GW_CHILD), toolTips.text(cmbFontName.handle()));
    controlHints_.add(speFontSize.handle(), toolTips.text(speFontSize.handle()));
  }
  onCommand(mnuRestore, [this] { mnuRestoreClick(); });
  statusWatch_.attach(handle(), [this](UINT msg, WPARAM wp, LPARAM lp, LRESULT&) {
    switch (msg) {
      case WM_ACTIVATEAPP:
        if (wp) ApplicationActivate();
        break;
      case WM_MENUSELECT:
        menuHint(LOWORD(wp), HIWORD(wp), reinterpret_cast<HMENU>(lp));
        break;
      case WM_NOTIFY: {
        const auto* hot = reinterpret_cast<const NMTBHOTITEM*>(lp);
        if (hot->hdr.code == TBN_HOTITEMCHANGE)
          showHint(hot->dwFlags & HICF_LEAVING ? std::string() : toolButtonHint(hot->hdr.hwndFrom, hot->idNew));
        break;
      }
      case WM_DESTROY:
      case WM_NCDESTROY:
        return false;
    }
    refreshEmptyStatus();
    return false;
  });
}

void TfrmMain::tmrSaveTimer() {
  if (closing_ || !rceMemo.handle()) return;
  checkOutsideChange(true);
  watchClock();
  autoSave();
}

void TfrmMain::ApplicationActivate() {
  if (closing_ || !rceMemo.handle()) return;
  checkOutsideChange(false);
}

bool TfrmMain::applicationActive() const {
  HWND front = GetForegroundWindow();
  DWORD process = 0;
  if (front) GetWindowThreadProcessId(front, &process);
  return process == GetCurrentProcessId();
}

void TfrmMain::checkOutsideChange(bool onlyWhileActive) {
  // A check while the question is open finds nothing new (the ages were remembered) and must not
  // ask twice.
  if (reloadAsking_ || Settings.ReloadOption == 0) return;
  if (onlyWhileActive && !applicationActive()) return;
  if (!MemoMan.IsChangedOutside()) return;
  // An edit not yet saved would be thrown away by the reload: never without the user's word.
  const bool unsaved = rceMemo.modified() && !tabUnavailable_;
  if (Settings.ReloadOption == 1 || unsaved) {
    std::string text = "メモファイルが外部で更新されました\r\n再読み込みしますか？"_sj;
    if (unsaved) text += "\r\n(表示中のタブの保存していない変更は失われます)"_sj;
    reloadAsking_ = true;
    int answer = ask(text, "再読み込みの確認"_sj, MB_YESNO | MB_ICONQUESTION);
    reloadAsking_ = false;
    if (answer != IDYES) return;
  }
  ReloadDocument();
}

void TfrmMain::watchClock() {
  HWND clock = findClockWindow();
  if (clock && !ClockConnected) {
    ClockConnected = true;
    setActionEnabled(actSetAlarm, true);
    ShowStatusMessage(clockFoundText(clock));
  } else if (!clock && ClockConnected) {
    ClockConnected = false;
    setActionEnabled(actSetAlarm, false);
    ShowStatusMessage(clockLostText());
  }
}

void TfrmMain::autoSave() {
  // Not while the reload question (or any box of this window) is open: the answer decides first.
  if (reloadAsking_ || !IsWindowEnabled(handle()) || !rceMemo.modified()) return;
  if (CompositionPending && CompositionPending()) return;
  if (tbcMemoChanging())
    rceMemo.setModified(false);
  else
    ShowStatusMessage("自動保存できませんでした -> "_sj + Settings.MemoFile);
}

void TfrmMain::mnuRestoreClick() {
  if (ask("前回バックアップ時からの内容が失われます\r\n復元してよろしいですか？"_sj, "復元の確認"_sj,
          MB_YESNO | MB_ICONQUESTION) != IDYES)
    return;
  if (!MemoMan.RestoreBackup()) {
    // The document is as it was: the shown tab keeps its edit.
    reportFailure();
    return;
  }
  ReloadDocument();
}

void TfrmMain::ShowCaretPosition() {
  // A timed text stays for its three seconds.
  if (tmrMessage.enabled() || !stbMemo.handle() || !rceMemo.handle()) return;
  std::wstring text = base::wide(caretStatusText(caretPlace(rceMemo.handle(), rceMemo.knownText()), ClockConnected));
  stbMemo.send(SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
}

void TfrmMain::refreshEmptyStatus() {
  if (closing_ || !stbMemo.handle() || tmrMessage.enabled()) return;
  if (base::trim(StatusText()).empty()) ShowCaretPosition();
}

void TfrmMain::showHint(const std::string& hint) {
  if (!stbMemo.handle()) return;
  // An ended hint empties the line; the caret line then comes back by itself.
  stbMemo.send(SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(base::wide(hint).c_str()));
}

void TfrmMain::menuHint(UINT item, UINT flags, HMENU menu) {
  if (flags == 0xFFFF && !menu) {
    showHint({});  // the menu closed
    return;
  }
  showHint(flags & (MF_POPUP | MF_SEPARATOR) ? std::string() : menuItemHint(item));
}

}  // namespace memo
