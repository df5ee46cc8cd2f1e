#include "memo/app/main_form.h"

#include <windows.h>

#include <commctrl.h>

#include <imm.h>
#include <richedit.h>

#include "base/files.h"
#include "base/text.h"
#include "memo/chrome/commands.h"
#include "memo/dialogs/input_box.h"
#include "memo/dialogs/memo_file_dialog.h"
#include "ui/app.h"
#include "ui/msgbox.h"

namespace memo {

namespace {
constexpr int kTabControlId = 50;
constexpr int kEditorId = 51;
constexpr int kStatusBarId = 52;
}  // namespace

TfrmMain::TfrmMain() : ActionList1(memoActions()) {
  AskUser = ui::messageBox;
  InputQuery = [this](const std::string& caption, const std::string& prompt, std::string& value) {
    return memo::InputQuery(handle(), caption, prompt, value);
  };
  ChooseSaveFile = [this](const std::string& title, const std::string& filter, const std::string& fileName,
                          const std::string& defExt) {
    return chooseSaveFile(handle(), title, filter, fileName, defExt);
  };
  onCreate = [this] { FormCreate(); };
  tmrMessage.onTimer = [this] { tmrMessageTimer(); };
  connectDocument();
}

TfrmMain::~TfrmMain() {
  ui::Application::instance().onMessage = nullptr;
  if (exists()) destroy();
  if (images_) ImageList_Destroy(images_);
}

bool TfrmMain::Create() {
  ui::FormParams p;
  p.caption = kMainTitle;
  p.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  p.left = FormLeft;
  p.top = FormTop;
  if (!create(p)) return false;
  setBounds(FormLeft, FormTop, FormWidth, FormHeight);
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

  fldDrop = std::make_unique<shared::TFileDrop>(handle());
  fldDrop->OnFileDrop = [this](shared::TFileDrop&, int num, const std::vector<std::string>& files, int x, int y) {
    fldDropFileDrop(num, files, x, y);
  };
  fldDrop->Loaded();

  mirroring_ = false;
  // The default user-interface font as the editor's current attributes, until the settings
  // replace them.
  bool shiftJis = GetACP() == 932;
  rceMemo.setDefaultFont(shiftJis ? "ＭＳ Ｐゴシック"_sj : "MS Sans Serif", shiftJis ? 9 : 8);
  if (cmbFontName) {
    std::wstring face = base::wide(shiftJis ? "ＭＳ Ｐゴシック"_sj : "MS Sans Serif");
    // A face known only by its substitute is not listed: the box shows its name all the same.
    if (SendMessageW(cmbFontName, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(face.c_str())) ==
        CB_ERR)
      SetWindowTextW(cmbFontName, face.c_str());
  }
  if (speFontSize) SetWindowTextW(speFontSize, shiftJis ? L"9" : L"8");
  layout();
}

void TfrmMain::FormShow() {
  LoadSettings();
  ReloadDocument();
  if (FEPOnWhenStart) {
    if (HIMC imc = ImmGetContext(rceMemo.handle())) {
      ImmSetOpenStatus(imc, TRUE);
      ImmSetConversionStatus(imc, IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE, IME_SMODE_NONE);
      ImmReleaseContext(rceMemo.handle(), imc);
    }
  }
  ShowCaretPosition();
  SetFocus(rceMemo.handle());
}

void TfrmMain::FormDestroy() {
  if (closing_) return;
  closing_ = true;
  tmrSave.setEnabled(false);
  // The last quiet try (the user was asked at close already); no box while the window goes.
  if (!discardEdits_ && rceMemo.handle() && rceMemo.modified()) {
    tbcMemoChanging();
    rceMemo.setModified(false);
  }
  if (NeedBackup && BackupOnExit) updateBackup();
  SaveSettings();
}

void TfrmMain::layout() {
  if (!tbcMemo) return;
  RECT rc = clientRect();
  int top = 0;
  int bottom = rc.bottom;
  if (clbToolBar && IsWindowVisible(clbToolBar)) {
    SendMessageW(clbToolBar, WM_SIZE, 0, 0);
    RECT r{};
    GetWindowRect(clbToolBar, &r);
    top = r.bottom - r.top;
  }
  if (stbMemo && IsWindowVisible(stbMemo)) {
    SendMessageW(stbMemo, WM_SIZE, 0, 0);
    RECT r{};
    GetWindowRect(stbMemo, &r);
    bottom -= r.bottom - r.top;
  }
  int height = std::max(0, static_cast<int>(bottom - top));
  MoveWindow(tbcMemo, 0, top, rc.right, height, TRUE);
  RECT display{0, 0, rc.right, height};
  TabCtrl_AdjustRect(tbcMemo, FALSE, &display);
  MoveWindow(rceMemo.handle(), display.left, top + display.top, std::max(0L, display.right - display.left),
             std::max(0L, display.bottom - display.top), TRUE);
}

void TfrmMain::createStatusAndTabs() {
  DWORD side = TabPosition == 0   ? 0
               : TabPosition == 1 ? TCS_BOTTOM
               : TabPosition == 2 ? TCS_VERTICAL
                                  : TCS_VERTICAL | TCS_RIGHT;
  tbcMemo = CreateWindowExW(0, WC_TABCONTROLW, nullptr,
                            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_MULTILINE | TCS_FOCUSNEVER | side, 0, 0, 10,
                            10, handle(), reinterpret_cast<HMENU>(kTabControlId), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(tbcMemo, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont_.get()), FALSE);
  rceMemo.create(handle(), kEditorId, WS_VISIBLE);
  stbMemo = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, handle(),
                            reinterpret_cast<HMENU>(kStatusBarId), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(stbMemo, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont_.get()), FALSE);
  SendMessageW(stbMemo, SB_SIMPLE, TRUE, 0);
  SendMessageW(stbMemo, SB_SETTEXTW, SB_SIMPLEID,
               reinterpret_cast<LPARAM>(base::wide("[未接続] Tockleが起動していません"_sj).c_str()));
  ShowWindow(stbMemo, StatusBar ? SW_SHOW : SW_HIDE);
}

