// The power operation's question: which operation (the user may pick another), an optional
// count-down that confirms by itself, and the force option while a count-down runs.
#pragma once

#include <windows.h>

#include <string>

#include "clock/power/resource_ids.h"
#include "ui/controls.h"
#include "ui/dialog.h"
#include "ui/timer.h"
#include "ui/tooltip.h"

namespace tockle {

class TfrmQuery : public ui::Dialog {
 public:
  // The caption, which also keeps the question single.
  static std::string title();

  // kind: the item selected first. timeRemain > 0 starts a count-down of that many seconds;
  // forceIfHung then offers the force option.
  TfrmQuery(HWND owner, int kind, int timeRemain, bool forceIfHung);
  ~TfrmQuery() override;
  TfrmQuery(const TfrmQuery&) = delete;
  TfrmQuery& operator=(const TfrmQuery&) = delete;

  // After showModal: the operation chosen and the force option's state.
  int SelectedKind() const { return selectedKind_; }
  bool Force() const { return force_; }

  ui::ComboBox cmbQueryMessage{this, IDC_QUERY_MESSAGE};
  ui::Label Label4{this, IDC_QUERY_LABEL};
  ui::Button btnOk{this, IDOK};
  ui::Button BitBtn2{this, IDCANCEL};
  ui::Button btnStop{this, IDC_QUERY_STOP};
  ui::Control prgQuery{this, IDC_QUERY_PROGRESS};
  ui::CheckBox chkForceExit{this, IDC_QUERY_FORCE};
  ui::Timer tmrRemain{250, false};

  // Handlers.
  void FormCreate();
  void tmrRemainTimer();
  void btnStopClick();

 private:
  int kind_;
  int timeRemain_;
  bool forceIfHung_;
  int counter_ = 0;
  int maximum_ = 0;
  int selectedKind_;
  bool force_ = false;
  ui::Tooltip hints_;
};

}  // namespace tockle
