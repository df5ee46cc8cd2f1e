#include "clock/clipboard/clip_form.h"

#include <memory>

#include "base/files.h"
#include "base/text.h"
#include "clock/commands/file_problem_text.h"
#include "clock/clipboard/clip_form_ids.h"
#include "clock/lists/drop_place.h"
#include "shared/prompts.h"
#include "ui/common_dialogs.h"
#include "ui/help_file.h"
#include "ui/popup_menu.h"

namespace tockle {

namespace {

constexpr size_t kHintBytes = 1024;
constexpr int kHelpTopic = 22, kListHelp = 103;
constexpr int kClientWidth = 473, kClientHeight = 370;

void winHelp(HWND owner, UINT command, DWORD data) { ui::openHelp(owner, command, data, ui::MissingHelp::OpenNothing); }

}  // namespace

std::string clipHint(std::string_view text) { return base::trim(base::cut(base::trim(text), kHintBytes)); }

bool setClipboardText(HWND owner, const std::string& text) {
  std::wstring w = base::wide(text);
  // Another program (Wine's clipboard manager after every change) may hold it for a moment.
  bool opened = false;
  for (int i = 0; i < 20 && !(opened = OpenClipboard(owner)); ++i) Sleep(10);
  if (!opened) return false;
  EmptyClipboard();
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (w.size() + 1) * sizeof(wchar_t));
  bool done = false;
  if (mem) {
    if (void* p = GlobalLock(mem)) {
      std::copy(w.c_str(), w.c_str() + w.size() + 1, static_cast<wchar_t*>(p));
      GlobalUnlock(mem);
      done = SetClipboardData(CF_UNICODETEXT, mem) != nullptr;
    }
    if (!done) GlobalFree(mem);
  }
  CloseClipboard();
  return done;
}

TfrmClip::TfrmClip(std::string historyFile)
    : ui::Dialog(nullptr, IDD_CLIP),
      lsvClip(this, IDC_CLIP_LIST, askDropAfterLast),
      btnOk(this, IDOK),
      btnCancel(this, IDCANCEL),
      btnApply(this, IDC_CLIP_APPLY),
      BitBtn4(this, IDC_CLIP_HELP),
      btnDelete(this, IDC_CLIP_DELETE),
      btnUpItem(this, IDC_CLIP_UP),
      btnDownItem(this, IDC_CLIP_DOWN),
      btnCopy(this, IDC_CLIP_COPY),
      btnClear(this, IDC_CLIP_CLEAR),
      chkShowAsHint(this, IDC_CLIP_SHOWASHINT),
      OpenHelp(winHelp),
      TrackMenu(ui::trackPopupMenu),
      historyFile_(std::move(historyFile)) {
  onCreate = [this] { FormCreate(); };
  onCloseQuery = [this] { return FormCloseQuery(); };
  onClose = [this] { FormClose(); };
  btnOk.onClick = [this] { btnOkClick(); };
  btnCancel.onClick = [this] { close(IDCANCEL); };
  btnApply.onClick = [this] { btnApplyClick(); };
  BitBtn4.onClick = [this] { OpenHelp(handle(), HELP_CONTEXT, kHelpTopic); };
  btnDelete.onClick = [this] { btnDeleteClick(); };
  btnUpItem.onClick = [this] { btnUpItemClick(0); };
  btnDownItem.onClick = [this] { btnUpItemClick(1); };
  btnCopy.onClick = [this] { btnCopyClick(); };
  btnClear.onClick = [this] { btnClearClick(); };
  lsvClip.OnDnDSuccess = [this] { btnApply.setEnabled(true); };
  lsvClip.onContextMenu = [this](POINT at) {
    base::Menu menu = ppmClipMenu();
    MenuCommand(TrackMenu(handle(), menu.get(), ui::contextMenuPoint(lsvClip.handle(), at)));
  };
}

