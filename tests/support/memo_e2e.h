// Driving the real memo program end to end: its document and settings, typing, its wizard, its
// tab strip and the boxes it asks with.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "support/e2e.h"

namespace memoe2e {

inline const std::string kTitle = "Tavelo 3 powered by Tockle 3 for Windows 9x/NT";
inline constexpr char kKey[] = "Software\\Quorvane\\Tavelo3";

// The document the program opens at its next start.
void setMemoFile(const std::string& path);
// A value of the program's settings key.
void setSetting(const std::string& name, const std::string& value);
std::string typeIIDocument(const std::string& tabs);
HWND editorOf(HWND main);
// The status line's text, read through a buffer made in the program's process.
std::string statusText(HWND main);
HWND tabsOf(HWND main);
// Types text at the start of the editor as key presses would; it is there on return.
void typeAtStart(HWND editor, const std::wstring& text);
void click(HWND dialog, int id);
// Answers the new-document wizard of the program with path and Type II and waits until the new
// document is shown; false when the wizard does not come or does not move on.
bool answerWizard(const test::ProgramRun& memo, const std::string& path);
// Starts the program on a document written beside it; the main window once it is shown.
HWND startOn(test::ProgramRun& memo, const std::string& docName, const std::string& bytes);
// The tab strip of the program: its names and the selected index.
std::vector<std::string> tabNames(HWND main);
int selectedTab(HWND main);
// Presses the keys down in order and releases them in reverse, with the window in front; the
// caller waits for their effect.
void pressKeys(HWND window, const std::vector<WORD>& keys);

}  // namespace memoe2e
