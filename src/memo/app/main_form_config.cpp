// The settings dialog from the memo window (F10): the settings and the tab names go in as a
// value; on OK the tab list of the value coming back is applied, then its settings. The settings
// are saved after OK and Cancel alike. A rename inside the dialog reaches the document at once.
#include <windows.h>

#include "base/text.h"
#include "memo/app/main_form.h"
#include "memo/chrome/commands.h"
#include "memo/document/tab_session.h"
#include "shared/prompts.h"

namespace memo {

void TfrmMain::bindConfigCommands() {
  onCommand(mnuConfig, [this] { mnuConfigClick(); });
}

void TfrmMain::mnuConfigClick() {
  ShowStatusMessage("環境設定ウインドウを開いています -> Creating Window"_sj);
  TfrmConfig dialog(handle(), configValue());
  setUpConfig(dialog);
  dialog.showModal();
  SaveSettings();
}

MemoConfig TfrmMain::configValue() const {
  MemoConfig value{Settings, session_->tabNames(),
                   session_->manager().DocumentType == kTypeII ? DocFormat::TypeII : DocFormat::TypeIII};
  value.Settings.SeparatedHeader = session_->manager().SeparatedHeader;
  return value;
}

void TfrmMain::setUpConfig(TfrmConfig& dialog) {
  dialog.RenameTab = [this](const std::string& oldName, const std::string& newName) {
    // The rename refills the strip: the shown tab's edits go into the document first.
    return session_->saveShownTab() && session_->manager().RenameTab(oldName, newName);
  };
  dialog.OnApply = [this, &dialog](const MemoConfig& value) { return applyConfig(value, dialog.handle()); };
  dialog.ShowHelp = [this](UINT command, ULONG_PTR context) { ShowHelp(command, context); };
}

bool TfrmMain::applyConfig(const MemoConfig& value, HWND dialog) {
  // Nothing of the settings changes while the tab list is refused: the dialog stays open.
  if (!session_->ApplyTabList(value.Tabs)) return false;
  if (value.Settings.TabPosition != Settings.TabPosition)
    shared::prompts().ask(dialog, "タブの位置の変更は，次回起動時に反映されます"_sj, "タブの位置変更について"_sj,
                          MB_OK | MB_ICONINFORMATION);
  copyDialogSettings(value.Settings, Settings);
  if (fldDrop) fldDrop->SetAccept(Settings.DropAccept);
  session_->manager().SeparatedHeader = Settings.SeparatedHeader;
  return true;
}

}  // namespace memo
