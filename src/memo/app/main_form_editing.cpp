// The editing commands of the memo window: clipboard, undo, select all, the selection's change
// (its format mirrored by the format state), the View toggles, HotLink and the document format
// conversion.
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include "base/text.h"
#include "memo/app/main_form.h"
#include "memo/chrome/commands.h"
#include "memo/document/tab_session.h"
#include "memo/editor/format_state.h"
#include "shared/prompts.h"

namespace memo {

void TfrmMain::bindEditingCommands() {
  onCommand(actUndo, [this] {
    if (rceMemo.canUndo()) rceMemo.undo();
  });
  onCommand(actCut, [this] { rceMemo.cut(); });
  onCommand(actCopy, [this] { SendMessageW(rceMemo.handle(), WM_COPY, 0, 0); });
  onCommand(actPaste, [this] { rceMemo.paste(); });
  onCommand(actDelete, [this] { rceMemo.deleteSelection(); });
  onCommand(mnuSelectAll, [this] { SendMessageW(rceMemo.handle(), EM_SETSEL, 0, -1); });
  onCommand(mnuShowToolBar, [this] { mnuShowToolClick(); });
  onCommand(mnuShowStatusBar, [this] { mnuShowStatusClick(); });
  onCommand(mnuHotLink, [this] { Settings.HotLink = !Settings.HotLink; });
  onCommand(mnuType2, [this] { ConverterClick(0); });
  onCommand(mnuType3, [this] { ConverterClick(1); });
  onMenuPopup([this](HMENU popup) {
    if (popup == GetSubMenu(MainMenu1.get(), 2)) {  // View
      CheckMenuItem(popup, mnuShowToolBar, MF_BYCOMMAND | (Settings.ToolBar ? MF_CHECKED : MF_UNCHECKED));
      CheckMenuItem(popup, mnuShowStatusBar, MF_BYCOMMAND | (Settings.StatusBar ? MF_CHECKED : MF_UNCHECKED));
    } else if (popup == ppmMemo.get()) {
      CheckMenuItem(popup, mnuRichText, MF_BYCOMMAND | (PlainMode ? MF_UNCHECKED : MF_CHECKED));
    } else if (GetMenuState(popup, mnuType2, MF_BYCOMMAND) != static_cast<UINT>(-1)) {  // File, Format
      int checked = session_->manager().DocumentType == kTypeII ? mnuType2 : mnuType3;
      CheckMenuRadioItem(popup, mnuType2, mnuType3, static_cast<UINT>(checked), MF_BYCOMMAND);
    }
  });
}

void TfrmMain::rceMemoSelectionChange() {
  setActionEnabled(actUndo, rceMemo.canUndo());
  format_->rceMemoSelectionChange();
  ShowCaretPosition();
}

void TfrmMain::mnuShowToolClick() {
  Settings.ToolBar = !Settings.ToolBar;
  showToolBars(Settings.ToolBar);
  layout();
}

void TfrmMain::mnuShowStatusClick() {
  Settings.StatusBar = !Settings.StatusBar;
  stbMemo.setVisible(Settings.StatusBar);
  layout();
}

void TfrmMain::ConverterClick(int tag) {
  bool toTypeII = tag == 0;
  if ((session_->manager().DocumentType == kTypeII) == toTypeII) return;
  if (shared::prompts().ask(handle(), "Taveloフォーマットを変換(コンバート)します。よろしいですか？"_sj,
                            "フォーマット変換"_sj, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
    return;
  // The shown tab's edits go into the document before it changes form.
  session_->saveShownTab();
  session_->manager().ConvertFormat(Settings.MemoFile, toTypeII, true);
  session_->ReloadDocument();
}

}  // namespace memo
