// The launcher page's detail group: new and edited items, the files, shortcuts and folders chosen
// or dropped for them, and the icon choice.
#include "base/files.h"
#include "base/text.h"
#include "clock/commands/execute_apps.h"
#include "clock/launcher/app_icon.h"
#include "clock/launcher/launch_file.h"
#include "clock/launcher/launch_items.h"
#include "clock/config/config_dialog.h"
#include "clock/config/pages/launcher_page.h"
#include "shared/prompts.h"
#include "shared/shortcut_file.h"
#include "ui/common_dialogs.h"

namespace tockle {

namespace {

constexpr char kNew[] = "NEW";
constexpr char kEdit[] = "EDIT";

}  // namespace

bool TLauncherPage::EditGroupOpen() const { return editGroupOpen_; }

void TLauncherPage::ShowEditGroup(bool on) {
  editGroupOpen_ = on;
  for (ui::Control* c : std::initializer_list<ui::Control*>{&lsvLaunch, &btnNewApp, &btnEditApp, &btnRowCut,
                                                            &btnLineCut, &btnDelApp, &btnUpApp, &btnDownApp})
    c->setVisible(!on);
  for (int id = grpAppInfo.id(); id < lblIconPath.id(); ++id)
    if (HWND h = GetDlgItem(handle(), id)) ShowWindow(h, on ? SW_SHOW : SW_HIDE);
  if (on) {
    Config.SetEditButtons(&btnRegApp, &btnCanApp);
    edtAppName.setFocus();
  } else {
    Config.SetEditButtons(nullptr, nullptr);
    lsvLaunch.setFocus();
  }
}

void TLauncherPage::SetEditFields(const TLaunchFile& item) {
  edtAppName.setText(item.Name);
  // The path's change resets the icon choice: the icon fields come after it.
  edtAppPath.setText(item.Path);
  edtAppFolder.setText(item.Folder);
  edtAppParam.setText(item.Params);
  lblIconPath.setText(item.IconPath);
  lblIcon.setText(item.IconNumber);
}

void TLauncherPage::btnNewAppClick(int tag) {
  if (tag == 1) {
    int row = lsvLaunch.selectedIndex();
    if (row < 0 || lsvLaunch.itemText(row) == kSeparatorName) return;
    spbIcon.send(BM_SETIMAGE, IMAGE_BITMAP, 0);
    iconPicture_.reset();
    SetEditFields(Row(row));
    lblSituation.setText(kEdit);
    UpdateIconButton();
  } else {
    spbIcon.send(BM_SETIMAGE, IMAGE_BITMAP, 0);
    iconPicture_.reset();
    SetEditFields({});
    lblSituation.setText(kNew);
  }
  ShowEditGroup(true);
}

bool TLauncherPage::CheckEditFields() {
  // What could never start is refused with the reason; the group stays open with what was typed.
  std::string problem;
  if (base::trim(edtAppPath.text()).empty())
    problem = "パスが指定されていません\r\n起動するファイルかフォルダのパスを入れて下さい"_sj;
  else if (std::string missing = missingLaunchPath(edtAppPath.text()); !missing.empty())
    problem = missing + " が見つかりません\r\nパスを確認して下さい"_sj;
  if (!problem.empty()) {
    shared::prompts().ask(handle(), problem, "ランチャの登録"_sj, MB_OK | MB_ICONWARNING);
    edtAppPath.setFocus();
    return false;
  }
  // A nameless entry would be invisible in the menu: it takes its file's or folder's name.
  if (base::trim(edtAppName.text()).empty()) edtAppName.setText(launchItemName(edtAppPath.text()));
  return true;
}

bool TLauncherPage::btnRegAppClick() {
  if (!CheckEditFields()) return false;
  if (lblSituation.text() == kEdit) {
    int row = lsvLaunch.selectedIndex();
    if (row >= 0) {
      lsvLaunch.setItemText(row, 0, edtAppName.text());
      const std::string texts[] = {edtAppPath.text(), edtAppFolder.text(), edtAppParam.text(), lblIconPath.text(),
                                   lblIcon.text()};
      for (int c = 0; c < 5; ++c) lsvLaunch.setItemText(row, c + 1, texts[c]);
    }
  } else {
    AddLaunchFile({edtAppName.text(), edtAppPath.text(), edtAppFolder.text(), edtAppParam.text(), lblIconPath.text(),
                   lblIcon.text()},
                  false, {});
  }
  ShowEditGroup(false);
  SetChanged(cpLauncher);
  return true;
}

void TLauncherPage::btnCanAppClick() { ShowEditGroup(false); }

std::string TLauncherPage::PendingEdit() const {
  if (!EditGroupOpen()) return {};
  return "ランチャのアイテム "_sj + edtAppName.text() + " がまだ未確定です"_sj;
}

bool TLauncherPage::RegisterPendingEdit() { return btnRegAppClick(); }

void TLauncherPage::DropPendingEdit() { btnCanAppClick(); }

void TLauncherPage::AddLaunchFile(TLaunchFile values, bool toEditor, const std::string& fileName) {
  TLaunchFile item = resolveLaunchFile(std::move(values), fileName);
  if (!toEditor) {
    InsertRow(item);
    SetChanged(cpLauncher);
    return;
  }
  // A path already in the editor may take the new one beside it, as a second program to start.
  if (!edtAppPath.text().empty() &&
      shared::prompts().ask(handle(),
                            "指定したアイテムを同時起動として追加しますか？\r\n[いいえ] を押すと，置き換えます"_sj,
                            "同時起動設定"_sj, MB_YESNO | MB_ICONQUESTION) == IDYES) {
    edtAppPath.setText(edtAppPath.text() + ";" + item.Path);
    return;
  }
  SetEditFields({base::trim(item.Name), base::trim(item.Path), base::trim(item.Folder), base::trim(item.Params),
                 base::trim(item.IconPath), base::trim(item.IconNumber)});
  UpdateIconButton();
}

void TLauncherPage::UpdateIconButton() {
  TKzGetAppIcon reader;
  std::string source = lblIconPath.text();
  reader.SetFileName(base::fileExists(source) ? source : edtAppPath.text());
  if (reader.IconCount < 1) return;
  reader.SetBackColor(ui::systemColor(COLOR_BTNFACE));
  reader.SetIconSize(32);
  long long number = 0;
  base::parseInt(lblIcon.text(), number);
  reader.GetIcon(number >= 0 && number <= INT32_MAX ? static_cast<int>(number) : 0);
  iconPicture_ = reader.CopyBitmap();
  spbIcon.send(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(iconPicture_.get()));
}

void TLauncherPage::edtAppPathChange() {
  std::string path = edtAppPath.text();
  if (!base::fileExists(path)) return;
  lblIconPath.setText(path);
  lblIcon.setText("0");
  UpdateIconButton();
  if (!base::folderExists(edtAppFolder.text())) edtAppFolder.setText(entryFolder(path));
}

void TLauncherPage::btnOpenFileClick(const std::string& initialFolder) {
  ui::FileDialogArgs args;
  args.title = "ファイルの指定"_sj;
  args.filter =
      "Windows アプリケーション(*.exe;*.com)|*.exe;*.com|DOS アプリケーション(*.pif;*.bat)|*.pif;*.bat|全てのファイル(*.*)|*.*"_sj;
  args.flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NODEREFERENCELINKS | OFN_ENABLESIZING;
  args.initialDir = initialFolder;
  if (base::fileExists(edtAppPath.text())) args.fileName = edtAppPath.text();
  if (ui::commonDialogs().openFile(handle(), args)) AddLaunchFile({}, true, args.fileName);
}

void TLauncherPage::OpenLaunchSpecialFolder(int tag) {
  int csidl = launchSpecialFolder(tag);
  if (csidl < 0) return;
  btnOpenFileClick(shared::TKzShortCutOperation::SpecialFolderPath(csidl));
}

void TLauncherPage::mnuRegFolderClick() {
  std::string folder;
  if (ui::commonDialogs().browseFolder(handle(), "追加フォルダの選択"_sj, folder)) AddLaunchFile({}, true, folder);
}

void TLauncherPage::btnOpenFolderClick() {
  std::string folder;
  if (ui::commonDialogs().browseFolder(handle(), "フォルダの選択"_sj, folder)) edtAppFolder.setText(folder);
}

void TLauncherPage::spbIconClick() {
  std::string file = lblIconPath.text().empty() ? edtAppPath.text() : lblIconPath.text();
  std::string icon = lblIcon.text().empty() ? "0" : lblIcon.text();
  if (!PickIconDialog || !PickIconDialog(handle(), file, icon)) return;
  lblIconPath.setText(file);
  lblIcon.setText(icon);
  UpdateIconButton();
}

void TLauncherPage::fldLaunchFileDrop(const std::vector<std::string>& files) {
  if (files.size() == 1) {
    SetEditFields({});
    AddLaunchFile({}, true, files.front());
    lblSituation.setText(kNew);
    ShowEditGroup(true);
    return;
  }
  for (const std::string& file : files) AddLaunchFile({}, false, file);
}

}  // namespace tockle
