// The text colours of the format bar's colour menu, by their tag, and the menu itself.
#pragma once

#include <windows.h>

#include <vector>

#include "memo/chrome/menu_model.h"

namespace memo {

inline constexpr int kTextColorCount = 16;
// The colour of tag 0..15 (0x00BBGGRR).
COLORREF textColor(int tag);
// One item a colour (command mnuColor0 + tag), then "その他(&E)" (mnuColorOther).
std::vector<MenuItem> colorMenuItems();

}  // namespace memo
