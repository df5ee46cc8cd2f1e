#include "memo/status/status_line.h"

#include <windows.h>

#include <commctrl.h>

#include <utility>

#include "base/text.h"
#include "memo/chrome/commands.h"
#include "memo/editor/rich_edit.h"
#include "memo/status/caret_status.h"
#include "ui/controls.h"
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

StatusLine::StatusLine(ui::Control& bar, RichEdit& editor, Host host)
    : stbMemo(bar), rceMemo(editor), host_(std::move(host)) {
  tmrMessage.onTimer = [this] { tmrMessageTimer(); };
}

void StatusLine::showControlHints(const ui::Control& formatBar, HWND fontName, HWND fontSize) {
  controlHints_.onHint = [this](const std::string& hint) { showHint(hint); };
  if (HWND tips = reinterpret_cast<HWND>(formatBar.send(TB_GETTOOLTIPS))) {
    ui::Tooltip toolTips;
    toolTips.attach(tips);
    controlHints_.add(fontName, toolTips.text(fontName));
    controlHints_.add(GetWindow(fontName, GW_CHILD), toolTips.text(fontName));
    controlHints_.add(fontSize, toolTips.text(fontSize));
  }
}

void StatusLine::menuSelect(WPARAM wp, LPARAM lp) {
  const UINT item = LOWORD(wp);
  const UINT flags = HIWORD(wp);
  if (flags == 0xFFFF && !lp) {
    showHint({});  // the menu closed
    return;
  }
  showHint(flags & (MF_POPUP | MF_SEPARATOR) ? std::string() : menuItemHint(item));
}

void StatusLine::hotItemChange(const NMTBHOTITEM& hot) {
  showHint(hot.dwFlags & HICF_LEAVING ? std::string() : toolButtonHint(hot.hdr.hwndFrom, hot.idNew));
}

void StatusLine::ShowStatusMessage(const std::string& text) {
  tmrMessage.setEnabled(false);
  if (stbMemo.handle()) stbMemo.send(SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(base::wide(text).c_str()));
  tmrMessage.setEnabled(true);
}

std::string StatusLine::StatusText() const {
  if (!stbMemo.handle()) return {};
  wchar_t buf[1024] = {};
  stbMemo.send(SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(buf));
  return base::cp932(buf);
}

void StatusLine::tmrMessageTimer() {
  tmrMessage.setEnabled(false);
  ShowCaretPosition();
}

void StatusLine::ShowCaretPosition() {
  // A timed text stays for its three seconds.
  if (tmrMessage.enabled() || !stbMemo.handle() || !rceMemo.handle()) return;
  const bool clock = host_.clockConnected && host_.clockConnected();
  std::wstring text = base::wide(caretStatusText(caretPlace(rceMemo.handle(), rceMemo.knownText()), clock));
  stbMemo.send(SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
}

void StatusLine::showHint(const std::string& hint) {
  if (!stbMemo.handle()) return;
  stbMemo.send(SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(base::wide(hint).c_str()));
  // An ended hint gives the line back to the caret (a timed text keeps its time; nothing is
  // refreshed while the window closes).
  if (base::trim(hint).empty() && !(host_.closing && host_.closing())) ShowCaretPosition();
}

}  // namespace memo
