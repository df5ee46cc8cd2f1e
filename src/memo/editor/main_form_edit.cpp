// The edit commands of the memo window and the editor's change notice.
#include "memo/app/main_form.h"
#include "memo/chrome/commands.h"

namespace memo {

void TfrmMain::rceMemoChange() {
  if (filling_) return;
  // What the user writes into a tab that could not be loaded becomes its content.
  tabUnavailable_ = false;
  rceMemoTextChanged();
  rceMemo.setModified(true);
  setActionEnabled(actUndo, rceMemo.canUndo());
}

}  // namespace memo
