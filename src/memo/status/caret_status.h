// The status line's caret text: the caret's line and column, and whether the clock can be reached.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace memo {

struct CaretPlace {
  int line = 0;    // zero-based line of the selection start, as the editor counts its lines
  int column = 0;  // bytes (code page 932) between the start of that line and the selection start
};

// Read from the editor's caret line only; with the control's whole text known (as it loaded it,
// unchanged since) the column needs no reading from the control, which walks its text for it.
CaretPlace caretPlace(HWND richEdit, std::wstring_view knownText = {});

// "[  1:   1] " and the clock's state, the numbers one-based and right-aligned in three places.
std::string caretStatusText(CaretPlace place, bool clockConnected);

// The status texts of the clock's window appearing (with its handle) and going away.
std::string clockFoundText(HWND clock);
std::string clockLostText();

}  // namespace memo
