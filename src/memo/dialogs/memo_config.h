// The memo's settings dialog: the tab list (order, new, rename at once, delete), the tab side and
// the tab-file prefix; the link, drop, reload, input-method and backup settings; the date and
// time formats with their previews. It is given a value, fills its controls from it and reads them
// back into it at OK; the dialog checks what is entered.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "memo/dialogs/config_ids.h"
#include "ui/dnd_list_box.h"
#include "memo/document/doc_format.h"
#include "memo/settings/memo_settings.h"
#include "ui/controls.h"
#include "ui/dialog.h"
#include "ui/page_host.h"
#include "ui/tooltip.h"

namespace memo {

struct FormatGroup;

// What the settings dialog edits: the settings (the tab-file prefix among them), the document's
// tabs in their order, and the document's format, against which new names are checked.
struct MemoConfig {
  TMemoSettings Settings;
  std::vector<std::string> Tabs;
  DocFormat Format = DocFormat::TypeIII;
};

// The settings the dialog edits, from one value into another (the rest of to stays).
void copyDialogSettings(const TMemoSettings& from, TMemoSettings& to);

class TfrmConfig : public ui::Dialog {
 public:
  TfrmConfig(HWND owner, MemoConfig value);

  // What the dialog reaches the document through (the caller sets them).
  // Renames a tab of the document at once; false when the document refused.
  std::function<bool(const std::string& oldName, const std::string& newName)> RenameTab;
  // Runs at OK with the value as the controls left it, before the dialog closes; false keeps it
  // open (it has said why).
  std::function<bool(const MemoConfig&)> OnApply;
  // Opens the help file: a page's topic (HELP_CONTEXT) or a control's pop-up (HELP_CONTEXTPOPUP);
  // WinHelp on the program's help file unless the caller routes it.
  std::function<void(UINT command, ULONG_PTR context)> ShowHelp;
  // The value given; after OK, what the controls held.
  const MemoConfig& value() const { return value_; }

  ui::PageHost PageControl1{this, IDC_MCFG_PAGES};
  ui::Page tbsTabs;
  ui::Page tbsGeneral;
  ui::Page tbsDateTime;
  ui::Button btnOk{this, IDOK};
  ui::Button btnCancel{this, IDCANCEL};
  ui::Button BitBtn4{this, IDC_MCFG_HELP};

  ui::TKzDnDListBox lsbTabOrder{&tbsTabs, IDC_MCFG_TABLIST};
  ui::Button btnUp{&tbsTabs, IDC_MCFG_UP};
  ui::Button btnDown{&tbsTabs, IDC_MCFG_DOWN};
  ui::Button btnCreateNewTab{&tbsTabs, IDC_MCFG_NEWTAB};
  ui::Button btnChangeName{&tbsTabs, IDC_MCFG_RENAME};
  ui::Button btnDelete{&tbsTabs, IDC_MCFG_DELETE};
  ui::RadioButton rdgTabPosition[4] = {
      {&tbsTabs, IDC_MCFG_POS0}, {&tbsTabs, IDC_MCFG_POS1}, {&tbsTabs, IDC_MCFG_POS2}, {&tbsTabs, IDC_MCFG_POS3}};
  ui::Edit edtSeparatedHeader{&tbsTabs, IDC_MCFG_HEADER};

  ui::CheckBox chkUrl{&tbsGeneral, IDC_MCFG_URL};
  ui::CheckBox chkEmail{&tbsGeneral, IDC_MCFG_EMAIL};
  ui::CheckBox chkLocal{&tbsGeneral, IDC_MCFG_LOCAL};
  ui::CheckBox chkHotLink{&tbsGeneral, IDC_MCFG_HOTLINK};
  ui::CheckBox chkForceFix{&tbsGeneral, IDC_MCFG_FORCEFIX};
  ui::CheckBox chkUseDrop{&tbsGeneral, IDC_MCFG_DROP};
  ui::CheckBox chkAutoOpenText{&tbsGeneral, IDC_MCFG_AUTOOPEN};
  ui::RadioButton rdgReload[3] = {
      {&tbsGeneral, IDC_MCFG_RELOAD0}, {&tbsGeneral, IDC_MCFG_RELOAD1}, {&tbsGeneral, IDC_MCFG_RELOAD2}};
  ui::CheckBox chkFEPOnWhenStart{&tbsGeneral, IDC_MCFG_FEP};
  ui::CheckBox chkCreateBackup{&tbsGeneral, IDC_MCFG_BACKUP};

  ui::RadioButton rdbDateWin{&tbsDateTime, IDC_MCFG_DATE_WIN};
  ui::RadioButton rdbDateCustom{&tbsDateTime, IDC_MCFG_DATE_CUSTOM};
  ui::RadioButton rdbDateLong{&tbsDateTime, IDC_MCFG_DATE_LONG};
  ui::RadioButton rdbDateShort{&tbsDateTime, IDC_MCFG_DATE_SHORT};
  ui::ComboBox cbbDateCustom{&tbsDateTime, IDC_MCFG_DATE_FORMAT};
  ui::Label lblDatePreview{&tbsDateTime, IDC_MCFG_DATE_PREVIEW};
  ui::RadioButton rdbTimeWin{&tbsDateTime, IDC_MCFG_TIME_WIN};
  ui::RadioButton rdbTimeCustom{&tbsDateTime, IDC_MCFG_TIME_CUSTOM};
  ui::RadioButton rdbTimeLong{&tbsDateTime, IDC_MCFG_TIME_LONG};
  ui::RadioButton rdbTimeShort{&tbsDateTime, IDC_MCFG_TIME_SHORT};
  ui::ComboBox cbbTimeCustom{&tbsDateTime, IDC_MCFG_TIME_FORMAT};
  ui::Label lblTimePreview{&tbsDateTime, IDC_MCFG_TIME_PREVIEW};
  ui::Tooltip hints;

  // The radio groups as numbers.
  int tabPosition() const;
  void setTabPosition(int side);
  int reloadOption() const;
  void setReloadOption(int option);
  // The stored date and time formats ("dddddd"/"ddddd", "tt"/"t", else custom) to the controls
  // and back.
  void setDateFormat(const std::string& format);
  std::string dateFormat();
  void setTimeFormat(const std::string& format);
  std::string timeFormat();
  // The tab list's tab names.
  void setTabNames(const std::vector<std::string>& names);
  std::vector<std::string> tabNames() const { return lsbTabOrder.items(); }

  void btnUpClick(bool down);
  void btnCreateNewTabClick();
  void btnChangeNameClick();
  void btnDeleteClick();
  void DatePreview();
  void TimePreview();
  void BitBtn4Click();
  void UpdateTabListExtent();
  void btnOkClick();

 protected:
  bool handleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;

 private:
  // The value into the controls (at creation), and the controls back into it (at OK).
  void loadControls();
  void saveControls();
  FormatGroup dateGroup();
  FormatGroup timeGroup();
  void addHints();
  void addHelpContexts();
  // An entered name fit for a tab: refused with a box when it is not. Duplicates are the caller's.
  bool acceptableName(const std::string& name);
  bool taken(const std::string& name) const;

  MemoConfig value_;
  // The document's tabs as renamed in the dialog: a new name must not take one of them.
  std::vector<std::string> documentTabs_;
};

// A tab-file prefix that, with any tab name after it, still gives a bare file name in the
// document's folder (no separator, drive, "..", device name, wildcard).
bool isValidTabFilePrefix(std::string_view prefix);

}  // namespace memo
