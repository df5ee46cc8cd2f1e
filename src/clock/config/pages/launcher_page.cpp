#include "clock/config/pages/launcher_page.h"

#include <shlobj.h>

#include <algorithm>

#include "base/text.h"
#include "clock/config/config_host.h"
#include "clock/launcher/icon_set.h"
#include "clock/launcher/launch_items.h"
#include "clock/config/config_dialog.h"
#include "clock/config/pages/launcher_page_ids.h"
#include "clock/lists/drop_place.h"
#include "shared/prompts.h"
#include "shared/reg_ex.h"
#include "ui/popup_menu.h"

namespace tockle {

namespace {

bool isSeparatorPath(const std::string& path) { return path == rowCutMarker() || path == lineCutMarker(); }

}  // namespace

int launchSpecialFolder(int tag) {
  static const int kFolders[] = {CSIDL_PROGRAMS, CSIDL_COMMON_PROGRAMS, CSIDL_STARTUP, CSIDL_COMMON_STARTUP,
                                 CSIDL_DESKTOP};
  return tag >= 1 && tag <= 5 ? kFolders[tag - 1] : -1;
}

TLauncherPage::TLauncherPage(TfrmConfig& config)
    : TConfigPage(config, tabLaunch, IDD_PAGE_LAUNCHER),
      lsvLaunch(this, IDC_LAUNCH_LIST, askDropAfterLast),
      btnNewApp(this, IDC_LAUNCH_NEW),
      btnEditApp(this, IDC_LAUNCH_EDIT),
      btnRowCut(this, IDC_LAUNCH_ROWCUT),
      btnLineCut(this, IDC_LAUNCH_LINECUT),
      btnDelApp(this, IDC_LAUNCH_DELETE),
      btnUpApp(this, IDC_LAUNCH_UP),
      btnDownApp(this, IDC_LAUNCH_DOWN),
      chkDrawIcon(this, IDC_LAUNCH_DRAWICON),
      speIconSize(this, IDC_LAUNCH_ICONSIZE),
      udIconSize(this, IDC_LAUNCH_ICONSIZE_UPDOWN),
      chkNotAllocAccessKey(this, IDC_LAUNCH_NOACCESSKEY),
      grpAppInfo(this, IDC_LAUNCH_GROUP),
      edtAppName(this, IDC_LAUNCH_NAME),
      edtAppPath(this, IDC_LAUNCH_PATH),
      edtAppFolder(this, IDC_LAUNCH_FOLDER),
      edtAppParam(this, IDC_LAUNCH_PARAM),
      spbIcon(this, IDC_LAUNCH_ICON),
      btnRegApp(this, IDC_LAUNCH_REGISTER),
      btnCanApp(this, IDC_LAUNCH_CANCEL),
      btnOpenFile(this, IDC_LAUNCH_OPENFILE),
      btnOpenPath(this, IDC_LAUNCH_OPENPATH),
      btnOpenFolder(this, IDC_LAUNCH_OPENFOLDER),
      lblIconPath(this, IDC_LAUNCH_ICONPATH),
      lblIcon(this, IDC_LAUNCH_ICONNUMBER),
      lblSituation(this, IDC_LAUNCH_SITUATION),
      PickIconDialog(PickIcon),
      TrackMenu(ui::trackPopupMenu) {
  onCreate = [this] { FormCreate(); };
  Config.KeepColumnWidths(lsvLaunch, "LaunchColumn");
  btnNewApp.onClick = [this] { btnNewAppClick(0); };
  btnEditApp.onClick = [this] { btnNewAppClick(1); };
  lsvLaunch.onDoubleClick = [this] { btnNewAppClick(1); };
  btnRegApp.onClick = [this] { btnRegAppClick(); };
  btnCanApp.onClick = [this] { btnCanAppClick(); };
  btnRowCut.onClick = [this] { btnRowCutClick(0); };
  btnLineCut.onClick = [this] { btnRowCutClick(1); };
  btnDelApp.onClick = [this] { btnDelAppClick(); };
  btnUpApp.onClick = [this] { btnDownAppClick(0); };
  btnDownApp.onClick = [this] { btnDownAppClick(1); };
  lsvLaunch.onKeyDown = [this](WORD key) { lsvLaunchKeyDown(key); };
  lsvLaunch.onBeginEdit = [this](int row) { return lsvLaunchEditing(row); };
  lsvLaunch.onEndEdit = [this](int row, const std::optional<std::string>& text) { return lsvLaunchEdited(row, text); };
  lsvLaunch.onExit = [this] { Config.SetInPlaceEdit(false); };
  lsvLaunch.OnDnDSuccess = [this] { SetChanged(cpLauncher); };
  lsvLaunch.onContextMenu = [this](POINT at) {
    base::Menu menu = ppmLaunchMenu();
    MenuCommand(TrackMenu(handle(), menu.get(), ui::contextMenuPoint(lsvLaunch.handle(), at)));
  };
  btnOpenFile.onClick = [this] { btnOpenFileClick(); };
  btnOpenPath.onClick = [this] { btnOpenPathClick(); };
  btnOpenFolder.onClick = [this] { btnOpenFolderClick(); };
  spbIcon.onClick = [this] { spbIconClick(); };
  edtAppPath.onChange = [this] { edtAppPathChange(); };
  // Each of the menu's common settings alone is a change of the launcher.
  chkDrawIcon.onClick = [this] { SetChanged(cpLauncher); };
  chkNotAllocAccessKey.onClick = [this] { SetChanged(cpLauncher); };
  speIconSize.onChange = [this] { SetChanged(cpLauncher); };
}

void TLauncherPage::FormCreate() {
  lsvLaunch.setExtendedStyle(LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  // Captions and design widths; the last two columns carry the icon choice, hidden.
  static const std::pair<const char*, int> kColumns[] = {{"名前", 80}, {"パス", 100},       {"実行フォルダ", 70},
                                                         {"引数", 60}, {"アイコンパス", 0}, {"アイコンID", 0}};
  for (auto [caption, width] : kColumns) lsvLaunch.addColumn(base::fromUtf8(caption), width);
  lsvLaunch.DnDThreshold = 0;
  lsvLaunch.SetTimerInterval(150);
  lsvLaunch.AcceptDnD = true;
  udIconSize.setBuddy(speIconSize.handle());
  udIconSize.setRange(0, kMaxDrawIconSize);
  hints.add(btnRowCut.handle(), "区切り挿入 (Ins)"_sj);
  hints.add(btnLineCut.handle(), "行切り挿入"_sj);
  hints.add(edtAppPath.handle(), "アプリケーションのパス(複数指定時 ; で区切る)"_sj);
  hints.add(spbIcon.handle(), "クリックするとアイコンを変更"_sj);
  hints.add(btnOpenPath.handle(), "フォルダ登録，及び特別なフォルダを開く"_sj);
  fldLaunch = std::make_unique<shared::TFileDrop>(handle());
  fldLaunch->OnFileDrop = [this](shared::TFileDrop&, int, const std::vector<std::string>& files, int, int) {
    fldLaunchFileDrop(files);
  };
  fldLaunch->SetControl(lsvLaunch.handle());
}

void TLauncherPage::Load(ConfigStep step) {
  if (step == ConfigStep::Launcher) LoadLaunchSettings();
}

bool TLauncherPage::Save(ConfigStep step) { return step != ConfigStep::Launcher || SaveLaunchSettings(); }

void TLauncherPage::LoadLaunchSettings() {
  SendMessageW(lsvLaunch.handle(), WM_SETREDRAW, FALSE, 0);
  lsvLaunch.clear();
  shared::TKzRegEx reg;
  if (reg.OpenKey(Config.RegistryKey, false))
    for (const TLaunchItem& item : ReadLaunchItems(reg))
      InsertRow({item.Name, item.Path, item.Folder, item.Param, item.IconPath, std::to_string(item.Icon)});
  SendMessageW(lsvLaunch.handle(), WM_SETREDRAW, TRUE, 0);
  const TClockSettings& s = Settings();
  chkDrawIcon.setChecked(s.DrawIcon);
  udIconSize.setPosition(std::clamp(s.DrawIconSize, 0, kMaxDrawIconSize));
  chkNotAllocAccessKey.setChecked(s.DiableAccessKey);
}

bool TLauncherPage::SaveLaunchSettings() {
  std::vector<TLaunchItem> items;
  for (int i = 0; i < lsvLaunch.count(); ++i) {
    TLaunchFile row = Row(i);
    if (row.IconNumber.empty()) {
      row.IconNumber = "0";
      lsvLaunch.setItemText(i, 5, row.IconNumber);
    }
    long long icon = 0;
    // An icon number that is no number counts as the first icon.
    if (!base::parseInt(row.IconNumber, icon) || icon < INT32_MIN || icon > INT32_MAX) icon = 0;
    items.push_back({row.Name, row.Path, row.Folder, row.Params, row.IconPath, static_cast<int>(icon)});
  }
  try {
    shared::TKzRegEx reg;
    if (!reg.OpenKey(Config.RegistryKey, true)) throw shared::ERegistryException("Cannot open " + Config.RegistryKey);
    WriteLaunchItems(reg, items);
  } catch (const shared::ERegistryException&) {
    shared::prompts().ask(handle(), "ランチャの設定をレジストリに保存できませんでした"_sj, "設定保存エラー"_sj,
                          MB_OK | MB_ICONERROR);
    return false;
  }
  TClockSettings& s = Settings();
  s.DrawIcon = chkDrawIcon.checked();
  s.DrawIconSize = std::clamp(speIconSize.number(), 0, kMaxDrawIconSize);
  s.DiableAccessKey = chkNotAllocAccessKey.checked();
  return true;
}

TLaunchFile TLauncherPage::Row(int row) const {
  return {lsvLaunch.itemText(row, 0), lsvLaunch.itemText(row, 1), lsvLaunch.itemText(row, 2),
          lsvLaunch.itemText(row, 3), lsvLaunch.itemText(row, 4), lsvLaunch.itemText(row, 5)};
}

void TLauncherPage::InsertRow(const TLaunchFile& item) {
  int at = lsvLaunch.selectedIndex();
  int row = lsvLaunch.insertItem(at < 0 ? lsvLaunch.count() : at, item.Name);
  const std::string* texts[] = {&item.Path, &item.Folder, &item.Params, &item.IconPath, &item.IconNumber};
  for (int c = 0; c < 5; ++c) lsvLaunch.setItemText(row, c + 1, *texts[c]);
}

void TLauncherPage::btnRowCutClick(int tag) {
  TLaunchItem cut = separatorItem(tag == 1);
  InsertRow({cut.Name, cut.Path, cut.Folder, cut.Param, "", ""});
  SetChanged(cpLauncher);
}

void TLauncherPage::btnDelAppClick() {
  int row = lsvLaunch.selectedIndex();
  if (row >= 0 && lsvLaunch.DeleteItem(row, false)) SetChanged(cpLauncher);
}

void TLauncherPage::btnDownAppClick(int tag) {
  int row = lsvLaunch.selectedIndex();
  if (row < 0) return;
  int moved = lsvLaunch.MoveItem(row, tag == 0 ? row - 1 : row + 2);
  lsvLaunch.setSelectedIndex(moved);
  SetChanged(cpLauncher);
}

void TLauncherPage::lsvLaunchKeyDown(WORD key) {
  if (lsvLaunch.editControl()) return;
  if (key == VK_INSERT) btnRowCutClick(0);
  if (key == VK_DELETE) btnDelAppClick();
  if (key == VK_F2 && lsvLaunch.selectedIndex() >= 0) lsvLaunch.editLabel(lsvLaunch.selectedIndex());
}

bool TLauncherPage::lsvLaunchEditing(int row) {
  if (lsvLaunch.itemText(row) == kSeparatorName) return false;
  Config.SetInPlaceEdit(true);
  return true;
}

bool TLauncherPage::lsvLaunchEdited(int, const std::optional<std::string>& text) {
  // An edit given up with Esc leaves Enter and Esc with the list until it loses the focus: the Esc
  // that ended the edit, or the next one, must not close the dialog and drop every page's edits.
  if (!text) return false;
  Config.SetInPlaceEdit(false);
  SetChanged(cpLauncher);
  return true;
}

void TLauncherPage::mnuTestStartClick() {
  int row = lsvLaunch.selectedIndex();
  if (row < 0) return;
  TLaunchFile item = Row(row);
  // Separator rows start nothing.
  if (isSeparatorPath(item.Path)) return;
  Host().executeApps(item.Path, item.Params, item.Folder);
}

base::Menu TLauncherPage::ppmLaunchMenu() const {
  return ui::popupMenu({{mnuLaunchAdd, "追加(&A)"_sj},
                        {mnuLaunchEdit, "編集(&E)"_sj},
                        {0, ""},
                        {mnuLaunchTestStart, "テスト起動(&T)"_sj},
                        {0, ""},
                        {mnuLaunchHelp, "ヘルプ(&H)"_sj}});
}

base::Menu TLauncherPage::ppmLaunchOpenMenu() const {
  return ui::popupMenu({{mnuRegFolder, "フォルダを登録(&F)"_sj},
                        {0, ""},
                        {mnuSpecialFolderBase + 1, "プログラム(&P)"_sj},
                        {mnuSpecialFolderBase + 2, "共有プログラム(&C)"_sj},
                        {mnuSpecialFolderBase + 3, "スタートアップ(&S)"_sj},
                        {mnuSpecialFolderBase + 4, "共有スタートアップ(&D)"_sj},
                        {mnuSpecialFolderBase + 5, "デスクトップ(&D)"_sj}});
}

void TLauncherPage::btnOpenPathClick() {
  RECT r{};
  GetWindowRect(btnOpenPath.handle(), &r);
  base::Menu menu = ppmLaunchOpenMenu();
  MenuCommand(TrackMenu(handle(), menu.get(), POINT{r.left, r.bottom}));
}

void TLauncherPage::MenuCommand(UINT id) {
  switch (id) {
    case mnuLaunchAdd:
      btnNewAppClick(0);
      break;
    case mnuLaunchEdit:
      btnNewAppClick(1);
      break;
    case mnuLaunchTestStart:
      mnuTestStartClick();
      break;
    case mnuLaunchHelp:
      Config.HelpPopup(kLauncherListHelpTopic);
      break;
    case mnuRegFolder:
      mnuRegFolderClick();
      break;
    default:
      if (launchSpecialFolder(static_cast<int>(id) - mnuSpecialFolderBase) >= 0)
        OpenLaunchSpecialFolder(static_cast<int>(id) - mnuSpecialFolderBase);
      break;
  }
}

}  // namespace tockle
