// The settings dialog's page "システム": the system menu editor. The menu's tree on the left,
// the commands of the command list on the right, buttons between them; entries are added by
// button or dragged from the list, moved by dragging inside the tree, renamed in place.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "clock/commands/menu_icons.h"
#include "clock/config/config_page.h"
#include "clock/config/pages/system_menu_tree.h"
#include "clock/config/pages/system_page_ids.h"
#include "ui/list_view.h"
#include "ui/tooltip.h"
#include "ui/tree_view.h"

namespace tockle {

class TSystemPage : public TConfigPage {
 public:
  explicit TSystemPage(TfrmConfig& config);

  ui::TreeView trvSystem{this, IDC_SYSTEM_TREE};
  ui::ListView lsvCommands{this, IDC_SYSTEM_COMMANDS};
  ui::Button btnAllocSys{this, IDC_SYSTEM_ALLOC}, btnDeleteSys{this, IDC_SYSTEM_DELETE},
      btnEditSys{this, IDC_SYSTEM_EDIT}, btnSubSys{this, IDC_SYSTEM_SUB}, btnSepSys{this, IDC_SYSTEM_SEP},
      btnDefaultSys{this, IDC_SYSTEM_DEFAULT};
  // The SystemIcon setting, loaded and saved in the general step.
  ui::CheckBox chkSystemIcon{this, IDC_SYSTEM_ICON};
  TSystemMenuTree Menu{trvSystem};

  // Opens the drop menu at a screen point and answers the chosen place's tag, -1 when none was
  // chosen (tests answer it). Without children only "before" and "behind" are offered.
  std::function<int(POINT screen, bool children)> ChooseDropPlace;

  // CommandList: the command list; SystemMenu: the tree from "_system3", or the default menu,
  // written at once, when the file is missing.
  void Load(ConfigStep step) override;
  bool Save(ConfigStep step) override;

  // The tree := the default menu of "_command"; false when the file is gone (the program ends).
  bool BuildDefaultSystemMenu();

  void btnAllocSysClick();
  void btnDeleteSysClick();
  void btnEditSysClick();
  void btnSubSysClick();
  void btnSepSysClick();
  void btnDefaultSysClick();
  void trvSystemKeyDown(WORD key);
  bool trvSystemEditing(ui::TreeItem node);
  bool trvSystemEdited(ui::TreeItem node, const std::optional<std::string>& text);

  // Drag and drop: a drag starts from a tree node or a command-list row; the drop lands at a
  // point in the tree's client area.
  void BeginDragFromTree(ui::TreeItem node);
  void BeginDragFromList(int row);
  void DropOn(POINT treeClient);

 protected:
  bool handleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;

 private:
  void FormCreate();
  bool saveFile();
  void changed();
  // The box refusing a name, captioned as the input that asked for it.
  void refuseCaption(const std::string& boxCaption);
  void dropAt(ui::TreeItem target, DropPlace place);
  int showDropMenu(POINT screen, bool children);
  void endDrag();
  TMenuImages images_{TMenuImages::MenuTree};
  TMenuImages buttonImages_{TMenuImages::EditorButtons};
  std::vector<base::Icon> buttonIcons_;
  ui::Tooltip hints_;
  bool dragging_ = false;
  bool fromList_ = false;
  ui::TreeItem dragged_ = nullptr;
  int draggedRow_ = -1;
  bool editing_ = false;
};

}  // namespace tockle
