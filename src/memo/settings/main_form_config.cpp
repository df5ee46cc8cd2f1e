// The settings dialog from the memo window (F10): the settings and the tab names go in, and on
// OK the tab list is applied, then the settings come back; the settings are saved after OK and
// Cancel alike. A rename inside the dialog reaches the document at once.
#include <windows.h>

#include "base/text.h"
#include "memo/app/main_form.h"
#include "memo/chrome/commands.h"
#include "memo/document/tab_session.h"

namespace memo {

void TfrmMain::bindConfigCommands() {
  onCommand(mnuConfig, [this] { mnuConfigClick(); });
}

void TfrmMain::mnuConfigClick() {
  ShowStatusMessage("環境設定ウインドウを開いています -> Creating Window"_sj);
  TfrmConfig dialog(handle());
  setUpConfig(dialog);
  dialog.showModal();
  SaveSettings();
}

void TfrmMain::setUpConfig(TfrmConfig& dialog) {
  dialog.InputQuery = InputQuery;
  dialog.AskUser = [this, &dialog](std::string_view text, std::string_view caption, UINT flags) {
    return AskUser(dialog.handle(), text, caption, flags);
  };
  dialog.RenameTab = [this](const std::string& oldName, const std::string& newName) {
    // The rename refills the strip: the shown tab's edits go into the document first.
    return session_->saveShownTab() && session_->manager().RenameTab(oldName, newName);
  };
  dialog.OnApply = [this, &dialog] { return configFromDialog(dialog); };
  dialog.ShowHelp = [this](UINT command, ULONG_PTR context) { ShowHelp(command, context); };
  auto created = dialog.onCreate;
  dialog.onCreate = [this, &dialog, created] {
    if (created) created();
    configToDialog(dialog);
  };
}

void TfrmMain::configToDialog(TfrmConfig& d) {
  d.Format = session_->manager().DocumentType == kTypeII ? DocFormat::TypeII : DocFormat::TypeIII;
  d.DocumentTabs = session_->tabNames();
  d.setTabNames(session_->tabNames());
  d.setTabPosition(TabPosition);
  d.chkUrl.setChecked(UseUrl);
  d.chkEmail.setChecked(UseEmail);
  d.chkLocal.setChecked(UseLocal);
  d.chkHotLink.setChecked(HotLink);
  d.chkUseDrop.setChecked(DropAccept);
  d.chkAutoOpenText.setChecked(AutoOpenText);
  d.setReloadOption(ReloadOption);
  d.chkFEPOnWhenStart.setChecked(FEPOnWhenStart);
  d.chkCreateBackup.setChecked(NeedBackup);
  d.setDateFormat(InsertDateType);
  d.setTimeFormat(InsertTimeType);
  d.chkForceFix.setChecked(ForceFix);
  d.edtSeparatedHeader.setText(session_->manager().SeparatedHeader);
}

bool TfrmMain::configFromDialog(TfrmConfig& d) {
  // Nothing of the settings changes while the tab list is refused: the dialog stays open.
  if (!session_->ApplyTabList(d.tabNames())) return false;
  if (d.tabPosition() != TabPosition)
    AskUser(d.handle(), "タブの位置の変更は，次回起動時に反映されます"_sj, "タブの位置変更について"_sj,
            MB_OK | MB_ICONINFORMATION);
  TabPosition = d.tabPosition();
  UseUrl = d.chkUrl.checked();
  UseEmail = d.chkEmail.checked();
  UseLocal = d.chkLocal.checked();
  HotLink = d.chkHotLink.checked();
  DropAccept = d.chkUseDrop.checked();
  if (fldDrop) fldDrop->SetAccept(DropAccept);
  AutoOpenText = d.chkAutoOpenText.checked();
  ReloadOption = static_cast<uint8_t>(d.reloadOption());
  FEPOnWhenStart = d.chkFEPOnWhenStart.checked();
  NeedBackup = d.chkCreateBackup.checked();
  ForceFix = d.chkForceFix.checked();
  SeparatedHeader = d.edtSeparatedHeader.text();
  session_->manager().SeparatedHeader = SeparatedHeader;
  InsertDateType = d.dateFormat();
  InsertTimeType = d.timeFormat();
  return true;
}

}  // namespace memo
