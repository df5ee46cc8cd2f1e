// The memo's input box: a caption, a prompt and one line of text.
#pragma once

#include <windows.h>

#include <string>

namespace memo {

// Shows the box with value as its initial text; OK: value := the entered text, true. Cancel: false,
// value unchanged.
bool InputQuery(HWND owner, const std::string& caption, const std::string& prompt, std::string& value);

}  // namespace memo
