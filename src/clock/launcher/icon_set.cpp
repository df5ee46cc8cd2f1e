#include "clock/launcher/icon_set.h"

#include "base/files.h"
#include "base/text.h"
#include "clock/launcher/app_icon.h"
#include "clock/launcher/icon_set_ids.h"
#include "ui/common_dialogs.h"

namespace tockle {

TfrmIconSet::TfrmIconSet(HWND owner, std::string file, std::string icon)
    : ui::Dialog(owner, IDD_ICON_SET),
      edtIconLocation(this, IDC_ICON_LOCATION),
      btnSelect(this, IDC_ICON_SELECT),
      btnOK(this, IDOK),
      btnCancel(this, IDCANCEL),
      lsvIconList(this, IDC_ICON_LIST),
      file_(std::move(file)),
      icon_(std::move(icon)) {
  onCreate = [this] { FormCreate(); };
  edtIconLocation.onChange = [this] { edtIconLocationChange(); };
  btnSelect.onClick = [this] { btnSelectClick(); };
  btnOK.onClick = [this] { btnOKClick(); };
  btnCancel.onClick = [this] { close(IDCANCEL); };
  lsvIconList.onDoubleClick = [this] { lsvIconListDblClick(); };
  // The answers outlive the window.
  onClose = [this] {
    file_ = FileName();
    icon_ = SelectedIcon();
    closed_ = true;
  };
}

void TfrmIconSet::FormCreate() {
  lsvIconList.setImageList(iglIconList, LVSIL_NORMAL);
  hints.add(edtIconLocation.handle(), "アイコンファイルの所在地を入力"_sj);
  hints.add(btnSelect.handle(), "アイコンファイルを選択する"_sj);
  hints.add(lsvIconList.handle(), "アイコンを選択する"_sj);
  // Setting the text fills the list.
  edtIconLocation.setText(file_);
  Preselect(icon_);
}

std::string TfrmIconSet::FileName() const { return closed_ ? file_ : edtIconLocation.text(); }

std::string TfrmIconSet::SelectedIcon() const {
  if (closed_) return icon_;
  int row = lsvIconList.selectedIndex();
  return row < 0 ? std::string() : lsvIconList.itemText(row);
}

void TfrmIconSet::edtIconLocationChange() {
  TKzGetAppIcon reader;
  reader.SetFileName(edtIconLocation.text());
  lsvIconList.clear();
  iglIconList.clear();
  reader.SetBackColor(ui::systemColor(COLOR_WINDOW));
  reader.SetIconSize(32);
  for (int k = 0; k < reader.IconCount; ++k) {
    reader.GetIcon(k);
    base::GdiBitmap image = reader.CopyBitmap();
    iglIconList.add(image.get());
    lsvIconList.addItem(std::to_string(k), nullptr, k);
  }
}

void TfrmIconSet::btnSelectClick() {
  ui::FileDialogArgs args;
  args.title = "アイコンファイルの選択"_sj;
  args.filter = "Windows 実行形式(*.exe;*.dll)|*.exe;*.dll|アイコンファイル(*.ico)|*.ico|全てのファイル(*.*)|*.*"_sj;
  args.flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_ENABLESIZING;
  if (ui::commonDialogs().openFile(handle(), args)) edtIconLocation.setText(args.fileName);
}

void TfrmIconSet::Preselect(const std::string& text) {
  for (int i = 0; i < lsvIconList.count(); ++i)
    if (lsvIconList.itemText(i).starts_with(text)) {
      lsvIconList.setSelectedIndex(i);
      return;
    }
  lsvIconList.setSelectedIndex(-1);
}

void TfrmIconSet::btnOKClick() {
  if (lsvIconList.selectedIndex() < 0) {
    // Without a pick the file's first icon is taken; a file without icons ends as Cancel.
    TKzGetAppIcon reader;
    reader.SetFileName(edtIconLocation.text());
    if (reader.IconCount < 1 || lsvIconList.count() < 1) {
      close(IDCANCEL);
      return;
    }
    Preselect("0");
  }
  close(IDOK);
}

void TfrmIconSet::lsvIconListDblClick() { btnOKClick(); }

bool PickIcon(HWND owner, std::string& file, std::string& icon) {
  TfrmIconSet dialog(owner, file, icon);
  if (dialog.showModal() != IDOK) return false;
  file = dialog.FileName();
  icon = dialog.SelectedIcon();
  return !icon.empty();
}

}  // namespace tockle
