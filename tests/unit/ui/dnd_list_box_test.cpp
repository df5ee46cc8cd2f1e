// The drag-and-drop list box: the drop, the move at the edge, the mouse drag (its up, down and
// delete are shown through the settings dialog's buttons).
#include "ui/dnd_list_box.h"

#include <gtest/gtest.h>

#include "ui/app.h"
#include "ui/form.h"

namespace {

class DnDListBox : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::Application::instance().initialize("Tavelo for Windows 9x/NT", false);
    ui::FormParams p;
    p.caption = "list host";
    ASSERT_TRUE(form.create(p));
    list.create({0, 0, 200, 200});
  }
  void fill(int n, int selected) {
    for (int i = 0; i < n; ++i) list.add(std::to_string(i));
    list.setItemIndex(selected);
  }
  POINT middleOf(int index) {
    RECT r = list.itemRect(index);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  ui::Form form;
  ui::TKzDnDListBox list{&form, 30};
};

TEST_F(DnDListBox, DroppingTheFirstOnTheFourthMovesItThereSelected) {
  fill(5, 0);
  EXPECT_TRUE(list.DragOver(middleOf(3)));
  list.DragDrop(middleOf(3));
  EXPECT_EQ(list.items(), (std::vector<std::string>{"1", "2", "3", "0", "4"}));
  EXPECT_EQ(list.itemIndex(), 3);
}

TEST_F(DnDListBox, BelowTheLastItemNothingIsAcceptedOrDropped) {
  fill(5, 0);
  POINT below{10, list.itemRect(4).bottom + 20};
  EXPECT_FALSE(list.DragOver(below));
  list.DragDrop(below);
  EXPECT_EQ(list.items(), (std::vector<std::string>{"0", "1", "2", "3", "4"}));
}

TEST_F(DnDListBox, MoveNextOnTheLastAnswersTrueAndNeedsASelection) {
  fill(3, 2);
  EXPECT_TRUE(list.MoveNext(true));
  EXPECT_EQ(list.items(), (std::vector<std::string>{"0", "1", "2"}));
  list.setItemIndex(-1);
  EXPECT_FALSE(list.MoveNext(true));
}

TEST_F(DnDListBox, AMouseDragReordersOnlyWhileDraggingIsOn) {
  auto drag = [&](int from, int to) {
    POINT a = middleOf(from), b = middleOf(to);
    SendMessageW(list.handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(a.x, a.y));
    SendMessageW(list.handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(b.x, b.y));
    SendMessageW(list.handle(), WM_LBUTTONUP, 0, MAKELPARAM(b.x, b.y));
  };
  fill(3, -1);
  drag(0, 2);
  EXPECT_EQ(list.items(), (std::vector<std::string>{"0", "1", "2"}));
  list.AcceptDnD = true;
  drag(0, 2);
  EXPECT_EQ(list.items(), (std::vector<std::string>{"1", "2", "0"}));
}

}  // namespace
