#include "memo/dialogs/memo_config.h"

#include <algorithm>
#include <utility>

#include "base/datetime.h"
#include "base/text.h"
#include "memo/document/tab_name.h"
#include "ui/context_help.h"
#include "shared/prompts.h"
#include "ui/help_file.h"

namespace memo {

namespace {

const char* const kDateFormats[] = {"yyyy\"年\"mm\"月\"dd\"日\"dddd",
                                    "yyyy\"年\"m\"月\"d\"日(\"ddd\")\"",
                                    "yy\"年\"m\"月\"d\"日\"",
                                    "yyyy/mm/dd",
                                    "yyyy/m/d",
                                    "gggee\"年\"m\"月\"d\"日\""};
const char* const kTimeFormats[] = {"hh\"時\"nn\"分\"ss\"秒\"", "h\"時\"n\"分\"", "AM/PM h\"時\"n\"分\"", "hh:nn",
                                    "hh:nnAM/PM"};
// A radio group as the index of its checked button (none: otherwise), and back.
template <size_t N>
int checkedIndex(const ui::RadioButton (&group)[N], int otherwise) {
  for (size_t i = 0; i < N; ++i)
    if (group[i].checked()) return static_cast<int>(i);
  return otherwise;
}
template <size_t N>
void checkIndex(ui::RadioButton (&group)[N], int index) {
  for (size_t i = 0; i < N; ++i) group[i].setChecked(static_cast<int>(i) == index);
}

// Help contexts of the pages, in page order.
constexpr ULONG_PTR kPageHelp[] = {13, 14, 15};

}  // namespace

bool isValidTabFilePrefix(std::string_view prefix) {
  if (prefix.find_first_of("\\/:*?\"<>|") != std::string_view::npos) return false;
  if (prefix.find("..") != std::string_view::npos || prefix.starts_with('.')) return false;
  for (unsigned char c : prefix)
    if (c < 32) return false;
  // A device name stays one whatever follows as the tab name's extension: "CON" + ".txt".
  return prefix.empty() || !isDeviceName(prefix);
}

void copyDialogSettings(const TMemoSettings& from, TMemoSettings& to) {
  to.TabPosition = from.TabPosition;
  to.SeparatedHeader = from.SeparatedHeader;
  to.UseUrl = from.UseUrl;
  to.UseEmail = from.UseEmail;
  to.UseLocal = from.UseLocal;
  to.HotLink = from.HotLink;
  to.ForceFix = from.ForceFix;
  to.DropAccept = from.DropAccept;
  to.AutoOpenText = from.AutoOpenText;
  to.ReloadOption = from.ReloadOption;
  to.FEPOnWhenStart = from.FEPOnWhenStart;
  to.NeedBackup = from.NeedBackup;
  to.InsertDateType = from.InsertDateType;
  to.InsertTimeType = from.InsertTimeType;
}

TfrmConfig::TfrmConfig(HWND owner, MemoConfig value)
    : Dialog(owner, IDD_MEMO_CONFIG),
      tbsTabs(PageControl1, IDD_MCFG_TABS, "タブ編集"_sj),
      tbsGeneral(PageControl1, IDD_MCFG_GENERAL, "全般"_sj),
      tbsDateTime(PageControl1, IDD_MCFG_DATETIME, "日付/時刻の形式"_sj),
      value_(std::move(value)),
      documentTabs_(value_.Tabs) {
  ShowHelp = [this](UINT command, ULONG_PTR context) { ui::openHelp(handle(), command, context); };
  btnOk.onClick = [this] { btnOkClick(); };
  BitBtn4.onClick = [this] { BitBtn4Click(); };
  btnUp.onClick = [this] { btnUpClick(false); };
  btnDown.onClick = [this] { btnUpClick(true); };
  btnCreateNewTab.onClick = [this] { btnCreateNewTabClick(); };
  btnChangeName.onClick = [this] { btnChangeNameClick(); };
  btnDelete.onClick = [this] { btnDeleteClick(); };
  for (ui::RadioButton* r : {&rdbDateWin, &rdbDateCustom, &rdbDateLong, &rdbDateShort})
    r->onClick = [this] { DatePreview(); };
  for (ui::RadioButton* r : {&rdbTimeWin, &rdbTimeCustom, &rdbTimeLong, &rdbTimeShort})
    r->onClick = [this] { TimePreview(); };
  // The list's own keys: Insert adds a tab, Delete removes the selected name (as its button's
  // hint says).
  lsbTabOrder.onKeyDown = [this](WORD vk) {
    if (vk == VK_INSERT) btnCreateNewTabClick();
    if (vk == VK_DELETE) btnDeleteClick();
    return vk == VK_INSERT || vk == VK_DELETE;
  };
  cbbDateCustom.onChange = [this] { DatePreview(); };
  cbbTimeCustom.onChange = [this] { TimePreview(); };
  onCreate = [this] {
    setCaption("環境設定 - Tavelo 3"_sj);
    for (const char* f : kDateFormats) cbbDateCustom.add(base::fromUtf8(f));
    for (const char* f : kTimeFormats) cbbTimeCustom.add(base::fromUtf8(f));
    rdbDateLong.setChecked(true);
    rdbTimeLong.setChecked(true);
    addHints();
    addHelpContexts();
    loadControls();
  };
  onShow = [this] { UpdateTabListExtent(); };
}

void TfrmConfig::loadControls() {
  const TMemoSettings& s = value_.Settings;
  setTabNames(value_.Tabs);
  setTabPosition(s.TabPosition);
  chkUrl.setChecked(s.UseUrl);
  chkEmail.setChecked(s.UseEmail);
  chkLocal.setChecked(s.UseLocal);
  chkHotLink.setChecked(s.HotLink);
  chkUseDrop.setChecked(s.DropAccept);
  chkAutoOpenText.setChecked(s.AutoOpenText);
  setReloadOption(s.ReloadOption);
  chkFEPOnWhenStart.setChecked(s.FEPOnWhenStart);
  chkCreateBackup.setChecked(s.NeedBackup);
  setDateFormat(s.InsertDateType);
  setTimeFormat(s.InsertTimeType);
  chkForceFix.setChecked(s.ForceFix);
  edtSeparatedHeader.setText(s.SeparatedHeader);
}

void TfrmConfig::saveControls() {
  TMemoSettings& s = value_.Settings;
  value_.Tabs = tabNames();
  s.TabPosition = tabPosition();
  s.UseUrl = chkUrl.checked();
  s.UseEmail = chkEmail.checked();
  s.UseLocal = chkLocal.checked();
  s.HotLink = chkHotLink.checked();
  s.DropAccept = chkUseDrop.checked();
  s.AutoOpenText = chkAutoOpenText.checked();
  s.ReloadOption = static_cast<uint8_t>(reloadOption());
  s.FEPOnWhenStart = chkFEPOnWhenStart.checked();
  s.NeedBackup = chkCreateBackup.checked();
  s.ForceFix = chkForceFix.checked();
  s.SeparatedHeader = edtSeparatedHeader.text();
  s.InsertDateType = dateFormat();
  s.InsertTimeType = timeFormat();
}

void TfrmConfig::addHints() {
  // A hint's part before the bar shows at its control; the part after it is the long form for a
  // status line, which this dialog has not.
  std::string rename = "タブ名の変更|タブ名を変更します(直ぐに反映されます)"_sj;
  hints.add(lsbTabOrder.handle(), "メモファイルのタブ一覧"_sj);
  hints.add(btnUp.handle(), "上へ"_sj);
  hints.add(btnDown.handle(), "下へ"_sj);
  hints.add(btnCreateNewTab.handle(), "新規タブ作成 (Ins)"_sj);
  hints.add(btnChangeName.handle(), rename.substr(0, rename.find('|')));
  hints.add(btnDelete.handle(), "タブ削除 (Del)"_sj);
  for (const ui::RadioButton& r : rdgTabPosition) hints.add(r.handle(), "タブの位置を変更する"_sj);
  hints.add(edtSeparatedHeader.handle(), "外部ファイル名の前に指定した文字列が着くようになる(新規に決まるときのみ)"_sj);
  // The combo boxes' edit fields take the mouse over most of them: they show the hint too.
  for (const ui::ComboBox* c : {&cbbDateCustom, &cbbTimeCustom})
    for (HWND h : {c->handle(), GetWindow(c->handle(), GW_CHILD)}) hints.add(h, "時計の表示形式を選択もしくは設定"_sj);
}

void TfrmConfig::addHelpContexts() {
  ui::setHelpContexts({{lsbTabOrder, 41},        {btnUp, 42},           {btnDown, 42},
                       {btnCreateNewTab, 43},    {btnChangeName, 44},   {btnDelete, 45},
                       {edtSeparatedHeader, 66}, {chkUrl, 47},          {chkEmail, 48},
                       {chkLocal, 49},           {chkHotLink, 87},      {chkForceFix, 61},
                       {chkUseDrop, 50},         {chkAutoOpenText, 51}, {chkFEPOnWhenStart, 88},
                       {chkCreateBackup, 53},    {rdbDateWin, 54},      {rdbTimeWin, 54},
                       {rdbDateShort, 55},       {rdbTimeShort, 55},    {rdbDateLong, 56},
                       {rdbTimeLong, 56},        {rdbDateCustom, 57},   {rdbTimeCustom, 57},
                       {cbbDateCustom, 57},      {cbbTimeCustom, 57}});
  for (const ui::RadioButton& r : rdgTabPosition) ui::setHelpContexts({{r, 46}});
  for (const ui::RadioButton& r : rdgReload) ui::setHelpContexts({{r, 52}});
}

bool TfrmConfig::handleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) {
  // A control's help, asked for with the caption's help button or F1, as a pop-up.
  if (ui::answerHelp(msg, lp, result, ShowHelp)) return true;
  // Enter anywhere is OK through the same checks as the button.
  if (msg == WM_COMMAND && LOWORD(wp) == IDOK) {
    btnOkClick();
    result = TRUE;
    return true;
  }
  return Dialog::handleMessage(msg, wp, lp, result);
}

