#include "memo/clock_link/history_chooser.h"

#include <commctrl.h>

#include "base/text.h"
#include "memo/clock_link/history_chooser_ids.h"
#include "ui/context_help.h"
#include "ui/help_file.h"

namespace memo {

namespace {
constexpr ULONG_PTR kHelpContext = 84;
constexpr size_t kHintBytes = 1024;
}  // namespace

HistoryChooser::HistoryChooser(HWND owner, std::vector<std::string> items)
    : Dialog(owner, IDD_MEMO_CLIP),
      lblClip{this, IDC_CLIP_LABEL},
      lsvClip{this, IDC_CLIP_LIST},
      chkShowAsHint{this, IDC_CLIP_SHOW_HINT},
      btnOk{this, IDOK},
      btnCancel{this, IDCANCEL},
      BitBtn4{this, IDC_CLIP_HELP},
      items_(std::move(items)) {
  onCreate = [this] { FormCreate(); };
  btnOk.onClick = [this] { close(IDOK); };
  btnCancel.onClick = [this] { btnCancelClick(); };
  BitBtn4.onClick = [this] { BitBtn4Click(); };
  ShowHelp = [this](UINT command, ULONG_PTR context) { ui::openHelp(handle(), command, context); };
}

void HistoryChooser::FormCreate() {
  lsvClip.setExtendedStyle(LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  lsvClip.addColumn("日付"_sj, 100);
  lsvClip.addColumn("クリップボード内容"_sj, 240);
  chkShowAsHint.setChecked(true);
  hints_.add(chkShowAsHint.handle(), "選択したアイテムが入りきらないときにヒントとして表示"_sj);
  listTip_.setMaxWidth(400);
  listTip_.add(lsvClip.handle(), "クリップボード履歴の一覧"_sj);
  ui::setHelpContexts({{lsvClip, 59}, {chkShowAsHint, 60}});
  listMouse_.attach(lsvClip.handle(), [this](UINT msg, WPARAM, LPARAM, LRESULT&) {
    if (msg == WM_MOUSEMOVE) lsvClipMouseMove();
    return false;
  });
  LoadHistory();
}

void HistoryChooser::LoadHistory() {
  SendMessageW(lsvClip.handle(), WM_SETREDRAW, FALSE, 0);
  lsvClip.clear();
  for (size_t i = 0; i + 1 < items_.size(); i += 2) {
    int row = lsvClip.addItem(items_[i]);
    lsvClip.setItemText(row, 1, items_[i + 1]);
  }
  SendMessageW(lsvClip.handle(), WM_SETREDRAW, TRUE, 0);
}

std::optional<std::string> HistoryChooser::selectedText() const {
  int row = lsvClip.selectedIndex();
  if (row < 0 || static_cast<size_t>(row) * 2 + 1 >= items_.size()) return std::nullopt;
  // The text as the file holds it: the list's own copy may be cut.
  return items_[static_cast<size_t>(row) * 2 + 1];
}

void HistoryChooser::lsvClipMouseMove() {
  if (!chkShowAsHint.checked()) {
    listHintOn_ = false;
    listTip_.setActive(false);
    return;
  }
  std::optional<std::string> text = selectedText();
  if (!text) return;
  std::wstring shown = base::wide(*text);
  int width =
      static_cast<int>(SendMessageW(lsvClip.handle(), LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(shown.c_str())));
  listHintOn_ = width > lsvClip.columnWidth(1);
  if (listHintOn_) listTip_.add(lsvClip.handle(), base::trim(base::cut(*text, kHintBytes)));
  listTip_.setActive(listHintOn_);
}

std::string HistoryChooser::listHint() const { return listHintOn_ ? listTip_.text(lsvClip.handle()) : std::string(); }

void HistoryChooser::btnCancelClick() { close(IDCANCEL); }

void HistoryChooser::BitBtn4Click() { ShowHelp(HELP_CONTEXT, kHelpContext); }

bool HistoryChooser::handleMessage(UINT msg, WPARAM, LPARAM lp, INT_PTR& result) {
  // A control's help, asked for with the caption's help button or F1, as a pop-up.
  return ui::answerHelp(msg, lp, result, ShowHelp);
}

std::optional<std::string> chooseHistoryText(HWND owner, const std::vector<std::string>& items) {
  HistoryChooser dialog(owner, items);
  dialog.onCreate = [&dialog, create = dialog.onCreate] {
    create();
    dialog.setCaption("クリップボード履歴の挿入 - Tavelo 3"_sj);
  };
  std::optional<std::string> chosen;
  dialog.onClose = [&] {
    if (dialog.modalResult() == IDOK) chosen = dialog.selectedText();
  };
  if (dialog.showModal() != IDOK) return std::nullopt;
  return chosen;
}

}  // namespace memo
