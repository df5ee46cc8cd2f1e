// The memo window's tab session and its File menu: the session is given the editor, the strip,
// the settings and what stays the window's (its boxes, status line, layout and the editor's look);
// closing and leaving without a backup are the window's own.

#include <windows.h>

#include "memo/app/main_form.h"
#include "memo/chrome/commands.h"
#include "memo/document/tab_session.h"
#include "shared/prompts.h"
#include "memo/dialogs/memo_file_dialog.h"

namespace memo {

void TfrmMain::connectDocument() {
  TabSessionHost host{
      .owner = [this] { return handle(); },
      .ask = [this](std::string_view text, std::string_view caption,
                    UINT flags) { return shared::prompts().ask(handle(), text, caption, flags); },
      .inputQuery = [this](
                        const std::string& caption, const std::string& prompt,
                        std::string& value) { return shared::prompts().inputQuery(handle(), caption, prompt, value); },
      .chooseSaveFile =
          [this](const std::string& title, const std::string& filter, const std::string& fileName,
                 const std::string& defExt) { return chooseSaveFile(handle(), title, filter, fileName, defExt); },
      .editorRoom = [this] { return EditorRoom(); },
      .showStatus = [this](const std::string& text) { ShowStatusMessage(text); },
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
