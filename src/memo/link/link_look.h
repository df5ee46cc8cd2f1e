// What the editor shows as a link: the character's own look, asked of the control, so that a
// link opens only where it is seen.
#pragma once

#include <windows.h>

#include <optional>

#include "memo/link/link_conversion.h"

namespace memo {

// When the character at control position pos has the look of a registered link (its item's
// colour, underlined when the item underlines): the height in pixels of the character's cell in its
// own font. Nothing otherwise. The control walks its text for each question, so callers ask once
// per link, not once per mouse move.
std::optional<LONG> linkCellHeight(HWND edit, int pos, const TLinkString& registry);

}  // namespace memo
