#include "memo/app/main_form.h"

#include <windows.h>

#include <commctrl.h>

#include <imm.h>
#include <richedit.h>
#include <shellapi.h>

#include <utility>

#include "base/files.h"
#include "base/text.h"
#include "memo/chrome/commands.h"
#include "memo/clock_link/clock_link.h"
#include "memo/document/document_watch.h"
#include "memo/document/tab_session.h"
#include "memo/editor/format_state.h"
#include "memo/find/tab_find.h"
#include "memo/insert/insert_commands.h"
#include "memo/link/tab_links.h"
#include "memo/status/status_line.h"
#include "ui/app.h"
#include "ui/help_file.h"
#include "ui/modal_scope.h"

namespace memo {

TfrmMain::TfrmMain() : ActionList1(memoActions()) {
  ShowHelp = [this](UINT command, ULONG_PTR data) { ui::openHelp(handle(), command, data); };
  onCreate = [this] { FormCreate(); };
  makeAreas();
  bindControls();
  connectDocument();
}

void TfrmMain::bindControls() {
  tbcMemo.onContextMenu = [this](POINT at) { popupMenu(ppmTab.get(), at, tbcMemo.handle()); };
  rceMemoEvents.onCommand = [this](WORD code) {
    if (code == EN_CHANGE) rceMemoChange();
  };
  rceMemoEvents.onNotify = [this](NMHDR& hdr) -> LRESULT {
    if (hdr.code == EN_SELCHANGE) rceMemoSelectionChange();
    return 0;
  };
  rceMemoEvents.onContextMenu = [this](POINT at) { popupMenu(ppmMemo.get(), at, rceMemo.handle()); };
  clbToolBar.onNotify = [this](NMHDR& hdr) -> LRESULT {
    if (hdr.code == RBN_HEIGHTCHANGE) layout();
    return 0;
  };
  ToolBar1.onNotify = [this](NMHDR& hdr) { return toolBarNotify(hdr); };
  ToolBar2.onNotify = [this](NMHDR& hdr) { return toolBarNotify(hdr); };
  // Typing in the name box changes nothing until a name is chosen.
  cmbFontName.onCommand = [this](WORD code) {
    if (code == CBN_SELCHANGE) format_->cmbFontNameChange();
  };
  speFontSize.onChange = [this] { format_->speFontSizeChange(); };
}

TfrmMain::~TfrmMain() {
  ui::Application::instance().onMessage = nullptr;
  if (exists()) destroy();
}

bool TfrmMain::Create() {
  ui::FormParams p;
  p.caption = kMainTitle;
  p.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  p.left = Settings.FormLeft;
  p.top = Settings.FormTop;
  if (!create(p)) return false;
  setBounds(Settings.FormLeft, Settings.FormTop, Settings.FormWidth, Settings.FormHeight);
  ShowWindow(handle(), SW_SHOWNORMAL);
  // FormShow may already have ended the program (a missing document whose wizard was cancelled).
  if (!ui::Application::instance().terminated()) FormShow();
  return true;
}

void TfrmMain::FormCreate() {
  BackupOnExit = true;
  ui::Application::instance().helpFile = base::changeExtension(base::programPath(), ".hlp");
  ui::Application::instance().onMessage = [this](MSG& m) { return onAppMessage(m); };
  setCaption(kMainTitle);
  if (HICON icon = LoadIconW(ui::Application::instance().hinstance(), MAKEINTRESOURCEW(1)))
    SendMessageW(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));

  ui::Font font("MS UI Gothic", 9);
  font.setCharset(SHIFTJIS_CHARSET);
  LOGFONTW lf{};
  GetObjectW(font.handle(), sizeof lf, &lf);
  uiFont_.reset(CreateFontIndirectW(&lf));

  buildMenus();
  createToolBars();
  createStatusAndTabs();
  bindCommands();
  bindSaveTimer();

  fldDrop = std::make_unique<shared::TFileDrop>(handle());
  fldDrop->OnFileDrop = [this](shared::TFileDrop&, int num, const std::vector<std::string>& files, int x, int y) {
    fldDropFileDrop(num, files, x, y);
  };
  fldDrop->loadedInForm();

