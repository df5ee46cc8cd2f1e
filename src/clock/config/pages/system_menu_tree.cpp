#include "clock/config/pages/system_menu_tree.h"

#include "base/text.h"

namespace tockle {

namespace {
void collect(const ui::TreeView& tree, ui::TreeItem parent, std::vector<ui::TreeItem>& out) {
  for (ui::TreeItem child : tree.children(parent)) {
    out.push_back(child);
    collect(tree, child, out);
  }
}
}  // namespace

void TSystemMenuTree::SetRecords(const std::vector<SystemMenuRecord>& records) {
  tree_.clear();
  std::vector<int> parents = systemMenuParents(records);
  std::vector<ui::TreeItem> nodes(records.size(), nullptr);
  for (size_t i = 0; i < records.size(); ++i) {
    const SystemMenuRecord& r = records[i];
    ui::TreeItem parent = parents[i] < 0 ? nullptr : nodes[static_cast<size_t>(parents[i])];
    nodes[i] = tree_.insertItem(parent, {r.Text, r.ImageIndex, r.SelectedIndex, r.StateIndex});
  }
  // The whole menu is in view.
  for (ui::TreeItem node : nodes)
    if (tree_.firstChild(node)) tree_.expand(node);
}

std::vector<ui::TreeItem> TSystemMenuTree::Nodes() const {
  std::vector<ui::TreeItem> nodes;
  collect(tree_, nullptr, nodes);
  return nodes;
}

std::vector<SystemMenuRecord> TSystemMenuTree::Records() const {
  std::vector<SystemMenuRecord> records;
  for (ui::TreeItem node : Nodes()) {
    ui::TreeItem parent = tree_.parent(node);
    int image = tree_.image(node);
    records.push_back({parent ? tree_.text(parent) : "nil", tree_.text(node), image, image, Number(node)});
  }
  return records;
}

bool TSystemMenuTree::HasCommand(int command) const {
  for (ui::TreeItem node : Nodes())
    if (Number(node) == command) return true;
  return false;
}

bool TSystemMenuTree::SubtreeHasCommand(int command, ui::TreeItem node) const {
  std::vector<ui::TreeItem> below;
  collect(tree_, node, below);
  for (ui::TreeItem n : below)
    if (Number(n) == command) return true;
  return false;
}

bool TSystemMenuTree::CanDelete(ui::TreeItem node) const {
  for (int command : {cmdSettings, cmdExit})
    if (Number(node) == command || SubtreeHasCommand(command, node)) return false;
  return true;
}

bool TSystemMenuTree::CaptionAllowed(const std::string& caption, ui::TreeItem renamed) const {
  if (base::trim(caption).empty() || caption == "-" || caption == "nil") return false;
  for (ui::TreeItem node : Nodes())
    if (node != renamed && tree_.text(node) == caption) return false;
  return true;
}

bool TSystemMenuTree::IsLastNode(ui::TreeItem node) const {
  auto nodes = Nodes();
  return !nodes.empty() && nodes.back() == node;
}

ui::TreeItem TSystemMenuTree::Insert(ui::TreeItem before, const std::string& caption, int number) {
  if (!before) return tree_.insertItem(nullptr, {caption, ImageOf(number), ImageOf(number), number});
  return Add(before, DropPlace::Before, caption, number);
}

void TSystemMenuTree::where(ui::TreeItem target, DropPlace place, ui::TreeItem& parent, ui::TreeItem& after) const {
  switch (place) {
    case DropPlace::Before: {
      parent = tree_.parent(target);
      ui::TreeItem previous = tree_.previousSibling(target);
      after = previous ? previous : TVI_FIRST;
      break;
    }
    case DropPlace::Behind:
      // Right after the target at its own level, also after the last entry of a submenu.
      parent = tree_.parent(target);
      after = target;
      break;
    case DropPlace::FirstChild:
      parent = target;
      after = TVI_FIRST;
      break;
    case DropPlace::LastChild:
      parent = target;
      after = TVI_LAST;
      break;
  }
}

ui::TreeItem TSystemMenuTree::Add(ui::TreeItem target, DropPlace place, const std::string& caption, int number) {
  ui::TreeItem parent = nullptr, after = TVI_LAST;
  where(target, place, parent, after);
  ui::TreeItem node = tree_.insertItem(parent, {caption, ImageOf(number), ImageOf(number), number}, after);
  if (parent) tree_.expand(parent);
  return node;
}

ui::TreeItem TSystemMenuTree::Move(ui::TreeItem node, ui::TreeItem target, DropPlace place) {
  if (!node || !target || tree_.isAncestor(node, target)) return nullptr;
  ui::TreeItem parent = nullptr, after = TVI_LAST;
  where(target, place, parent, after);
  ui::TreeItem moved = tree_.moveItem(node, parent, after);
  if (moved && parent) tree_.expand(parent);
  return moved;
}

}  // namespace tockle
