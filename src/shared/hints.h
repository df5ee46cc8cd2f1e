// Hints (tool tips) for controls of a window: one tool-tip window per owner, one tool per control.
#pragma once

#include <windows.h>

#include <string_view>

namespace shared {

// Adds a hint showing text (CP932) while the mouse rests on control, a child of owner.
void addControlHint(HWND tooltip, HWND owner, HWND control, std::string_view text);

}  // namespace shared
