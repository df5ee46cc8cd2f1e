#include "ui/common_controls.h"

#include <windows.h>

#include <commctrl.h>

#include "base/system_libraries.h"

namespace ui {

void initCommonControls() {
  static bool done = false;
  if (done) return;
  done = true;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_COOL_CLASSES | ICC_BAR_CLASSES |
                                           ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_HOTKEY_CLASS |
                                           ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_PROGRESS_CLASS |
                                           ICC_USEREX_CLASSES | ICC_STANDARD_CLASSES};
  LAZY(base::comctl32(), InitCommonControlsEx)(&icc);
}

}  // namespace ui
