// Whether a control shows its caption whole, measured as the control draws it: DrawText with
// DT_CALCRECT in the control's own font, a check box's or radio button's box and gap taken off
// its width, a wrapped caption held against the control's height.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace test {

// "" when the caption fits (or the control has no caption of these kinds: static text, check box,
// radio button, push button); otherwise what is cut, with the pixels needed and available.
std::string captionCut(HWND control);
// The cut captions among a window's descendants, one line each.
std::vector<std::string> cutCaptions(HWND window);

// The width in pixels the text takes in the control's font.
int textWidth(HWND control, const std::string& text);

// Captures a window into "dialogs\<name>.png" of the test-results folder.
std::string captureDialog(HWND window, const std::string& name);

}  // namespace test
