// The settings dialog from the memo window (F10): the settings and the tab names go in, and on
// OK the tab list is applied, then the settings come back; the settings are saved after OK and
// Cancel alike. A rename inside the dialog reaches the document at once.
#include <windows.h>

#include "base/text.h"
#include "memo/app/main_form.h"
#include "memo/chrome/commands.h"

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
    return saveShownTab() && MemoMan.RenameTab(oldName, newName);
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
  d.Format = MemoMan.DocumentType == kTypeII ? DocFormat::TypeII : DocFormat::TypeIII;
  d.DocumentTabs = tabNames();
  d.setTabNames(tabNames());
  d.setTabPosition(Settings.TabPosition);
  d.chkUrl.setChecked(Settings.UseUrl);
  d.chkEmail.setChecked(Settings.UseEmail);
  d.chkLocal.setChecked(Settings.UseLocal);
  d.chkHotLink.setChecked(Settings.HotLink);
  d.chkUseDrop.setChecked(Settings.DropAccept);
  d.chkAutoOpenText.setChecked(Settings.AutoOpenText);
  d.setReloadOption(Settings.ReloadOption);
  d.chkFEPOnWhenStart.setChecked(Settings.FEPOnWhenStart);
  d.chkCreateBackup.setChecked(Settings.NeedBackup);
  d.setDateFormat(Settings.InsertDateType);
  d.setTimeFormat(Settings.InsertTimeType);
  d.chkForceFix.setChecked(Settings.ForceFix);
  d.edtSeparatedHeader.setText(MemoMan.SeparatedHeader);
}

bool TfrmMain::configFromDialog(TfrmConfig& d) {
  // Nothing of the settings changes while the tab list is refused: the dialog stays open.
  if (!ApplyTabList(d.tabNames())) return false;
  if (d.tabPosition() != Settings.TabPosition)
    AskUser(d.handle(), "タブの位置の変更は，次回起動時に反映されます"_sj, "タブの位置変更について"_sj,
            MB_OK | MB_ICONINFORMATION);
  Settings.TabPosition = d.tabPosition();
  Settings.UseUrl = d.chkUrl.checked();
  Settings.UseEmail = d.chkEmail.checked();
  Settings.UseLocal = d.chkLocal.checked();
  Settings.HotLink = d.chkHotLink.checked();
  Settings.DropAccept = d.chkUseDrop.checked();
  if (fldDrop) fldDrop->SetAccept(Settings.DropAccept);
  Settings.AutoOpenText = d.chkAutoOpenText.checked();
  Settings.ReloadOption = static_cast<uint8_t>(d.reloadOption());
  Settings.FEPOnWhenStart = d.chkFEPOnWhenStart.checked();
  Settings.NeedBackup = d.chkCreateBackup.checked();
  Settings.ForceFix = d.chkForceFix.checked();
  Settings.SeparatedHeader = d.edtSeparatedHeader.text();
  MemoMan.SeparatedHeader = Settings.SeparatedHeader;
  Settings.InsertDateType = d.dateFormat();
  Settings.InsertTimeType = d.timeFormat();
  return true;
}

}  // namespace memo
