// A tree view's move takes the item's children along and refuses to move an item below itself.
#include "ui/tree_view.h"

#include <gtest/gtest.h>

#include "ui/app.h"
#include "ui/form.h"

namespace {

class TreeForm : public ui::Form {
 public:
  TreeForm() {
    onCreate = [this] { trvMenu.create({.width = 200, .height = 200, .style = WS_CHILD | TVS_EDITLABELS}); };
  }
  ui::TreeView trvMenu{this, 20};
};

std::string shape(const ui::TreeView& tree, ui::TreeItem parent) {
  std::string s;
  for (ui::TreeItem i : tree.children(parent)) {
    s += tree.text(i) + std::to_string(tree.data(i));
    if (tree.firstChild(i)) s += "(" + shape(tree, i) + ")";
    s += " ";
  }
  return s;
}

TEST(TreeView, MoveCarriesChildrenAndRefusesToMoveBelowItself) {
  ui::Application::instance().initialize("UI tests", true);
  TreeForm form;
  ASSERT_TRUE(form.create({}));
  auto& tree = form.trvMenu;
  ui::TreeItem sub = tree.insertItem(nullptr, {"sub", 0, -1, 1});
  ui::TreeItem inner = tree.insertItem(sub, {"inner", 0, -1, 2});
  tree.insertItem(inner, {"leaf", 1, -1, 3});
  ui::TreeItem last = tree.insertItem(nullptr, {"last", 1, -1, 4});
  tree.expand(sub);
  EXPECT_EQ(tree.moveItem(sub, inner), nullptr);
  ui::TreeItem moved = tree.moveItem(sub, last);
  ASSERT_NE(moved, nullptr);
  EXPECT_EQ(shape(tree, nullptr), "last4(sub1(inner2(leaf3 ) ) ) ");
  EXPECT_TRUE(tree.expanded(moved));
  EXPECT_EQ(tree.count(), 4);
}

TEST(TreeView, InPlaceEditRaisesBothEndsAndKeepsAcceptedText) {
  ui::Application::instance().initialize("UI tests", true);
  TreeForm form;
  ASSERT_TRUE(form.create({}));
  auto& tree = form.trvMenu;
  ui::TreeItem item = tree.insertItem(nullptr, {"old"});
  int began = 0;
  tree.onBeginEdit = [&](ui::TreeItem) { return ++began > 0; };
  tree.onEndEdit = [&](ui::TreeItem, const std::optional<std::string>& text) { return text.has_value(); };
  tree.editLabel(item);
  ASSERT_TRUE(tree.editControl());
  SetWindowTextA(tree.editControl(), "new");
  tree.endEdit(false);
  EXPECT_EQ(began, 1);
  EXPECT_EQ(tree.text(item), "new");
}

}  // namespace
