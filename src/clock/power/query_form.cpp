#include "clock/power/query_form.h"

#include <commctrl.h>

#include "base/text.h"

namespace tockle {

std::string TfrmQuery::title() { return "確認 - Tockle 3"_sj; }

TfrmQuery::TfrmQuery(HWND owner, int kind, int timeRemain, bool forceIfHung)
    : Dialog(owner, IDD_QUERY), kind_(kind), timeRemain_(timeRemain), forceIfHung_(forceIfHung), selectedKind_(kind) {
  onCreate = [this] { FormCreate(); };
  tmrRemain.onTimer = [this] { tmrRemainTimer(); };
  btnStop.onClick = [this] { btnStopClick(); };
  btnOk.onClick = [this] { close(IDOK); };
  BitBtn2.onClick = [this] { close(IDCANCEL); };
  // The answer is read before the controls go.
  onClose = [this] {
    tmrRemain.setEnabled(false);
    selectedKind_ = cmbQueryMessage.itemIndex();
    force_ = chkForceExit.checked();
  };
}

TfrmQuery::~TfrmQuery() = default;

void TfrmQuery::FormCreate() {
  counter_ = 0;
  setCaption(title());
  for (const char* item : {"Windows を 終了 しますか？", "Windows を 再起動 しますか？",
                           "Windows を サスペンド しますか？", "Windows を 休止状態 にしますか？"})
    cmbQueryMessage.add(base::fromUtf8(item));
  cmbQueryMessage.setItemIndex(kind_);
  hints_.add(chkForceExit.handle(), "緊急時に御利用ください"_sj);
  if (timeRemain_ > 0) {
    btnStop.setEnabled(true);
    prgQuery.setEnabled(true);
    maximum_ = timeRemain_ * 4 + 1;
    prgQuery.send(PBM_SETRANGE32, 0, maximum_);
    prgQuery.send(PBM_SETPOS, 0);
    tmrRemain.setEnabled(true);
    chkForceExit.setEnabled(forceIfHung_);
  }
}

void TfrmQuery::tmrRemainTimer() {
  ++counter_;
  prgQuery.send(PBM_SETPOS, counter_);
  if (counter_ >= maximum_) {
    tmrRemain.setEnabled(false);
    close(IDOK);
  }
}

void TfrmQuery::btnStopClick() {
  tmrRemain.setEnabled(false);
  btnStop.setEnabled(false);
  prgQuery.setEnabled(false);
}

}  // namespace tockle