int TfrmConfig::tabPosition() const { return checkedIndex(rdgTabPosition, 0); }
void TfrmConfig::setTabPosition(int side) { checkIndex(rdgTabPosition, side); }
int TfrmConfig::reloadOption() const { return checkedIndex(rdgReload, 1); }
void TfrmConfig::setReloadOption(int option) { checkIndex(rdgReload, option); }

// One format group: "Windows" with the long or the short form (stored as their codes), or the
// custom text.
struct FormatGroup {
  const char* longCode;
  const char* shortCode;
  ui::RadioButton& windows;
  ui::RadioButton& custom;
  ui::RadioButton& longForm;
  ui::RadioButton& shortForm;
  ui::ComboBox& text;

  void set(const std::string& format) const {
    bool fromWindows = format == longCode || format == shortCode;
    windows.setChecked(fromWindows);
    custom.setChecked(!fromWindows);
    if (!fromWindows) {
      text.setText(format);
      return;
    }
    longForm.setChecked(format == longCode);
    shortForm.setChecked(format != longCode);
  }
  std::string get() const { return windows.checked() ? (longForm.checked() ? longCode : shortCode) : text.text(); }
};

FormatGroup TfrmConfig::dateGroup() {
  return {"dddddd", "ddddd", rdbDateWin, rdbDateCustom, rdbDateLong, rdbDateShort, cbbDateCustom};
}

