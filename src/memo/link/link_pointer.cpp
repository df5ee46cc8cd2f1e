#include "memo/link/link_pointer.h"

#include "memo/link/link_look.h"

namespace memo {

void LinkPointer::loaded() {
  mapStale_ = true;
  marksStale_ = false;
  look_ = {};
}

int LinkPointer::markAtPoint(const RichEdit& edit, TLinkString& registry, POINT p) {
  int i = edit.charFromPos(p);
  if (i < 0) return -1;
  if (mapStale_) {
    text_ = edit.controlText();
    map_ = PositionMap(text_);
    mapStale_ = false;
  }
  if (marksStale_) {
    ConvertLinks(toProgramText(text_), registry);
    marksStale_ = false;
    look_ = {};
  }
  // The nearest position may be the boundary after the character under the pointer; from here the
  // pointer is not left of the character.
  POINT at = edit.posFromChar(i);
  if (i > 0 && at.x > p.x) at = edit.posFromChar(--i);
  if (i >= static_cast<int>(text_.size()) || text_[static_cast<size_t>(i)] == L'\r' ||
      text_[static_cast<size_t>(i)] == L'\n')
    return -1;
  // The marks are found in the text as it is now; a typed URL has one but no link look.
  int mark = registry.MarkAt(map_.toBytes(i));
  if (mark < 0) return -1;
  if (look_.mark != mark) look_ = {mark, linkCellHeight(edit.handle(), i, registry)};
  // Inside the character's line, not below the last line nor on a row the line wrapped to.
  return look_.height && p.y >= at.y && p.y < at.y + *look_.height ? mark : -1;
}

}  // namespace memo
