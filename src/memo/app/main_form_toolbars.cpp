// The rebar of the memo window: the menu bar, the standard tool bar and the format tool bar with
// its font boxes.

#include <windows.h>

#include <commctrl.h>

#include "base/text.h"
#include "memo/app/main_form.h"
#include "memo/chrome/commands.h"
#include "memo/chrome/tool_images.h"
#include "memo/status/status_line.h"
#include "ui/tooltip.h"

namespace memo {

namespace {

struct ToolButton {
  int command;  // 0: a separator
  int image;
  bool dropDown = false;
  const char* hint = nullptr;  // UTF-8; null: the action's caption
};

// A tool bar on the rebar that tells the window (its host) its commands and notifications.
HWND makeToolBar(ui::Control& bar, HWND rebar, const ui::ImageList& images) {
  ui::ControlArgs args;
  args.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
               TBSTYLE_TRANSPARENT | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN;
  args.parent = rebar;
  args.className = TOOLBARCLASSNAMEW;
  bar.create(args);
  bar.send(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
  bar.send(TB_SETPARENT, reinterpret_cast<WPARAM>(bar.host()->hostHandle()));
  bar.send(TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
  bar.send(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images.handle()));
  return bar.handle();
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
      text = captionHint(a->caption);
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

void addBand(HWND rebar, int id, HWND child, const std::string& text, int minHeight, SIZE ideal, bool newRow) {
  std::wstring w = base::wide(text);
  REBARBANDINFOW band{};
  band.cbSize = REBARBANDINFOW_V6_SIZE;
  band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_STYLE | RBBIM_SIZE | RBBIM_IDEALSIZE | RBBIM_TEXT | RBBIM_ID;
  band.wID = static_cast<UINT>(id);
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
  ui::ControlArgs bar;
  bar.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_VARHEIGHT | RBS_BANDBORDERS |
              CCS_NODIVIDER | CCS_TOP;
  bar.exStyle = WS_EX_TOOLWINDOW;
  bar.className = REBARCLASSNAMEW;
  bar.font = uiFont_.get();
  clbToolBar.create(bar);

  MenuBar1.create(clbToolBar.handle(), handle());
  SendMessageW(MenuBar1.handle(), WM_SETFONT, reinterpret_cast<WPARAM>(uiFont_.get()), FALSE);
  MenuBar1.SetMenu(MainMenu1.get());

  addButtons(makeToolBar(ToolBar1, clbToolBar.handle(), images_), ActionList1,
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

  makeToolBar(ToolBar2, clbToolBar.handle(), images_);
  createFontBoxes();
  addButtons(ToolBar2.handle(), ActionList1,
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
  HWND rebar = clbToolBar.handle();
  addBand(rebar, kMenuBarBandId, MenuBar1.handle(), "", 20, MenuBar1.idealSize(), false);
  addBand(rebar, kToolBar1Id, ToolBar1.handle(), "標準"_sj, 22, toolBarSize(ToolBar1.handle()), true);
  addBand(rebar, kToolBar2Id, ToolBar2.handle(), "書式"_sj, 22, toolBarSize(ToolBar2.handle()), true);
  showToolBars(Settings.ToolBar);
}

int TfrmMain::bandIndex(int bandId) const { return static_cast<int>(clbToolBar.send(RB_IDTOINDEX, bandId)); }

void TfrmMain::showToolBars(bool on) {
  // By the bands' ids: a stored order may have put the menu bar at any index.
  for (int id : {kToolBar1Id, kToolBar2Id})
    if (int at = bandIndex(id); at >= 0) clbToolBar.send(RB_SHOWBAND, static_cast<WPARAM>(at), on);
}

void TfrmMain::createFontBoxes() {
  // The boxes sit on separators at the start of the format bar: font name 150 pixels, size 44.
  TBBUTTON spacers[2]{};
  spacers[0].iBitmap = 154;
  spacers[0].fsStyle = BTNS_SEP;
  spacers[1].iBitmap = 50;
  spacers[1].fsStyle = BTNS_SEP;
  ToolBar2.send(TB_ADDBUTTONSW, 2, reinterpret_cast<LPARAM>(spacers));

  // On the tool bar, which passes their commands on to the window.
  ui::ControlArgs name{2, 0, 150, 300, WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN | CBS_SORT | CBS_AUTOHSCROLL};
  name.parent = ToolBar2.handle();
  name.font = uiFont_.get();
  cmbFontName.create(name);
  ui::ControlArgs size{156, 1, 46, 20, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, "9"};
  size.parent = ToolBar2.handle();
  size.font = uiFont_.get();
  speFontSize.create(size);
  ui::ControlArgs spin{0, 0, 0, 0,
                       WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_NOTHOUSANDS | UDS_ARROWKEYS};
  spin.parent = ToolBar2.handle();
  spnFontSize.create(spin);
  spnFontSize.setBuddy(speFontSize.handle());
  spnFontSize.setRange(-32767, 32767);  // no limits of its own
  spnFontSize.setPosition(9);

  // The names of every installed screen font.
  HDC dc = GetDC(handle());
  LOGFONTW lf{};
  lf.lfCharSet = DEFAULT_CHARSET;
  EnumFontFamiliesExW(dc, &lf, addFontName, reinterpret_cast<LPARAM>(cmbFontName.handle()), 0);
  ReleaseDC(handle(), dc);

  auto tips = reinterpret_cast<HWND>(ToolBar2.send(TB_GETTOOLTIPS));
  if (!tips) return;
  ui::Tooltip toolTips;
  toolTips.attach(tips);
  const std::pair<HWND, const char*> hints[] = {{cmbFontName.handle(), "選択箇所のフォントを変更・表示する"},
                                                {speFontSize.handle(), "選択箇所のフォントサイズを変更・表示する"}};
  for (const auto& [control, hint] : hints) toolTips.add(control, base::fromUtf8(hint));
  // The status line shows the same hints while the mouse is over the boxes.
  status_->showControlHints(ToolBar2, cmbFontName.handle(), speFontSize.handle());
}

}  // namespace memo
