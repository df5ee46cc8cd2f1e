#include "memo/link/link_pointer.h"

#include "memo/link/link_look.h"

namespace memo {

void LinkPointer::loaded() {
  mapStale_ = true;
  marksStale_ = false;
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
  }
  // The nearest position may be the boundary after the character under the pointer.
  if (i > 0 && edit.posFromChar(i).x > p.x) --i;
  if (i >= static_cast<int>(text_.size()) || text_[static_cast<size_t>(i)] == L'\r' ||
      text_[static_cast<size_t>(i)] == L'\n')
    return -1;
  // The marks are found in the text as it is now; a typed URL has one but no link look.
  int mark = registry.MarkAt(map_.toBytes(i));
  return mark >= 0 && showsLinkAt(edit.handle(), i, p, registry) ? mark : -1;
}

}  // namespace memo
