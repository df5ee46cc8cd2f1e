// The one-line input box of both programs: a caption, a prompt and one line of text, OK and
// Cancel (its template is src/shared/input_box.rc, which each program's resources include).
#pragma once

#include <windows.h>

#include <string>

namespace shared {

// Shows the box with value as its initial text (selected); OK: value := the entered text, true.
// Cancel: false, value unchanged.
bool InputQuery(HWND owner, const std::string& caption, const std::string& prompt, std::string& value);

}  // namespace shared
