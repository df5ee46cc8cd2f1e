// OK's questions about edit groups still open (an unconfirmed launcher item or alarm): each is
// registered, dropped or keeps the dialog open, as the user answers.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tockle {

class IPendingEdit {
 public:
  virtual ~IPendingEdit() = default;
  // The question's first line ("... がまだ未確定です"); empty when no edit group is open.
  virtual std::string PendingEdit() const { return {}; }
  // Registers as the group's register button does; false when the entry was refused.
  virtual bool RegisterPendingEdit() { return true; }
  // Drops the edit as the group's cancel button does.
  virtual void DropPendingEdit() {}
};

// Asks (in boxes owned by owner) about each open edit in order ("未確定アイテムの確定", Yes/No/Cancel). True when every
// one was registered (Yes) or dropped (No); false at Cancel or at a refused registration, and the edits after it are
// left alone.
bool SettlePendingEdits(HWND owner, const std::vector<IPendingEdit*>& edits);

}  // namespace tockle
