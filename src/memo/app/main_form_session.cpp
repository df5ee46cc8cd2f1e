// The memo window's tab session and its File menu: the session is given the editor, the strip,
// the settings and what stays the window's (its dialogs, status line, layout and the editor's
// look), and the areas that work on it are made; closing and leaving without a backup are the
// window's own.

#include <windows.h>

#include "memo/app/main_form.h"
#include "memo/chrome/commands.h"
#include "memo/dialogs/memo_file_dialog.h"
#include "memo/dialogs/new_wizard.h"
#include "memo/document/document_watch.h"
#include "memo/document/tab_session.h"
#include "memo/insert/insert_commands.h"

namespace memo {

void TfrmMain::connectDocument() {
  auto window = [this] { return handle(); };
  auto showStatus = [this](const std::string& text) { ShowStatusMessage(text); };
  TabSession::Host host{
      .window = window,
      .chooseSaveFile =
          [this](const std::string& title, const std::string& filter, const std::string& fileName,
                 const std::string& defExt) { return chooseSaveFile(handle(), title, filter, fileName, defExt); },
      .chooseMemoFile = [this](const std::string& current) { return chooseMemoFile(handle(), current); },
      .chooseNewDocument =
          [this](const std::string& prefill) {
            TfrmNewWizard wizard(handle());
            wizard.State.FileName = prefill;
            return wizard.Execute();
          },
      .editorRoom = [this] { return EditorRoom(); },
      .showStatus = showStatus,
      .layout = [this] { layout(); },
      .closing = [this] { return closing_; },
      .plainMode = [this] { return PlainMode; },
      .showContent =
          [this](const std::string& content, bool plain) {
            PlainMode = plain;
            loadTabContent(content);
          },
      .showFormat = [this](bool plain) { enableFormatActions(!plain); },
      .refilled = [this] { setActionEnabled(actUndo, rceMemo.canUndo()); },
  };
  session_ = std::make_unique<TabSession>(rceMemo, tbcMemo, Settings, std::move(host));
  insert_ = std::make_unique<InsertCommands>(rceMemo, *session_, Settings,
                                             InsertCommands::Host{.window = window, .showStatus = showStatus});
  watch_ = std::make_unique<DocumentWatch>(
      *session_, rceMemo, Settings, DocumentWatch::Host{window, [this] { return compositionPending(); }, showStatus});
}

void TfrmMain::bindFileCommands() {
  session_->bindCommands(commands_);
  onCommand(mnuExitWithoutSave, [this] { mnuExitWithoutSaveClick(); });
  onCommand(mnuClose, [this] { mnuCloseClick(); });
  onMenuPopup([this](HMENU popup) {
    if (popup == GetSubMenu(MainMenu1.get(), 0)) mnuFileParentClick();
  });
}

void TfrmMain::mnuCloseClick() { PostMessageW(handle(), WM_CLOSE, 0, 0); }

void TfrmMain::mnuExitWithoutSaveClick() {
  BackupOnExit = false;
  mnuCloseClick();
}

void TfrmMain::mnuFileParentClick() {
  EnableMenuItem(MainMenu1.get(), mnuExitWithoutSave, MF_BYCOMMAND | (Settings.NeedBackup ? MF_ENABLED : MF_GRAYED));
}

}  // namespace memo
