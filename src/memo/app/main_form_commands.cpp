// The memo window's commands: menus, actions, tool buttons and shortcuts meet here; each file of
// the window binds its own handlers, each area its own.

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "base/text.h"
#include "memo/app/main_form.h"
#include "memo/chrome/commands.h"
#include "memo/clock_link/clock_link.h"
#include "memo/document/document_watch.h"
#include "memo/editor/format_state.h"
#include "memo/find/tab_find.h"
#include "memo/insert/insert_commands.h"
#include "memo/link/tab_links.h"
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

void TfrmMain::bindCommands() {
  bindFileCommands();
  format_->bindCommands(commands_);
  bindFormatCommands();
  bindEditingCommands();
  bindSettingsCommands();
  bindHelpCommands();
  links_->bindCommands(commands_);
  find_->bindCommands(commands_);
  insert_->bindCommands(commands_);
  watch_->bindCommands(commands_);
  clockLink_->bindCommands(commands_);
  bindConfigCommands();
  for (const Action& a : ActionList1.all()) updateAction(a.id);
}

void TfrmMain::onCommand(int id, std::function<void()> run) { commands_.on(id, std::move(run)); }

void TfrmMain::onCommandRange(int first, int last, std::function<void(int offset)> run) {
  commands_.onRange(first, last, std::move(run));
}

void TfrmMain::onMenuPopup(std::function<void(HMENU)> hook) { commands_.onMenuPopup(std::move(hook)); }

void TfrmMain::updateAction(int id) {
  const Action* a = ActionList1.find(id);
  if (!a) return;
  UINT state = MF_BYCOMMAND | (a->enabled ? MF_ENABLED : MF_GRAYED);
  for (HMENU m : {MainMenu1.get(), ppmTab.get(), ppmMemo.get()}) EnableMenuItem(m, static_cast<UINT>(id), state);
  for (const ui::Control* bar : {&ToolBar1, &ToolBar2})
    if (bar->handle()) bar->send(TB_ENABLEBUTTON, static_cast<WPARAM>(id), MAKELPARAM(a->enabled, 0));
}

void TfrmMain::setActionEnabled(int id, bool on) {
  if (Action* a = ActionList1.find(id); a && a->enabled != on) {
    a->enabled = on;
    updateAction(id);
  }
}

bool TfrmMain::ExecuteCommand(int id) {
  // An action's command (its menu items, tool buttons and shortcut alike) runs only while the
  // action is enabled.
  if (const Action* a = ActionList1.find(id); a && !a->enabled) return false;
  return commands_.run(id);
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
  ShortCut s = ui::shortCutOfKey(vk);
  if (HandleShortCut(s)) return true;
  // Alt + a menu title's letter drops that menu.
  if (msg.message == WM_SYSKEYDOWN && s == (shortCut(vk) | kAlt) &&
      ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')))
    return MenuBar1.DropDownMnemonic(static_cast<wchar_t>(vk));
  return false;
}

void TfrmMain::initMenuPopup(HMENU popup) { commands_.menuOpening(popup); }

}  // namespace memo
