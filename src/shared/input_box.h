// A one-line input box from a program's own dialog template: a caption, a prompt and one line of
// text, OK and Cancel.
#pragma once

#include <windows.h>

#include <string>

namespace shared {

// The template and the ids of its prompt label and its edit field.
struct InputBoxTemplate {
  int dialog, prompt, edit;
};

// Shows the box with value as its initial text (selected); OK: value := the entered text, true.
// Cancel: false, value unchanged.
bool InputQuery(HWND owner, const InputBoxTemplate& box, const std::string& caption, const std::string& prompt,
                std::string& value);

}  // namespace shared
