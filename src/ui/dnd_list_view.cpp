#include "ui/dnd_list_view.h"

#include <windowsx.h>

#include <cstdlib>
#include <utility>

namespace ui {

std::optional<int> moveDestination(int from, int to, int count) {
  if (from < 0 || to < 0 || from >= count || to > count) return std::nullopt;
  return to > from ? to - 1 : to;
}

bool dropAsksPlace(int selected, int target, int count) {
  return target >= 0 && target != selected && target == count - 1;
}

std::optional<int> dropDestination(int selected, int target, int count, bool afterLast) {
  if (selected < 0 || selected >= count || target < 0 || target >= count || target == selected) return std::nullopt;
  int to = target;
  if (target == count - 1 && afterLast) to = count;
  // In front of the row itself or of the row after it: the row stays where it is.
  if (to == selected || to == selected + 1) return std::nullopt;
  return to;
}

int autoScrollStep(UINT hitFlags) {
  if (hitFlags == LVHT_ABOVE) return -1;
  if (hitFlags == LVHT_BELOW) return 1;
  return 0;
}

TKzDnDListView::TKzDnDListView(ui::ControlHost* host, int id, std::function<bool(HWND owner)> askAfterLast)
    : ui::ListView(host, id), AskAfterLast(std::move(askAfterLast)) {
  scrollTimer_.onTimer = [this] { ScrollTimer(); };
}

TKzDnDListView::~TKzDnDListView() = default;

void TKzDnDListView::SetTimerInterval(int ms) { scrollTimer_.setInterval(ms > 0 ? static_cast<UINT>(ms) : 0); }

void TKzDnDListView::attached() {
  ui::ListView::attached();
  subclass_.attach(
      handle(), [this](UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) { return listMessage(msg, wp, lp, result); });
}

int TKzDnDListView::MoveItem(int from, int to) {
  std::optional<int> at = moveDestination(from, to, count());
  if (!at) return selectedIndex();
  if (*at == from) return from;
  return moveItem(from, *at);
}

bool TKzDnDListView::DeleteItem(int row, bool selectPrevious) {
  if (row < 0 || row >= count()) return false;
  deleteItem(row);
  int n = count();
  if (n == 0) {
    setSelectedIndex(-1);
  } else if (selectPrevious) {
    setSelectedIndex(row > 0 ? row - 1 : 0);
  } else {
    setSelectedIndex(row < n ? row : n - 1);
  }
  return true;
}

void TKzDnDListView::InitDrag() { lastPress_ = TickCount(); }

bool TKzDnDListView::listMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // A drag takes the press from the list (which would otherwise wait for the mouse itself);
      // every other press, a click on a row's check box among them, is the list's own.
      if (!MouseDown(at, msg == WM_LBUTTONDBLCLK)) return false;
      result = 0;
      return true;
    case WM_MOUSEMOVE:
      if (pending_ && !(wp & MK_LBUTTON)) {
        pending_ = false;
        EndDrag();
      } else if (pending_ &&
                 (std::abs(at.x - pressAt_.x) >= DnDThreshold || std::abs(at.y - pressAt_.y) >= DnDThreshold)) {
        pending_ = false;
        dragging_ = true;
      }
      if (!dragging_) return false;
      if (!(wp & MK_LBUTTON)) {
        // The button went up where the list did not see it.
        EndDrag();
        return false;
      }
      DragOver(at);
      result = 0;
      return true;
    case WM_LBUTTONUP:
      if (pending_) {
        pending_ = false;
        EndDrag();
        return false;
      }
      if (!dragging_) return false;
      DragDrop(at);
      result = 0;
      return true;
    case WM_CAPTURECHANGED:
      if ((dragging_ || pending_) && reinterpret_cast<HWND>(lp) != handle()) EndDrag();
      return false;
    case WM_KEYDOWN:
      if ((dragging_ || pending_) && wp == VK_ESCAPE) {
        EndDrag();
        result = 0;
        return true;
      }
      return false;
    case WM_DESTROY:
      EndDrag();
      return false;
  }
  return false;
}

bool TKzDnDListView::MouseDown(POINT at, bool doubleClick) {
  if (!AcceptDnD || count() < 2) return false;
  UINT flags = 0;
  int row = itemAt(at, &flags);
  DWORD now = TickCount();
  DWORD sincePress = now - lastPress_;
  lastPress_ = now;
  if (row < 0 || (flags & LVHT_ONITEMSTATEICON)) return false;
  if (doubleClick || sincePress < GetDoubleClickTime()) {
    // The second press of a double-click opens the row rather than dragging it.
    EndDrag();
    return false;
  }
  SetFocus(handle());
  setSelectedIndex(row);
  pressAt_ = at;
  if (DnDThreshold > 0) {
    pending_ = true;
  } else {
    dragging_ = true;
  }
  SetCapture(handle());
  scrollTimer_.setEnabled(scrollTimer_.interval() > 0);
  return true;
}

void TKzDnDListView::DragOver(POINT at) {
  int row = itemAt(at);
  if (row == highlighted_) return;
  if (highlighted_ >= 0) setDropHighlight(highlighted_, false);
  highlighted_ = row;
  if (row >= 0) setDropHighlight(row, true);
  UpdateWindow(handle());
}

void TKzDnDListView::DragDrop(POINT at) {
  EndDrag();
  if (!AcceptDnD) return;
  int selected = selectedIndex();
  int target = itemAt(at);
  int n = count();
  bool afterLast = dropAsksPlace(selected, target, n) && AskAfterLast && AskAfterLast(GetParent(handle()));
  std::optional<int> to = dropDestination(selected, target, n, afterLast);
  if (!to) return;
  int row = MoveItem(selected, *to);
  setSelectedIndex(row);
  if (OnDnDSuccess) OnDnDSuccess();
}

void TKzDnDListView::EndDrag() {
  pending_ = false;
  dragging_ = false;
  scrollTimer_.setEnabled(false);
  if (highlighted_ >= 0) {
    setDropHighlight(highlighted_, false);
    highlighted_ = -1;
  }
  if (GetCapture() == handle()) ReleaseCapture();
}

void TKzDnDListView::ScrollTimer() {
  POINT p{};
  GetCursorPos(&p);
  ScreenToClient(handle(), &p);
  LVHITTESTINFO hit{};
  hit.pt = p;
  send(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  int step = autoScrollStep(hit.flags);
  if (step != 0) send(WM_VSCROLL, step < 0 ? SB_LINEUP : SB_LINEDOWN, 0);
}

}  // namespace ui
