// The "?" help of a dialog's controls: each control carries its help context number as its
// window's context help id, and the dialog answers WM_HELP for a control (the caption's help
// button, then a click on it; or F1 while it has the focus) with that number as a pop-up.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>

#include "ui/controls.h"

namespace ui {

struct ControlHelp {
  const Control& control;
  DWORD context;
};

// Gives each control (it must exist) its help context number.
void setHelpContexts(std::initializer_list<ControlHelp> contexts);

// The help context a WM_HELP asks for: that of the window it names or of the nearest parent that
// has one (the edit inside a combo box, the header inside a list view); 0 for none or a menu.
DWORD helpContext(const HELPINFO* info);

// Answers WM_HELP: the context of the control it names goes to showHelp as a HELP_CONTEXTPOPUP
// (nothing for none); false for any other message.
bool answerHelp(UINT msg, LPARAM lp, INT_PTR& result,
                const std::function<void(UINT command, ULONG_PTR context)>& showHelp);

}  // namespace ui
