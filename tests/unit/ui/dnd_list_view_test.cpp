// The drag-and-drop list view: MoveItem's and the drop's rules as functions, then the real list:
// owned values move and are freed once, Delete's selection, a drag by the list's own mouse
// messages, and the auto-scroll timer stopping however the drag ends.
#include <gtest/gtest.h>

#include <optional>

#include "ui/dnd_list_view.h"
#include "ui/app.h"
#include "ui/form.h"

namespace {

using ui::dropDestination;
using ui::moveDestination;

TEST(DnDRules, MoveItemInsertsInFrontOfToWhileTheRowStillStands) {
  struct {
    int from, to;
    std::optional<int> at;
  } cases[] = {{2, 4, 3},           {4, 5, 4}, {4, 6, std::nullopt},  {2, 1, 1},
               {2, 2, 2},           {2, 3, 2}, {-1, 0, std::nullopt}, {0, -1, std::nullopt},
               {5, 0, std::nullopt}};
  for (auto c : cases) EXPECT_EQ(moveDestination(c.from, c.to, 5), c.at) << c.from << "->" << c.to;
}

TEST(DnDRules, ADropGoesBeforeTheTargetOrForTheLastRowAsAnswered) {
  struct {
    int selected, target;
    bool afterLast;
    std::optional<int> to;
  } cases[] = {{0, 3, false, 3},
               {0, 4, false, 4},
               {0, 4, true, 5},
               {3, 1, false, 1},
               {2, 2, false, std::nullopt},   // onto itself
               {2, -1, false, std::nullopt},  // outside the rows
               {2, 3, false, std::nullopt},   // in front of the next row
               {3, 4, false, std::nullopt},
               {3, 4, true, 5}};
  for (auto c : cases) EXPECT_EQ(dropDestination(c.selected, c.target, 5, c.afterLast), c.to) << c.selected << c.target;
  EXPECT_TRUE(ui::dropAsksPlace(0, 4, 5));
  EXPECT_FALSE(ui::dropAsksPlace(4, 4, 5));
  EXPECT_FALSE(ui::dropAsksPlace(0, 3, 5));
  EXPECT_EQ(ui::autoScrollStep(LVHT_ABOVE), -1);
  EXPECT_EQ(ui::autoScrollStep(LVHT_BELOW), 1);
  EXPECT_EQ(ui::autoScrollStep(LVHT_BELOW | LVHT_TORIGHT), 0);
}

struct Counted {
  explicit Counted(int* f) : freed(f) {}
  ~Counted() { ++*freed; }
  int* freed;
};

class DnDListView : public testing::Test {
 protected:
  void SetUp() override {
    ui::Application::instance().initialize("Tockle 3 for Windows 9x/NT", true);
    ASSERT_TRUE(host.create({.caption = "DnD", .style = WS_POPUP, .clientWidth = 300, .clientHeight = 300}));
    ASSERT_TRUE(list.create({0, 0, 300, 300, WS_CHILD | WS_VISIBLE | LVS_SINGLESEL | LVS_SHOWSELALWAYS}));
    list.addColumn("c", 100);
    for (int i = 0; i < 5; ++i) list.addItem(std::to_string(i), std::make_shared<Counted>(&freed));
    list.AskAfterLast = [this](HWND) {
      ++asked;
      return answerAfterLast;
    };
    list.OnDnDSuccess = [this] { ++moved; };
    // Every press comes a second after the one before, unless a test holds the clock.
    list.TickCount = [this] { return ticks += step; };
  }
  std::string rows() const {
    std::string s;
    for (int i = 0; i < list.count(); ++i) s += list.itemText(i);
    return s;
  }
  LPARAM rowPoint(int row) const {
    RECT r = list.itemRect(row);
    return MAKELPARAM(r.left + 10, (r.top + r.bottom) / 2);
  }
  DWORD ticks = 0, step = 1000;
  int freed = 0, asked = 0, moved = 0;
  bool answerAfterLast = false;
  ui::Form host;
  ui::TKzDnDListView list{&host, 100, nullptr};
};

TEST_F(DnDListView, MovedValuesStayWithTheirRowsAndAreFreedOnce) {
  Counted* two = list.value<Counted>(2);
  EXPECT_EQ(list.MoveItem(2, 4), 3);
  EXPECT_EQ(rows(), "01324");
  EXPECT_EQ(list.value<Counted>(3), two);
  EXPECT_EQ(list.MoveItem(4, 5), 4);
  list.setSelectedIndex(1);
  EXPECT_EQ(list.MoveItem(4, 6), 1);  // refused: the selected row
  EXPECT_EQ(rows(), "01324");
  EXPECT_EQ(freed, 0);
  EXPECT_TRUE(list.DeleteItem(4, false));
  EXPECT_EQ(list.selectedIndex(), 3);  // the new last row
  EXPECT_EQ(freed, 1);
  EXPECT_TRUE(list.DeleteItem(0, true));
  EXPECT_EQ(list.selectedIndex(), 0);
  EXPECT_FALSE(list.DeleteItem(7, false));
  while (list.count() > 0) list.DeleteItem(0, false);
  EXPECT_EQ(list.selectedIndex(), -1);
  EXPECT_EQ(freed, 5);
}

TEST_F(DnDListView, ADragByTheListsMouseMessagesMovesTheRowAndStopsTheTimer) {
  step = 10;
  list.InitDrag();  // a press just now: the next one counts as the second of a double-click
  SendMessageW(list.handle(), WM_LBUTTONDOWN, MK_LBUTTON, rowPoint(0));
  EXPECT_FALSE(list.Dragging());
  step = 1000;
  SendMessageW(list.handle(), WM_LBUTTONDOWN, MK_LBUTTON, rowPoint(0));
  EXPECT_TRUE(list.Dragging());
  EXPECT_TRUE(list.ScrollTimerRunning());
  SendMessageW(list.handle(), WM_MOUSEMOVE, MK_LBUTTON, rowPoint(3));
  SendMessageW(list.handle(), WM_LBUTTONUP, 0, rowPoint(3));
  EXPECT_EQ(rows(), "12034");
  EXPECT_EQ(list.selectedIndex(), 2);
  EXPECT_EQ(moved, 1);
  EXPECT_FALSE(list.ScrollTimerRunning());
  // Onto the last row: asked; No puts it before the last row.
  SendMessageW(list.handle(), WM_LBUTTONDOWN, MK_LBUTTON, rowPoint(0));
  SendMessageW(list.handle(), WM_LBUTTONUP, 0, rowPoint(4));
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(rows(), "20314");
  // Onto itself: nothing, no event.
  SendMessageW(list.handle(), WM_LBUTTONDOWN, MK_LBUTTON, rowPoint(1));
  SendMessageW(list.handle(), WM_LBUTTONUP, 0, rowPoint(1));
  EXPECT_EQ(rows(), "20314");
  EXPECT_EQ(moved, 2);
  EXPECT_EQ(freed, 0);
}

TEST_F(DnDListView, InReportViewADragStartsFromAnyColumnOfTheRow) {
  SetWindowLongW(list.handle(), GWL_STYLE, GetWindowLongW(list.handle(), GWL_STYLE) | LVS_REPORT);
  list.setExtendedStyle(LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  list.addColumn("d", 100);
  RECT r = list.itemRect(1);
  const LPARAM secondColumn = MAKELPARAM(150, (r.top + r.bottom) / 2);
  EXPECT_EQ(list.itemAt(POINT{150, (r.top + r.bottom) / 2}), 1);
  SendMessageW(list.handle(), WM_LBUTTONDOWN, MK_LBUTTON, secondColumn);
  EXPECT_TRUE(list.Dragging());
  SendMessageW(list.handle(), WM_LBUTTONUP, 0, secondColumn);
}

TEST_F(DnDListView, TheTimerStopsWhenTheDragEndsByEsc_CaptureLossOrAButtonUpElsewhere) {
  for (int way = 0; way < 3; ++way) {
    SendMessageW(list.handle(), WM_LBUTTONDOWN, MK_LBUTTON, rowPoint(1));
    ASSERT_TRUE(list.ScrollTimerRunning());
    if (way == 0) SendMessageW(list.handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    if (way == 1) ReleaseCapture();
    if (way == 2) SendMessageW(list.handle(), WM_MOUSEMOVE, 0, rowPoint(3));
    EXPECT_FALSE(list.ScrollTimerRunning()) << way;
    EXPECT_FALSE(list.Dragging()) << way;
  }
  EXPECT_EQ(rows(), "01234");
  EXPECT_EQ(moved, 0);
}

}  // namespace
