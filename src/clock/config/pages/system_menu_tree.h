// The system menu as the editor's tree: nodes carry their number as data (command number, 0
// submenu, -1 separator) and the icon of their kind. The rules that keep the menu sound live
// here: the settings and exit commands never disappear, an entry never lands inside itself, and
// captions stay unambiguous for "_system3".
#pragma once

#include <string>
#include <vector>

#include "clock/commands/system_menu.h"
#include "ui/tree_view.h"

namespace tockle {

// Where a dropped entry goes relative to the target node (the drop menu's tags).
enum class DropPlace { Before = 0, Behind = 1, FirstChild = 2, LastChild = 3 };

class TSystemMenuTree {
 public:
  explicit TSystemMenuTree(ui::TreeView& tree) : tree_(tree) {}

  static int ImageOf(int number) { return number == 0 ? 0 : number < 0 ? 2 : 1; }

  void SetRecords(const std::vector<SystemMenuRecord>& records);
  std::vector<SystemMenuRecord> Records() const;
  // Every node in tree order.
  std::vector<ui::TreeItem> Nodes() const;
  int Number(ui::TreeItem node) const { return static_cast<int>(tree_.data(node)); }

  bool HasCommand(int command) const;
  bool SubtreeHasCommand(int command, ui::TreeItem node) const;
  // Whether node (with everything below it) may be deleted: not when it holds 8 or 22.
  bool CanDelete(ui::TreeItem node) const;
  // A caption for a submenu or a rename: not "-", "nil", empty, nor one another node has.
  bool CaptionAllowed(const std::string& caption, ui::TreeItem renamed = nullptr) const;
  bool IsLastNode(ui::TreeItem node) const;

  // A new node before `before` under its parent (nullptr: at the end of the top level).
  ui::TreeItem Insert(ui::TreeItem before, const std::string& caption, int number);
  // A new node at place relative to target.
  ui::TreeItem Add(ui::TreeItem target, DropPlace place, const std::string& caption, int number);
  // Moves node with everything below it to place relative to target; nullptr (nothing moved)
  // when target is node itself or lies below it.
  ui::TreeItem Move(ui::TreeItem node, ui::TreeItem target, DropPlace place);

 private:
  void where(ui::TreeItem target, DropPlace place, ui::TreeItem& parent, ui::TreeItem& after) const;
  ui::TreeView& tree_;
};

}  // namespace tockle
