// The settings dialog's page "ランチャ": the launcher list the user builds and orders, the detail
// group in which one item is edited, and the menu's common icon and access-key settings. The list
// is the working copy; the registry changes when the dialog applies.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/handles.h"
#include "clock/launcher/launch_file.h"
#include "clock/config/config_page.h"
#include "ui/dnd_list_view.h"
#include "shared/file_drop.h"
#include "ui/controls.h"
#include "ui/tooltip.h"
#include "ui/up_down.h"

namespace tockle {

// Command ids of the page's pop-up menus.
enum LaunchMenuCommand : UINT {
  mnuLaunchAdd = 1,
  mnuLaunchEdit,
  mnuLaunchTestStart,
  mnuLaunchHelp,
  mnuRegFolder = 10,
  // + the special folder's tag (1 to 5)
  mnuSpecialFolderBase = 20,
};

// The special folders of the path menu by tag (1 to 5): their CSIDL; -1 for any other tag.
int launchSpecialFolder(int tag);

class TLauncherPage : public TConfigPage {
 public:
  explicit TLauncherPage(TfrmConfig& config);

  ui::TKzDnDListView lsvLaunch;
  ui::Button btnNewApp, btnEditApp, btnRowCut, btnLineCut, btnDelApp, btnUpApp, btnDownApp;
  ui::CheckBox chkDrawIcon;
  ui::Edit speIconSize;
  ui::UpDown udIconSize;
  ui::CheckBox chkNotAllocAccessKey;
  // The detail group.
  ui::Control grpAppInfo;
  ui::Edit edtAppName, edtAppPath, edtAppFolder;
  ui::ComboBox edtAppParam;
  ui::Button spbIcon, btnRegApp, btnCanApp, btnOpenFile, btnOpenPath, btnOpenFolder;
  ui::Label lblIconPath, lblIcon, lblSituation;
  std::unique_ptr<shared::TFileDrop> fldLaunch;

  // The icon picker, run modally (tests answer it): true with file and icon replaced on OK.
  std::function<bool(HWND owner, std::string& file, std::string& icon)> PickIconDialog;
  // Shows a pop-up menu at a screen point and answers the chosen command (0: none).
  std::function<UINT(HWND owner, HMENU menu, POINT at)> TrackMenu;

  void Load(ConfigStep step) override;
  bool Save(ConfigStep step) override;
  std::string PendingEdit() const override;
  bool RegisterPendingEdit() override;
  void DropPendingEdit() override;

  void LoadLaunchSettings();
  bool SaveLaunchSettings();
  // Turns a file, shortcut or folder (fileName), or the typed values, into an item: into the
  // detail group (toEditor) or as a new row in front of the selected one.
  void AddLaunchFile(TLaunchFile values, bool toEditor, const std::string& fileName);
  void UpdateIconButton();
  bool EditGroupOpen() const;
  // The row as an item (texts as shown).
  TLaunchFile Row(int row) const;

  // Handlers. Tags: New 0 / Edit 1; "[区切り]" 0 / "[行切り]" 1; Up 0 / Down 1.
  void btnNewAppClick(int tag);
  // False when the fields were refused (the group stays open with them).
  bool btnRegAppClick();
  // Refuses, with a box that says why, a path that is empty or names a file or folder that is not
  // there; gives an empty name the file's or folder's name.
  bool CheckEditFields();
  void btnCanAppClick();
  void btnRowCutClick(int tag);
  void btnDelAppClick();
  void btnDownAppClick(int tag);
  void lsvLaunchKeyDown(WORD key);
  bool lsvLaunchEditing(int row);
  bool lsvLaunchEdited(int row, const std::optional<std::string>& text);
  void btnOpenFileClick(const std::string& initialFolder = {});
  void btnOpenPathClick();
  void mnuRegFolderClick();
  void OpenLaunchSpecialFolder(int tag);
  void btnOpenFolderClick();
  void spbIconClick();
  void edtAppPathChange();
  void mnuTestStartClick();
  void fldLaunchFileDrop(const std::vector<std::string>& files);
  // The list's pop-up menu and the path button's menu, and what their entries do.
  base::Menu ppmLaunchMenu() const;
  base::Menu ppmLaunchOpenMenu() const;
  void MenuCommand(UINT id);

 private:
  void FormCreate();
  void ShowEditGroup(bool on);
  void InsertRow(const TLaunchFile& item);
  void SetEditFields(const TLaunchFile& item);
  base::GdiBitmap iconPicture_;
  bool editGroupOpen_ = false;
  ui::Tooltip hints;
};

}  // namespace tockle