void TfrmMain::ShowStatusMessage(const std::string& text) {
  tmrMessage.setEnabled(false);
  if (stbMemo) SendMessageW(stbMemo, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(base::wide(text).c_str()));
  tmrMessage.setEnabled(true);
}

std::string TfrmMain::StatusText() const {
  if (!stbMemo) return {};
  wchar_t buf[1024] = {};
  SendMessageW(stbMemo, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(buf));
  return base::cp932(buf);
}

void TfrmMain::tmrMessageTimer() {
  tmrMessage.setEnabled(false);
  ShowCaretPosition();
}

void TfrmMain::popupMenu(HMENU menu, LPARAM lp, HWND source) {
  POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  if (lp == -1) {  // from the keyboard: below the top left corner of the control
    RECT r{};
    GetWindowRect(source, &r);
    pt = {r.left + 8, r.top + 8};
  }
  TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, handle(), nullptr);
}

LRESULT TfrmMain::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
      layout();
      return 0;
    case WM_SETFOCUS:
      if (rceMemo.handle()) SetFocus(rceMemo.handle());
      return 0;
    case WM_COMMAND: {
      int id = LOWORD(wp);
      HWND from = reinterpret_cast<HWND>(lp);
      if (from && from == rceMemo.handle()) {
        if (HIWORD(wp) == EN_CHANGE) rceMemoChange();
        return 0;
      }
      if (from && fontBoxCommand(from, HIWORD(wp))) return 0;
      if (MenuBar1.handleCommand(id)) return 0;
      ExecuteCommand(id);
      return 0;
    }
    case WM_NOTIFY: {
      auto* hdr = reinterpret_cast<NMHDR*>(lp);
      if (hdr->hwndFrom == tbcMemo) {
        if (hdr->code == TCN_SELCHANGING) return saveShownTab() ? FALSE : TRUE;  // unsaved: the strip stays
        if (hdr->code == TCN_SELCHANGE) {
          tbcMemoChange();
          return 0;
        }
      }
      if (hdr->hwndFrom == rceMemo.handle() && hdr->code == EN_SELCHANGE) {
        rceMemoSelectionChange();
        return 0;
      }
      if (hdr->hwndFrom == clbToolBar && hdr->code == RBN_HEIGHTCHANGE) {
        layout();
        return 0;
      }
      if (hdr->code == TBN_DROPDOWN) {
        auto* nm = reinterpret_cast<NMTOOLBARW*>(lp);
        HMENU menu = nm->iItem == actInsertDate ? ppmDate.get() : nm->iItem == actInsertTime ? ppmTime.get() : nullptr;
        if (menu) {
          RECT r = nm->rcButton;
          MapWindowPoints(nm->hdr.hwndFrom, nullptr, reinterpret_cast<POINT*>(&r), 2);
          TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_TOPALIGN, r.left, r.bottom, handle(), nullptr);
        }
        return TBDDRET_DEFAULT;
      }
      break;
    }
    case WM_CONTEXTMENU: {
      HWND source = reinterpret_cast<HWND>(wp);
      if (source == tbcMemo) {
        popupMenu(ppmTab.get(), lp, source);
        return 0;
      }
      if (source == rceMemo.handle()) {
        popupMenu(ppmMemo.get(), lp, source);
        return 0;
      }
      break;
    }
    case WM_INITMENUPOPUP:
      initMenuPopup(reinterpret_cast<HMENU>(wp));
      return 0;
    case WM_CLOSE:
      if (!FormCloseQuery()) return 0;
      break;
    case WM_DESTROY:
      FormDestroy();
      if (QuitOnDestroy) ui::Application::instance().terminate();
      return 0;
  }
  return ui::Form::handleMessage(msg, wp, lp);
}

void TfrmMain::fldDropFileDrop(int, const std::vector<std::string>&, int, int) {
  // What a drop does (open as tabs or insert) comes with the insert commands.
}

}  // namespace memo
