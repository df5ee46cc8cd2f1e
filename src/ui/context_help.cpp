#include "ui/context_help.h"

namespace ui {

void setHelpContexts(std::initializer_list<ControlHelp> contexts) {
  for (const ControlHelp& c : contexts) SetWindowContextHelpId(c.control.handle(), c.context);
}

DWORD helpContext(const HELPINFO* info) {
  if (!info || info->iContextType != HELPINFO_WINDOW) return 0;
  for (HWND w = static_cast<HWND>(info->hItemHandle); w; w = GetParent(w)) {
    if (DWORD context = GetWindowContextHelpId(w)) return context;
    // The search ends at the dialog: a window's owner is no parent of its controls.
    if (!(GetWindowLongW(w, GWL_STYLE) & WS_CHILD)) break;
  }
  return 0;
}

bool answerHelp(UINT msg, LPARAM lp, INT_PTR& result,
                const std::function<void(UINT command, ULONG_PTR context)>& showHelp) {
  if (msg != WM_HELP) return false;
  DWORD context = helpContext(reinterpret_cast<const HELPINFO*>(lp));
  if (context && showHelp) showHelp(HELP_CONTEXTPOPUP, context);
  result = TRUE;
  return true;
}

}  // namespace ui
