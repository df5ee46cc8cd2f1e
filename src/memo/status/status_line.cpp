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

void StatusLine::watch(HWND window, const ui::Control& formatBar, HWND fontName, HWND fontSize) {
  // The font boxes show the hints their tool tips show.
  controlHints_.onHint = [this](const std::string& hint) { showHint(hint); };
  if (HWND tips = reinterpret_cast<HWND>(formatBar.send(TB_GETTOOLTIPS))) {
    ui::Tooltip toolTips;
    toolTips.attach(tips);
    controlHints_.add(fontName, toolTips.text(fontName));
    controlHints_.add(GetWindow(fontName, GW_CHILD), toolTips.text(fontName));
    controlHints_.add(fontSize, toolTips.text(fontSize));
  }
  statusWatch_.attach(window, [this](UINT msg, WPARAM wp, LPARAM lp, LRESULT&) {
    switch (msg) {
      case WM_ACTIVATEAPP:
        if (wp && host_.activated) host_.activated();
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

void StatusLine::refreshEmptyStatus() {
  if ((host_.closing && host_.closing()) || !stbMemo.handle() || tmrMessage.enabled()) return;
  if (base::trim(StatusText()).empty()) ShowCaretPosition();
}

void StatusLine::showHint(const std::string& hint) {
  if (!stbMemo.handle()) return;
  // An ended hint empties the line; the caret line then comes back by itself.
  stbMemo.send(SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(base::wide(hint).c_str()));
}

void StatusLine::menuHint(UINT item, UINT flags, HMENU menu) {
  if (flags == 0xFFFF && !menu) {
    showHint({});  // the menu closed
    return;
  }
  showHint(flags & (MF_POPUP | MF_SEPARATOR) ? std::string() : menuItemHint(item));
}

}  // namespace memo
