#include "ui/dnd_list_box.h"

#include <cstdlib>
#include <string>

namespace ui {

bool TKzDnDListBox::MoveNext(bool down) {
  int i = itemIndex();
  if (i < 0) return false;
  int other = down ? i + 1 : i - 1;
  if (other >= 0 && other < count()) moveItem(i, other);
  return true;
}

void TKzDnDListBox::SelectedDelete() {
  int i = itemIndex();
  if (i < 0) return;
  remove(i);
  int n = count();
  setItemIndex(n == 0 ? -1 : std::min(i, n - 1));
}

void TKzDnDListBox::DragDrop(POINT client) {
  int from = itemIndex();
  int to = itemAt(client);
  if (from < 0 || to < 0) return;
  moveItem(from, to);
}

void TKzDnDListBox::moveItem(int from, int to) {
  std::string text = item(from);
  LPARAM data = itemData(from);
  remove(from);
  insert(to, text);
  setItemData(to, data);
  setItemIndex(to);
}

bool TKzDnDListBox::DragOver(POINT client) {
  int target = itemAt(client);
  if (target < 0) return false;
  if (marked_ >= 0 && marked_ != target) drawMark(marked_, false);
  if (marked_ != target) drawMark(target, true);
  marked_ = target;
  return true;
}

void TKzDnDListBox::EndDrag() {
  if (marked_ >= 0) drawMark(marked_, false);
  marked_ = -1;
  InvalidateRect(handle(), nullptr, TRUE);
}

// The top, right and bottom edges of the item: dotted for the drop target; in the background
// colour to take a mark away.
void TKzDnDListBox::drawMark(int index, bool dotted) {
  RECT r = itemRect(index);
  HDC dc = GetDC(handle());
  HPEN pen = CreatePen(dotted ? PS_DOT : PS_SOLID, 1, dotted ? RGB(0, 0, 0) : GetSysColor(COLOR_WINDOW));
  HGDIOBJ old = SelectObject(dc, pen);
  POINT edges[] = {{r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}};
  Polyline(dc, edges, 4);
  SelectObject(dc, old);
  DeleteObject(pen);
  ReleaseDC(handle(), dc);
}

void TKzDnDListBox::attached() {
  ListBox::attached();
  mouse_.attach(handle(), [this](UINT msg, WPARAM wp, LPARAM lp, LRESULT&) {
    if (msg == WM_KEYDOWN) return onKeyDown && onKeyDown(static_cast<WORD>(wp));
    POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    switch (msg) {
      case WM_LBUTTONDOWN:
        // The drag begins once the mouse has moved by the system's threshold.
        pressed_ = AcceptDnD && itemAt(p) >= 0;
        pressedAt_ = p;
        break;
      case WM_MOUSEMOVE:
        if (pressed_ && !dragging_ &&
            (std::abs(p.x - pressedAt_.x) >= GetSystemMetrics(SM_CXDRAG) ||
             std::abs(p.y - pressedAt_.y) >= GetSystemMetrics(SM_CYDRAG)))
          dragging_ = true;
        if (dragging_) {
          SetCursor(LoadCursorW(nullptr, DragOver(p) ? IDC_ARROW : IDC_NO));
          return true;
        }
        break;
      case WM_LBUTTONUP:
        pressed_ = false;
        if (dragging_) {
          dragging_ = false;
          DragDrop(p);
          EndDrag();
        }
        break;
      case WM_CAPTURECHANGED:
      case WM_NCDESTROY:
        if (dragging_) EndDrag();
        pressed_ = dragging_ = false;
        break;
    }
    return false;
  });
}

}  // namespace ui
