// A list box whose items the user reorders by dragging one onto another (while AcceptDnD is on),
// with two edits of the selected item: one place up or down, and delete.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/controls.h"
#include "ui/subclass.h"

namespace ui {

class TKzDnDListBox : public ui::ListBox {
 public:
  using ListBox::ListBox;

  bool AcceptDnD = false;
  // A key pressed in the list; true when it was used (the list then does not see it).
  std::function<bool(WORD vk)> onKeyDown;

  // Swaps the selected item with its neighbour below (down) or above, the selection following
  // it; at the edge nothing moves. False only when nothing is selected.
  bool MoveNext(bool down);
  // Deletes the selected item and selects the one now at its place, or the new last one.
  void SelectedDelete();
  // The drop of the selected item on the item under a client point: it moves there (the items
  // between shift by one) and stays selected. Outside every item nothing happens.
  void DragDrop(POINT client);
  // The item under a client point while dragging, marked; false (no mark) outside every item.
  bool DragOver(POINT client);
  void EndDrag();

 protected:
  void attached() override;

 private:
  void moveItem(int from, int to);
  void drawMark(int index, bool dotted);
  ui::Subclass mouse_;
  bool pressed_ = false;
  bool dragging_ = false;
  POINT pressedAt_{};
  int marked_ = -1;
};

}  // namespace ui
