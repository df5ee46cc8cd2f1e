// The boxes both programs ask the user with (a message box, the one-line input box) behind one
// small interface, so that a test puts a scripted replacement in place of the modal prompts.
// Program code asks prompts() each time and has one path; the programs never replace it.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace shared {

class Prompts {
 public:
  virtual ~Prompts() = default;
  // A message box: flags and the answer (IDOK, IDYES, IDNO, ...) as for MessageBox.
  virtual int ask(HWND owner, std::string_view text, std::string_view caption, UINT flags) = 0;
  // The one-line input box with value as its initial text: OK gives the entered text and true,
  // Cancel false with value unchanged.
  virtual bool inputQuery(HWND owner, const std::string& caption, const std::string& prompt, std::string& value) = 0;
};

// The prompts in use: the system's unless a test set a replacement.
Prompts& prompts();
// nullptr: the system's again. The replacement must outlive its use.
void setPrompts(Prompts* replacement);

}  // namespace shared
