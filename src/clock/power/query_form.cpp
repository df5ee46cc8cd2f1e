#include "clock/power/query_form.h"

#include <commctrl.h>

#include "base/text.h"

namespace tockle {

std::string TfrmQuery::title() { return "確認 - Tockle 3"_sj; }

TfrmQuery::TfrmQuery(HWND owner, int kind, int timeRemain, bool forceIfHung)
    : Dialog(owner, IDD_QUERY), kind_(kind), timeRemain_(timeRemain), forceIfHung_(forceIfHung), selectedKind_(kind) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
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
  onDestroy = [this] {
    if (hints_) DestroyWindow(hints_);
    hints_ = nullptr;
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
  AddHint(chkForceExit, "緊急時に御利用ください"_sj);
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

void TfrmQuery::AddHint(const ui::Control& control, const std::string& text) {
  if (!hints_)
    hints_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, handle(), nullptr, nullptr, nullptr);
  if (!hints_) return;
  std::wstring wtext = base::wide(text);
  TTTOOLINFOW ti{};
  ti.cbSize = sizeof ti;
  ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  ti.hwnd = handle();
  ti.uId = reinterpret_cast<UINT_PTR>(control.handle());
  ti.lpszText = wtext.data();
  SendMessageW(hints_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
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