  // The default user-interface font as the editor's current attributes, until the settings
  // replace them.
  bool shiftJis = GetACP() == 932;
  rceMemo.setDefaultFont(shiftJis ? "ＭＳ Ｐゴシック"_sj : "MS Sans Serif", shiftJis ? 9 : 8);
  format_->showFontName(base::wide(shiftJis ? "ＭＳ Ｐゴシック"_sj : "MS Sans Serif"));
  if (speFontSize.handle()) speFontSize.setNumber(shiftJis ? 9 : 8);
  layout();
}

void TfrmMain::FormShow() {
  LoadSettings();
  session_->ReloadDocument();
  if (Settings.FEPOnWhenStart) {
    if (HIMC imc = ImmGetContext(rceMemo.handle())) {
      ImmSetOpenStatus(imc, TRUE);
      ImmSetConversionStatus(imc, IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE, IME_SMODE_NONE);
      ImmReleaseContext(rceMemo.handle(), imc);
    }
  }
  // The clock is looked for now, not only at the first timer tick: until then the status line
  // would say it does not run and the alarm command would stay disabled.
  clockLink_->watchClock();
  // The format boxes show the shown tab's attributes at the caret, not the defaults they were
  // made with.
  rceMemoSelectionChange();
  SetFocus(rceMemo.handle());
}

void TfrmMain::FormDestroy() {
  if (closing_) return;
  closing_ = true;
  tmrSave.setEnabled(false);
  WriteOnExit();
}

void TfrmMain::WriteOnExit() {
  // Nothing here waits for the user: the user was asked at close already, and at the end of a
  // session nobody may be asked. The manager's boxes and its new-document wizard stay away.
  QuietManager quiet(session_->manager());
  session_->writeOnExit();
  if (Settings.NeedBackup && BackupOnExit) session_->updateBackup();
  SaveSettings();
}

void TfrmMain::layout() {
  if (!tbcMemo.handle()) return;
  RECT rc = clientRect();
  int top = 0;
  int bottom = rc.bottom;
  if (clbToolBar.handle() && clbToolBar.visible()) {
    clbToolBar.send(WM_SIZE);
    RECT r{};
    GetWindowRect(clbToolBar.handle(), &r);
    top = r.bottom - r.top;
  }
  if (stbMemo.handle() && stbMemo.visible()) {
    stbMemo.send(WM_SIZE);
    RECT r{};
    GetWindowRect(stbMemo.handle(), &r);
    bottom -= r.bottom - r.top;
  }
  int height = std::max(0, static_cast<int>(bottom - top));
  MoveWindow(tbcMemo.handle(), 0, top, rc.right, height, TRUE);
  RECT display{0, 0, rc.right, height};
  TabCtrl_AdjustRect(tbcMemo.handle(), FALSE, &display);
  MoveWindow(rceMemo.handle(), display.left, top + display.top, std::max(0L, display.right - display.left),
             std::max(0L, display.bottom - display.top), TRUE);
}

void TfrmMain::createStatusAndTabs() {
  DWORD side = Settings.TabPosition == 0   ? 0
               : Settings.TabPosition == 1 ? TCS_BOTTOM
               : Settings.TabPosition == 2 ? TCS_VERTICAL
                                           : TCS_VERTICAL | TCS_RIGHT;
  ui::ControlArgs tabs;
  tabs.width = tabs.height = 10;
  // The tab control's display area lies under the editor: it clips its siblings and the editor lies
  // above it, or every repaint of the tab strip would paint over the text.
  tabs.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_MULTILINE | TCS_FOCUSNEVER | side;
  tabs.font = uiFont_.get();
  tbcMemo.create(tabs);
  rceMemo.create(handle(), kEditorId, WS_VISIBLE);
  SetWindowPos(rceMemo.handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ui::ControlArgs status;
  status.style = WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP;
  status.className = STATUSCLASSNAMEW;
  status.font = uiFont_.get();
  stbMemo.create(status);
  stbMemo.send(SB_SIMPLE, TRUE);
  stbMemo.send(SB_SETTEXTW, SB_SIMPLEID,
               reinterpret_cast<LPARAM>(base::wide("[未接続] Tockleが起動していません"_sj).c_str()));
  stbMemo.setVisible(Settings.StatusBar);
}

void TfrmMain::ShowStatusMessage(const std::string& text) { status_->ShowStatusMessage(text); }

std::string TfrmMain::StatusText() const { return status_->StatusText(); }

void TfrmMain::tmrMessageTimer() { status_->tmrMessageTimer(); }

void TfrmMain::popupMenu(HMENU menu, POINT pt, HWND source) {
  if (pt.x == -1 && pt.y == -1) {  // from the keyboard: below the top left corner of the control
    RECT r{};
    GetWindowRect(source, &r);
    pt = {r.left + 8, r.top + 8};
  }
  TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, handle(), nullptr);
}