void TfrmClip::FormCreate() {
  // The template's dialog units come to one pixel short of the window's height.
  setClientSize(kClientWidth, kClientHeight);
  lsvClip.setExtendedStyle(LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  lsvClip.addColumn("日付"_sj, 100);
  lsvClip.addColumn("クリップボード内容"_sj, 240);
  lsvClip.AcceptDnD = true;
  lsvClip.DnDThreshold = 0;
  lsvClip.SetTimerInterval(150);
  hints.add(btnUpItem.handle(), "選択アイテムを上へ"_sj);
  hints.add(btnDownItem.handle(), "選択アイテムを下へ"_sj);
  hints.add(chkShowAsHint.handle(), "選択したアイテムが入りきらないときにヒントとして表示"_sj);
  listHint_.setMaxWidth(400);
  listHint_.add(lsvClip.handle(), "クリップボード履歴の一覧"_sj);
  listMouse_.attach(lsvClip.handle(), [this](UINT msg, WPARAM, LPARAM, LRESULT&) {
    if (msg == WM_MOUSEMOVE) lsvClipMouseMove();
    return false;
  });
  const std::pair<ui::Control*, DWORD> help[] = {{&lsvClip, 103},     {&chkShowAsHint, 104}, {&btnUpItem, 105},
                                                 {&btnDownItem, 105}, {&btnDelete, 106},     {&btnClear, 107},
                                                 {&btnCopy, 108}};
  for (auto [control, topic] : help) SetWindowContextHelpId(control->handle(), topic);
  LoadHistory();
}

void TfrmClip::LoadHistory() {
  SendMessageW(lsvClip.handle(), WM_SETREDRAW, FALSE, 0);
  lsvClip.clear();
  try {
    shared::TKzHistoryFile file(historyFile_);
    for (shared::THistoryRecord& r : file.LoadRecords()) {
      std::string date = shared::TKzHistoryFile::DateText(r.Time);
      std::string text = r.Text;
      int row = lsvClip.addItem(date, std::make_shared<shared::THistoryRecord>(std::move(r)));
      lsvClip.setItemText(row, 1, text);
    }
  } catch (const std::exception&) {
    // A file that cannot be read (held by another program, a folder) shows as an empty list.
    if (OnUnreadable) OnUnreadable();
  }
  SendMessageW(lsvClip.handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(lsvClip.handle(), nullptr, TRUE);
  if (selectFirstOnLoad_ && lsvClip.count() > 0) lsvClip.setSelectedIndex(0);
  selectFirstOnLoad_ = false;
  Busy = false;
}

bool TfrmClip::FormCloseQuery() { return !Busy; }

void TfrmClip::FormClose() {
  if (OnClosed) OnClosed(chkShowAsHint.checked());
}

void TfrmClip::btnUpItemClick(int tag) {
  int row = lsvClip.selectedIndex();
  if (row < 0) return;
  lsvClip.setSelectedIndex(lsvClip.MoveItem(row, tag == 0 ? row - 1 : row + 2));
  btnApply.setEnabled(true);
}

void TfrmClip::btnDeleteClick() {
  int row = lsvClip.selectedIndex();
  if (row < 0) return;
  lsvClip.DeleteItem(row, false);
  btnApply.setEnabled(true);
}

void TfrmClip::btnClearClick() {
  if (shared::prompts().ask(handle(), "クリアしてよろしいですか？\r\n(キャンセルを押せば，保存せずに閉じられます)"_sj,
                            "クリアの確認"_sj, MB_YESNO | MB_ICONQUESTION) != IDYES)
    return;
  lsvClip.clear();
  btnApply.setEnabled(true);
}

void TfrmClip::btnCopyClick() {
  int row = lsvClip.selectedIndex();
  if (row < 0) return;
  // Copying is no edit of the list: the capture that follows records it and refreshes the list
  // without asking about edits.
  selectFirstOnLoad_ = true;
  setClipboardText(handle(), Record(row)->Text);
  if (lsvClip.count() > 0) lsvClip.setSelectedIndex(0);
}

void TfrmClip::mnuSaveItemClick() {
  int row = lsvClip.selectedIndex();
  if (row < 0) return;
  ui::FileDialogArgs args;
  args.filter = "テキストファイル(*.txt)|*.txt|全てのファイル(*.*)|*.*"_sj;
  args.defaultExt = "txt";
  args.flags = OFN_OVERWRITEPROMPT;
  if (!ui::commonDialogs().saveFile(handle(), args)) return;
  std::string text = "このアイテムは "_sj + lsvClip.itemText(row, 0) + " に保存されました"_sj + "\r\n\r\n" +
                     adjustLineBreaks(Record(row)->Text) + "\r\n";
  if (!base::writeFileAtomic(args.fileName, text))
    shared::prompts().ask(handle(), "ファイル "_sj + args.fileName + " に保存できませんでした"_sj, "保存エラー"_sj,
                          MB_OK | MB_ICONERROR);
}

void TfrmClip::btnApplyClick() {
  std::vector<shared::THistoryRecord> records;
  for (int row = 0; row < lsvClip.count(); ++row)
    if (const shared::THistoryRecord* r = Record(row))
      records.push_back({shared::TKzHistoryFile::WholeSeconds(r->Time), r->Text});
  shared::TKzHistoryFile file(historyFile_);
  try {
    file.SaveRecords(records);
  } catch (const std::exception&) {
    // The file stays as it was and the edits stay pending for another try.
    shared::prompts().ask(handle(),
                          "クリップボード履歴を保存できませんでした\r\nファイル "_sj + historyFile_ +
                              fileWriteProblemText(historyFile_) + "\r\n変更はまだ保存されていません"_sj,
                          "保存エラー"_sj, MB_OK | MB_ICONERROR);
    return;
  }
  btnApply.setEnabled(false);
  if (!file.KeptDamagedCopy.empty() && OnDamagedKept) OnDamagedKept(file.KeptDamagedCopy);
}

void TfrmClip::btnOkClick() {
  if (btnApply.enabled()) {
    btnApplyClick();
    if (btnApply.enabled()) return;
  }
  close(IDOK);
}

std::string TfrmClip::CurrentHint() const { return hint_; }

void TfrmClip::lsvClipMouseMove() {
  if (!chkShowAsHint.checked()) {
    hint_.clear();
    listHint_.setActive(false);
    return;
  }
  int row = lsvClip.selectedIndex();
  if (row < 0) return;
  const std::string& text = Record(row)->Text;
  HDC dc = GetDC(lsvClip.handle());
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(lsvClip.send(WM_GETFONT)));
  SIZE extent{};
  std::wstring w = base::wide(text);
  GetTextExtentPoint32W(dc, w.c_str(), static_cast<int>(w.size()), &extent);
  SelectObject(dc, old);
  ReleaseDC(lsvClip.handle(), dc);
  if (extent.cx > lsvClip.columnWidth(1)) {
    std::string hint = clipHint(text);
    if (hint != hint_) listHint_.add(lsvClip.handle(), hint);
    hint_ = hint;
    listHint_.setActive(true);
  } else {
    hint_.clear();
    listHint_.setActive(false);
  }
}

base::Menu TfrmClip::ppmClipMenu() const {
  return ui::popupMenu({{mnuClipDelete, "削除(&D)"_sj},
                        {mnuClipCopy, "コピー(&C)"_sj},
                        {0, ""},
                        {mnuClipClear, "クリア(&L)"_sj},
                        {0, ""},
                        {mnuClipSave, "ファイルに保存(&S)..."_sj},
                        {0, ""},
                        {mnuClipHelp, "ヘルプ(&H)"_sj}});
}

void TfrmClip::MenuCommand(UINT id) {
  switch (id) {
    case mnuClipDelete:
      btnDeleteClick();
      break;
    case mnuClipCopy:
      btnCopyClick();
      break;
    case mnuClipClear:
      btnClearClick();
      break;
    case mnuClipSave:
      mnuSaveItemClick();
      break;
    case mnuClipHelp:
      OpenHelp(handle(), HELP_CONTEXTPOPUP, kListHelp);
      break;
    default:
      break;
  }
}

}  // namespace tockle
