// Which link mark lies under the mouse. The marks and the map of positions are made again only
// after the text changed (at the next question), so the marks follow every edit and a mouse
// move on a large tab costs one look-up.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "memo/editor/position_map.h"
#include "memo/editor/rich_edit.h"
#include "memo/link/link_conversion.h"

namespace memo {

class LinkPointer {
 public:
  // The marks were just made from the loaded text.
  void loaded();
  // The user changed the text: the marks are made again from it when next asked.
  void textChanged() {
    marksStale_ = mapStale_ = true;
    look_ = {};
  }
  // Index of the mark under client point p of the editor, or -1: only on a character shown as a
  // link (not beside or below it, not on a URL typed without the link's look).
  int markAtPoint(const RichEdit& edit, TLinkString& registry, POINT p);

 private:
  bool mapStale_ = true;
  bool marksStale_ = false;
  std::wstring text_;
  PositionMap map_;
  // The look of the last mark asked about (a link looks the same over all its characters): its
  // cell height when it is shown as a link. Forgotten when the text or its marks change.
  struct Look {
    int mark = -1;
    std::optional<LONG> height;
  } look_;
};

}  // namespace memo
