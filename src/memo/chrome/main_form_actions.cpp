// The memo window's commands: menus, actions, tool buttons and shortcuts meet here.

#include <windows.h>

#include <commctrl.h>

#include "base/text.h"
#include "memo/chrome/commands.h"
#include "memo/app/main_form.h"
#include "shared/about.h"
#include "ui/app.h"

namespace memo {

void TfrmMain::buildMenus() {
  mainMenuItems_ = mainMenuItems(ActionList1);
  MainMenu1 = buildMenu(mainMenuItems_, true);
  ppmTab = buildMenu(tabPopupItems(ActionList1), false);
  ppmMemo = buildMenu(memoPopupItems(ActionList1), false);
  ppmDate = buildMenu(insertDateItems(), false);
  ppmTime = buildMenu(insertTimeItems(), false);
}

void TfrmMain::bindActions() {
  bindTabActions();
  for (const Action& a : ActionList1.all()) updateAction(a.id);
}

void TfrmMain::updateAction(int id) {
  const Action* a = ActionList1.find(id);
  if (!a) return;
  UINT state = MF_BYCOMMAND | (a->enabled ? MF_ENABLED : MF_GRAYED);
  for (HMENU m : {MainMenu1.get(), ppmTab.get(), ppmMemo.get()}) EnableMenuItem(m, static_cast<UINT>(id), state);
  for (HWND bar : {ToolBar1, ToolBar2})
    if (bar) SendMessageW(bar, TB_ENABLEBUTTON, static_cast<WPARAM>(id), MAKELPARAM(a->enabled, 0));
}

void TfrmMain::setActionEnabled(int id, bool on) {
  if (Action* a = ActionList1.find(id); a && a->enabled != on) {
    a->enabled = on;
    updateAction(id);
  }
}

bool TfrmMain::ExecuteCommand(int id) {
  switch (id) {
    case mnuClose:
      mnuCloseClick();
      return true;
    case mnuExitWithoutSave:
      mnuExitWithoutSaveClick();
      return true;
    case mnuAbout:
      mnuAboutClick();
      return true;
    case mnuNewFile:
      mnuNewFileClick();
      return true;
    case mnuSetMemoFile:
      mnuSetMemoFileClick();
      return true;
    case mnuReload:
      ReloadDocument();
      return true;
    case mnuUpdateBackup:
      updateBackup();
      return true;
    case mnuRichText:
      mnuRichTextClick();
      return true;
    case mnuTabTop:
    case mnuTabBottom:
    case mnuTabLeft:
    case mnuTabRight:
      TabPositionClick(id - mnuTabTop);
      return true;
    case mnuTabMoveTop:
    case mnuTabMovePrevious:
    case mnuTabMoveNext:
    case mnuTabMoveLast:
      TabMoveClick(id - mnuTabMoveTop);
      return true;
  }
  if (Action* a = ActionList1.find(id)) {
    if (!a->enabled || !a->onExecute) return false;
    a->onExecute();
    return true;
  }
  return false;
}

bool TfrmMain::HandleShortCut(ShortCut s) {
  if (!s) return false;
  // The main menu first: its first item with the key, in menu order.
  if (int id = findShortCut(mainMenuItems_, s)) {
    if (GetMenuState(MainMenu1.get(), static_cast<UINT>(id), MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) return true;
    // A command that has nothing to do yet leaves the key to the editor.
    return ExecuteCommand(id);
  }
  if (const Action* a = ActionList1.findShortCut(s)) return ExecuteCommand(a->id);
  return false;
}

bool TfrmMain::onAppMessage(MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  if (!handle() || !IsWindowEnabled(handle())) return false;  // a modal box or dialog is open
  if (msg.hwnd != handle() && !IsChild(handle(), msg.hwnd)) return false;
  WORD vk = static_cast<WORD>(msg.wParam);
  ShortCut s = shortCutOfKey(vk);
  if (HandleShortCut(s)) return true;
  // Alt + a menu title's letter drops that menu.
  if (msg.message == WM_SYSKEYDOWN && s == (shortCut(vk) | kAlt) &&
      ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')))
    return MenuBar1.DropDownMnemonic(static_cast<wchar_t>(vk));
  return false;
}

void TfrmMain::initMenuPopup(HMENU popup) {
  if (popup == GetSubMenu(MainMenu1.get(), 0)) mnuFileParentClick();
  if (popup == GetSubMenu(MainMenu1.get(), 4)) S2Click(popup);
  if (GetMenuItemID(popup, 0) == mnuTabTop) mnuShowDefaultClick(popup);
}

void TfrmMain::mnuCloseClick() { PostMessageW(handle(), WM_CLOSE, 0, 0); }

void TfrmMain::mnuExitWithoutSaveClick() {
  BackupOnExit = false;
  mnuCloseClick();
}

void TfrmMain::mnuFileParentClick() {
  EnableMenuItem(MainMenu1.get(), mnuExitWithoutSave, MF_BYCOMMAND | (NeedBackup ? MF_ENABLED : MF_GRAYED));
}

void TfrmMain::rceMemoChange() {
  if (filling_) return;
  // What the user writes into a tab that could not be loaded becomes its content.
  tabUnavailable_ = false;
  rceMemo.setModified(true);
  setActionEnabled(actUndo, rceMemo.canUndo());
}

void TfrmMain::mnuAboutClick() { shared::showAbout(handle()); }

void TfrmMain::fldDropFileDrop(int, const std::vector<std::string>&, int, int) {
  // What a drop does (open as tabs or insert) comes with the insert commands.
}

}  // namespace memo
