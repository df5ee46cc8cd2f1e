#include "clock/config/pending_edit.h"

#include "base/text.h"
#include "shared/prompts.h"

namespace tockle {

bool SettlePendingEdits(HWND owner, const std::vector<IPendingEdit*>& edits) {
  for (IPendingEdit* edit : edits) {
    std::string pending = edit->PendingEdit();
    if (pending.empty()) continue;
    int answer = shared::prompts().ask(owner, pending + "\r\n確定しますか？"_sj, "未確定アイテムの確定"_sj,
                                       MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDYES) {
      if (!edit->RegisterPendingEdit()) return false;
    } else if (answer == IDNO) {
      edit->DropPendingEdit();
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace tockle
