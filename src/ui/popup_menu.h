// Pop-up menus built from a list of entries and shown at a point, answering the chosen command.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "base/handles.h"

namespace ui {

// Entries in order: a command id with its caption (CP932), or id 0 for a separator.
base::Menu popupMenu(const std::vector<std::pair<UINT, std::string>>& entries);

// Shows the menu at a screen point and answers the chosen command (0: none).
UINT trackPopupMenu(HWND owner, HMENU menu, POINT at);

// Where a control's context menu opens: the point given, or for the keyboard's (-1, -1) the
// control's top-left corner.
POINT contextMenuPoint(HWND control, POINT at);

}  // namespace ui