FormatGroup TfrmConfig::timeGroup() {
  return {"tt", "t", rdbTimeWin, rdbTimeCustom, rdbTimeLong, rdbTimeShort, cbbTimeCustom};
}

void TfrmConfig::setDateFormat(const std::string& format) {
  dateGroup().set(format);
  DatePreview();
}
std::string TfrmConfig::dateFormat() { return dateGroup().get(); }
void TfrmConfig::setTimeFormat(const std::string& format) {
  timeGroup().set(format);
  TimePreview();
}
std::string TfrmConfig::timeFormat() { return timeGroup().get(); }

void TfrmConfig::DatePreview() {
  lblDatePreview.setText("プレビュー: "_sj + base::formatDateTime(dateFormat(), base::now()));
}
void TfrmConfig::TimePreview() {
  lblTimePreview.setText("プレビュー: "_sj + base::formatDateTime(timeFormat(), base::now()));
}

void TfrmConfig::setTabNames(const std::vector<std::string>& names) {
  lsbTabOrder.clear();
  for (const std::string& n : names) lsbTabOrder.add(n);
  UpdateTabListExtent();
}

void TfrmConfig::UpdateTabListExtent() {
  HDC dc = GetDC(lsbTabOrder.handle());
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(lsbTabOrder.send(WM_GETFONT)));
  int widest = 0;
  for (const std::string& name : lsbTabOrder.items()) {
    std::wstring w = base::wide(name);
    SIZE size{};
    GetTextExtentPoint32W(dc, w.c_str(), static_cast<int>(w.size()), &size);
    widest = std::max(widest, static_cast<int>(size.cx));
  }
  SelectObject(dc, old);
  ReleaseDC(lsbTabOrder.handle(), dc);
  lsbTabOrder.send(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 4));
}

