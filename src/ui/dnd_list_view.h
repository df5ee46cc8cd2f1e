// A report-view list whose rows the user reorders by dragging them inside the list; while a row
// is dragged the list scrolls by itself when the cursor is above or below its rows. It also moves
// and deletes rows for the Up, Down and Delete buttons of the pages around it. A row's owned value
// moves with it: it is never copied and never freed by a move.
#pragma once

#include <functional>
#include <optional>

#include "ui/list_view.h"
#include "ui/subclass.h"
#include "ui/timer.h"

namespace ui {

// MoveItem's rule, the row still standing while its copy is inserted: `to` is the insertion index
// in front of which the row goes (count: at the end). The row's index afterwards, or nullopt when
// the move is refused (from not a row, to below 0 or above count).
std::optional<int> moveDestination(int from, int to, int count);

// Where a drop puts the dragged (selected) row, as MoveItem's `to`: before the target row, or for
// the last row after it (afterLast) or before it. nullopt when nothing moves: no row under the
// cursor, the row itself, or a place that leaves the row where it is.
std::optional<int> dropDestination(int selected, int target, int count, bool afterLast);
// Whether a drop on target must first ask where to put the row (the last row, not the row itself).
bool dropAsksPlace(int selected, int target, int count);

// Auto-scroll of a drag: -1 one line up when the cursor is above the rows (hit-test flags
// exactly LVHT_ABOVE), +1 down when below (exactly LVHT_BELOW), else 0.
int autoScrollStep(UINT hitFlags);

class TKzDnDListView : public ui::ListView {
 public:
  // askAfterLast is the owner's question at a drop on the last row.
  TKzDnDListView(ui::ControlHost* host, int id, std::function<bool(HWND owner)> askAfterLast);
  ~TKzDnDListView() override;

  bool AcceptDnD = true;
  // Distance the mouse must move before a drag starts; 0 or less: the drag starts at the press.
  int DnDThreshold = 0;
  void SetTimerInterval(int ms);
  // Raised after a drop moved a row.
  std::function<void()> OnDnDSuccess;
  // The question at a drop on the last row; true puts the row after it (none: before it).
  std::function<bool(HWND owner)> AskAfterLast;
  // The tick count that times presses (tests step it).
  std::function<DWORD()> TickCount = GetTickCount;

  // Moves row `from` in front of row `to` (count: to the end) and answers the row now holding it;
  // a refused move answers the selected row.
  int MoveItem(int from, int to);
  // Deletes the row and selects the previous one (SelectPrevious) or the one now at its place
  // (the last when it was the last). False when there is no such row.
  bool DeleteItem(int row, bool selectPrevious);
  // Counts now as the time of the last press.
  void InitDrag();

  bool Dragging() const { return dragging_; }
  bool ScrollTimerRunning() const { return scrollTimer_.enabled(); }

 protected:
  void attached() override;

 private:
  bool listMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  // True when the press began a drag (the list does not see it).
  bool MouseDown(POINT at, bool doubleClick);
  void DragOver(POINT at);
  void DragDrop(POINT at);
  void EndDrag();
  void ScrollTimer();

  ui::Subclass subclass_;
  ui::Timer scrollTimer_{150, false};
  DWORD lastPress_ = 0;
  bool pending_ = false;  // pressed, waiting for the threshold
  bool dragging_ = false;
  POINT pressAt_{};
  int highlighted_ = -1;
};

}  // namespace ui
