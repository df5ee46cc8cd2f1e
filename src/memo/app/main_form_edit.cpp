// The edit commands of the memo window and the editor's change notice.
#include "memo/app/main_form.h"
#include "memo/chrome/commands.h"
#include "memo/document/tab_session.h"

namespace memo {

void TfrmMain::rceMemoChange() {
  if (session_->filling()) return;
  rceMemoTextChanged();
  rceMemo.setModified(true);
  setActionEnabled(actUndo, rceMemo.canUndo());
}

}  // namespace memo
