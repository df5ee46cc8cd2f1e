#include "clock/config/pending_edit.h"

#include "base/text.h"

namespace tockle {

bool SettlePendingEdits(const std::vector<IPendingEdit*>& edits,
                        const std::function<int(std::string_view text, std::string_view caption, UINT flags)>& ask) {
  for (IPendingEdit* edit : edits) {
    std::string pending = edit->PendingEdit();
    if (pending.empty()) continue;
    int answer = ask(pending + "\r\n確定しますか？"_sj, "未確定アイテムの確定"_sj, MB_YESNOCANCEL | MB_ICONQUESTION);
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
