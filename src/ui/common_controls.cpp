#include "ui/common_controls.h"

#include <windows.h>

#include <commctrl.h>

namespace ui {

void initCommonControls() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_COOL_CLASSES | ICC_BAR_CLASSES |
                                           ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_HOTKEY_CLASS |
                                           ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_PROGRESS_CLASS |
                                           ICC_USEREX_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
}

}  // namespace ui
