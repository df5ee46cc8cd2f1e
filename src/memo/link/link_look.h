// What the editor shows as a link: the character's own look, asked of the control, so that a
// link opens only where it is seen, and only on its own characters.
#pragma once

#include <windows.h>

#include "memo/link/link_conversion.h"

namespace memo {

// True when client point p lies on the character at control position pos (inside its line's
// height, not only nearest to it) and that character has the look of a registered link: its
// item's colour, underlined when the item underlines.
bool showsLinkAt(HWND edit, int pos, POINT p, const TLinkString& registry);

}  // namespace memo