void TfrmConfig::btnUpClick(bool down) { lsbTabOrder.MoveNext(down); }

bool TfrmConfig::taken(const std::string& name) const {
  auto in = [&](const std::vector<std::string>& names) {
    return std::any_of(names.begin(), names.end(), [&](const std::string& n) { return sameTabName(n, name); });
  };
  return in(tabNames()) || in(documentTabs_);
}

bool TfrmConfig::acceptableName(const std::string& name) {
  if (isValidTabName(name, value_.Format)) return true;
  shared::prompts().ask(handle(), "このタブ名は使用できません"_sj, "タブ名エラー"_sj, MB_OK | MB_ICONINFORMATION);
  return false;
}

void TfrmConfig::btnCreateNewTabClick() {
  std::string defaultName;
  for (int n = 1;; ++n) {
    defaultName = "タブ"_sj + std::to_string(n);
    if (!taken(defaultName)) break;
  }
  std::string name = defaultName;
  if (!shared::prompts().inputQuery(handle(), "新規タブ名"_sj, "タブ名を入力して下さい"_sj, name)) return;
  if (!acceptableName(name)) return;
  if (taken(name)) {
    shared::prompts().ask(handle(), "その名前は既に存在します\r\nデフォルトの名前で追加します"_sj,
                          "タブ名だぶりエラー"_sj, MB_OK | MB_ICONINFORMATION);
    name = defaultName;
  }
  lsbTabOrder.add(name);
  UpdateTabListExtent();
}

void TfrmConfig::btnChangeNameClick() {
  int i = lsbTabOrder.itemIndex();
  if (i < 0) return;
  std::string oldName = lsbTabOrder.item(i);
  std::string name = oldName;
  if (!shared::prompts().inputQuery(handle(), "タブ名の変更"_sj, "変更する名前を入力して下さい(直ぐ反映)"_sj, name)) {
    UpdateTabListExtent();
    return;
  }
  if (!acceptableName(name)) return;
  if (taken(name)) {
    shared::prompts().ask(handle(), "その名前は既に存在します\r\n設定は失敗しました"_sj, "タブ名だぶりエラー"_sj,
                          MB_OK | MB_ICONINFORMATION);
    return;
  }
  if (RenameTab && RenameTab(oldName, name)) {
    lsbTabOrder.setItem(i, name);
    lsbTabOrder.setItemIndex(i);
    for (std::string& n : documentTabs_)
      if (sameTabName(n, oldName)) n = name;
  } else {
    shared::prompts().ask(handle(), "変更に失敗しました"_sj, "システムエラー"_sj, MB_OK | MB_ICONERROR);
  }
  UpdateTabListExtent();
}

void TfrmConfig::btnDeleteClick() {
  lsbTabOrder.SelectedDelete();
  UpdateTabListExtent();
}

void TfrmConfig::BitBtn4Click() {
  int page = PageControl1.activePage();
  if (page >= 0 && page < 3) ShowHelp(HELP_CONTEXT, kPageHelp[page]);
}

void TfrmConfig::btnOkClick() {
  if (!isValidTabFilePrefix(edtSeparatedHeader.text())) {
    shared::prompts().ask(handle(), "分割形式ファイル名の接頭文字に使えない文字があります"_sj, "環境設定"_sj,
                          MB_OK | MB_ICONINFORMATION);
    return;
  }
  saveControls();
  if (OnApply && !OnApply(value_)) return;
  close(IDOK);
}

}  // namespace memo
