// The rebar of the memo window: the menu bar, the standard tool bar and the format tool bar with
// its font boxes.

#include <windows.h>

#include <commctrl.h>

#include "base/text.h"
#include "memo/app/main_form.h"
#include "memo/chrome/commands.h"
#include "memo/chrome/tool_images.h"
#include "shared/hints.h"

namespace memo {

namespace {

struct ToolButton {
  int command;  // 0: a separator
  int image;
  bool dropDown = false;
  const char* hint = nullptr;  // UTF-8; null: the action's caption
};

HWND makeToolBar(HWND parent, HWND notify, HIMAGELIST images) {
  HWND bar =
      CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                          TBSTYLE_TRANSPARENT | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN,
                      0, 0, 0, 0, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(bar, TB_SETPARENT, reinterpret_cast<WPARAM>(notify), 0);
  SendMessageW(bar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
  SendMessageW(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  return bar;
}

void addButtons(HWND bar, const ActionList& actions, const std::vector<ToolButton>& buttons) {
  for (const ToolButton& b : buttons) {
    TBBUTTON tb{};
    if (b.command == 0) {
      tb.fsStyle = BTNS_SEP;
      tb.iBitmap = 6;
    } else {
      tb.iBitmap = b.image;
      tb.idCommand = b.command;
      tb.fsState = TBSTATE_ENABLED;
      tb.fsStyle = static_cast<BYTE>(BTNS_BUTTON | (b.dropDown ? BTNS_DROPDOWN : 0));
    }
    SendMessageW(bar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&tb));
  }
  // Hints: the given text, else the action's caption without its accelerator.
  HWND tips = reinterpret_cast<HWND>(SendMessageW(bar, TB_GETTOOLTIPS, 0, 0));
  if (!tips) return;
  for (const ToolButton& b : buttons) {
    if (b.command == 0) continue;
    std::string text;
    if (b.hint) {
      text = base::fromUtf8(b.hint);
    } else if (const Action* a = actions.find(b.command)) {
      text = a->caption;
    }
    RECT r{};
    int index = static_cast<int>(SendMessageW(bar, TB_COMMANDTOINDEX, static_cast<WPARAM>(b.command), 0));
    SendMessageW(bar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    std::wstring w = base::wide(text);
    TTTOOLINFOW ti{};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    ti.hwnd = bar;
    ti.uId = static_cast<UINT_PTR>(b.command);
    ti.lpszText = w.data();
    SendMessageW(tips, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
  }
}

SIZE toolBarSize(HWND bar) {
  SIZE size{};
  SendMessageW(bar, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
  return size;
}

void addBand(HWND rebar, HWND child, const std::string& text, int minHeight, SIZE ideal, bool newRow) {
  std::wstring w = base::wide(text);
  REBARBANDINFOW band{};
  band.cbSize = REBARBANDINFOW_V6_SIZE;
  band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_STYLE | RBBIM_SIZE | RBBIM_IDEALSIZE | RBBIM_TEXT;
  band.fStyle = RBBS_CHILDEDGE | RBBS_GRIPPERALWAYS | (newRow ? RBBS_BREAK : 0);
  band.lpText = w.data();
  band.hwndChild = child;
  band.cxMinChild = 0;
  band.cyMinChild = std::max<int>(minHeight, ideal.cy);
  band.cx = ideal.cx + 24;
  band.cxIdeal = ideal.cx;
  SendMessageW(rebar, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
}

int CALLBACK addFontName(const LOGFONTW* lf, const TEXTMETRICW*, DWORD type, LPARAM combo) {
  if (lf->lfFaceName[0] == L'@') return 1;  // vertical variants are not offered
  (void)type;
  HWND box = reinterpret_cast<HWND>(combo);
  if (SendMessageW(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(lf->lfFaceName)) ==
      CB_ERR)
    SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lf->lfFaceName));
  return 1;
}

}  // namespace

void TfrmMain::createToolBars() {
  images_ = makeToolImages();
  clbToolBar = CreateWindowExW(WS_EX_TOOLWINDOW, REBARCLASSNAMEW, nullptr,
                               WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_VARHEIGHT |
                                   RBS_BANDBORDERS | CCS_NODIVIDER | CCS_TOP,
                               0, 0, 0, 0, handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(clbToolBar, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont_.get()), FALSE);

  MenuBar1.create(clbToolBar, handle());
  SendMessageW(MenuBar1.handle(), WM_SETFONT, reinterpret_cast<WPARAM>(uiFont_.get()), FALSE);
  MenuBar1.SetMenu(MainMenu1.get());

  ToolBar1 = makeToolBar(clbToolBar, handle(), images_);
  addButtons(ToolBar1, ActionList1,
             {{actUndo, imgUndo},
              {0, 0},
              {actCut, imgCut},
              {actCopy, imgCopy},
              {actDelete, imgDelete},
              {actPaste, imgPaste},
              {0, 0},
              {actInsertDate, imgDate, true, "日付の挿入 (F6=現在)"},
              {actInsertTime, imgTime, true, "時刻の挿入 (F7=現在)"},
              {0, 0},
              {actHyperlink, imgHyperlink},
              {actSetAlarm, imgAlarm},
              {0, 0},
              {actNewTab, imgNewTab},
              {actPrevious, imgPrevious},
              {actNext, imgNext},
              {0, 0},
              {actHelp, imgHelp}});

  ToolBar2 = makeToolBar(clbToolBar, handle(), images_);
  createFontBoxes();
  addButtons(ToolBar2, ActionList1,
             {{0, 0},
              {actBold, imgBold},
              {actItalic, imgItalic},
              {actUnderline, imgUnderline},
              {actColor, imgColor, true},
              {0, 0},
              {actLeftAlign, imgLeft},
              {actCenterAlign, imgCenter},
              {actRightAlign, imgRight},
              {0, 0},
              {actBullets, imgBullets}});

  // One row each at the design width: the menu, then the two tool bars.
  addBand(clbToolBar, MenuBar1.handle(), "", 20, MenuBar1.idealSize(), false);
  addBand(clbToolBar, ToolBar1, "標準"_sj, 22, toolBarSize(ToolBar1), true);
  addBand(clbToolBar, ToolBar2, "書式"_sj, 22, toolBarSize(ToolBar2), true);
  for (int band = 1; band <= 2; ++band) SendMessageW(clbToolBar, RB_SHOWBAND, static_cast<WPARAM>(band), ToolBar);
}

void TfrmMain::createFontBoxes() {
  // The boxes sit on separators at the start of the format bar: font name 150 pixels, size 44.
  TBBUTTON spacers[2]{};
  spacers[0].iBitmap = 154;
  spacers[0].fsStyle = BTNS_SEP;
  spacers[1].iBitmap = 50;
  spacers[1].fsStyle = BTNS_SEP;
  SendMessageW(ToolBar2, TB_ADDBUTTONSW, 2, reinterpret_cast<LPARAM>(spacers));

  HINSTANCE hi = GetModuleHandleW(nullptr);
  cmbFontName = CreateWindowExW(0, WC_COMBOBOXW, nullptr,
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN | CBS_SORT | CBS_AUTOHSCROLL, 2, 0,
                                150, 300, ToolBar2, nullptr, hi, nullptr);
  SendMessageW(cmbFontName, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont_.get()), FALSE);
  speFontSize = CreateWindowExW(WS_EX_CLIENTEDGE, WC_EDITW, L"9", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 156, 1, 46,
                                20, ToolBar2, nullptr, hi, nullptr);
  SendMessageW(speFontSize, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont_.get()), FALSE);
  HWND spin =
      CreateWindowExW(0, UPDOWN_CLASSW, nullptr,
                      WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_NOTHOUSANDS | UDS_ARROWKEYS, 0, 0,
                      0, 0, ToolBar2, nullptr, hi, nullptr);
  SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(speFontSize), 0);
  SendMessageW(spin, UDM_SETRANGE32, static_cast<WPARAM>(-32767), 32767);  // no limits of its own
  SendMessageW(spin, UDM_SETPOS32, 0, 9);

  // The names of every installed screen font.
  HDC dc = GetDC(handle());
  LOGFONTW lf{};
  lf.lfCharSet = DEFAULT_CHARSET;
  EnumFontFamiliesExW(dc, &lf, addFontName, reinterpret_cast<LPARAM>(cmbFontName), 0);
  ReleaseDC(handle(), dc);

  HWND tips = reinterpret_cast<HWND>(SendMessageW(ToolBar2, TB_GETTOOLTIPS, 0, 0));
  if (!tips) return;
  const std::pair<HWND, const char*> hints[] = {{cmbFontName, "選択箇所のフォントを変更・表示する"},
                                                {speFontSize, "選択箇所のフォントサイズを変更・表示する"}};
  for (const auto& [control, hint] : hints) shared::addControlHint(tips, ToolBar2, control, base::fromUtf8(hint));
}

}  // namespace memo