LRESULT TfrmMain::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  // Under a modal window of the program the window is disabled: what still arrives here comes from
  // another program, and runs no command and takes no drop beneath the box or dialog.
  if (ui::modalOpen()) {
    if (msg == WM_COMMAND) return 0;
    if (msg == WM_DROPFILES) {
      DragFinish(reinterpret_cast<HDROP>(wp));
      return 0;
    }
  }
  switch (msg) {
    case WM_SIZE:
      layout();
      return 0;
    case WM_SETFOCUS:
      if (rceMemo.handle()) SetFocus(rceMemo.handle());
      return 0;
    case WM_COMMAND: {
      // Menus, shortcuts and tool buttons (the controls' own commands are routed by their id).
      int id = LOWORD(wp);
      if (MenuBar1.handleCommand(id)) return 0;
      ExecuteCommand(id);
      return 0;
    }
    case WM_INITMENUPOPUP:
      initMenuPopup(reinterpret_cast<HMENU>(wp));
      return 0;
    case WM_MENUSELECT:
      status_->menuSelect(wp, lp);
      break;
    case WM_NOTIFY:
      // The menu bar's hot item (the tool bars' reach toolBarNotify by their ids).
      if (reinterpret_cast<const NMHDR*>(lp)->code == TBN_HOTITEMCHANGE)
        status_->hotItemChange(*reinterpret_cast<const NMTBHOTITEM*>(lp));
      break;
    case WM_ACTIVATEAPP:
      if (wp) ApplicationActivate();
      break;
    case WM_CLOSE:
      if (!session_->mayClose()) return 0;
      break;
    case WM_QUERYENDSESSION:
      // Answered at once: nothing is asked at the end of a session.
      return TRUE;
    case WM_ENDSESSION:
      if (wp) WriteOnExit();
      return 0;
    case WM_DESTROY:
      // The program ends with its window (a test resumes the application's loop for the next).
      FormDestroy();
      ui::Application::instance().terminate();
      return 0;
  }
  // The find and replace dialogs report through a registered message; files dropped on the window.
  if (find_->dialogMessage(msg, lp)) return 0;
  if (LRESULT result = 0; fldDrop && fldDrop->formMessage(msg, wp, lp, result)) return result;
  return ui::Form::handleMessage(msg, wp, lp);
}

LRESULT TfrmMain::toolBarNotify(NMHDR& hdr) {
  if (hdr.code == TBN_HOTITEMCHANGE) status_->hotItemChange(reinterpret_cast<const NMTBHOTITEM&>(hdr));
  if (hdr.code != TBN_DROPDOWN) return 0;
  auto& nm = reinterpret_cast<NMTOOLBARW&>(hdr);
  HMENU menu = nm.iItem == actInsertDate   ? ppmDate.get()
               : nm.iItem == actInsertTime ? ppmTime.get()
               : nm.iItem == actColor      ? format_->colorMenu()
                                           : nullptr;
  if (menu) {
    RECT r = nm.rcButton;
    MapWindowPoints(nm.hdr.hwndFrom, nullptr, reinterpret_cast<POINT*>(&r), 2);
    TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_TOPALIGN, r.left, r.bottom, handle(), nullptr);
  }
  return TBDDRET_DEFAULT;
}

}  // namespace memo
