// The clock's settings dialog "環境設定 - Tockle 3": nine pages under tabs on several rows and
// the buttons OK, Cancel, Apply and Help. It opens in one of four modes over a copy of the clock's
// settings that its pages load from, keeps the changed-page flags, and on Apply or OK writes the
// flagged pages back into the copy and their files, has its host store the copy, and only when
// every step succeeded has the clock take the whole copy. A failed step puts back what the earlier
// steps wrote: the clock's settings, its files and its registry key stay as they were.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "clock/commands/command_list.h"
#include "clock/config/config_host.h"
#include "clock/config/config_page.h"
#include "clock/config/config_rules.h"
#include "ui/controls.h"
#include "ui/dialog.h"
#include "ui/page_host.h"

namespace tockle {

class TAlarmPage;
class TLauncherPage;

class TfrmConfig : public ui::Dialog {
 public:
  // Opens in a mode (ConfigModes) over its host; the window is created by showModal (or create).
  TfrmConfig(ConfigHost& host, uint8_t mode);
  ~TfrmConfig() override;

  ConfigHost& Host;
  const uint8_t ConfigMode;
  // The settings the pages edit: a copy of the clock's, taken as the dialog is made.
  TClockSettings Edited;
  uint8_t ChangedPages = 0;
  // The folder of the program's side files ("_command", "_hot3", "_system3", "_cache3").
  std::string ProgramFolder;
  // The registry key of the column widths (the clock's settings key).
  std::string RegistryKey;

  // Opens the help file (WinHelp command and data); tests record the calls.
  std::function<void(HWND, const std::string& helpFile, UINT command, DWORD data)> OpenHelp;

  // The command list read from "_command" as the dialog opens in mode 0 (LoadCommandList), before
  // any page's CommandList step: the system page's commands, the hot-key page's rows and the
  // entries of the mouse-button lists (Commands.MouseCommands()).
  CommandList Commands;
  // Reads "_command" into Commands; when it is missing: the critical error box, the program ends
  // and CommandFileMissing is set (nothing more is loaded, the dialog is not shown).
  bool LoadCommandList();
  // The critical error box of a missing "_command", then the end of the program.
  void CommandFileLost();
  bool CommandFileMissing = false;

  ui::PageHost pgcConfig;
  ui::Button btnOk, btnCancel, btnApply, btnHelp;

  // The pages in tab order; every page exists in every mode, only the tabs differ.
  std::array<std::unique_ptr<TConfigPage>, kConfigTabs> Pages;
  TLauncherPage& LauncherPage() const;
  TAlarmPage& AlarmPage() const;

  // The page (tab index) under the selected tab; -1 when none.
  int ActiveTab() const { return pgcConfig.activePage(); }

  // Marks pages as changed (ChangedPage flags); Apply follows at once.
  void SetChanged(uint8_t flags);

  // While a page's edit group is open its register button answers Enter and its cancel button Esc;
  // (nullptr, nullptr) gives the roles back to OK and Cancel.
  void SetEditButtons(ui::Button* registerButton, ui::Button* cancelButton);
  // While a caption is edited in place, Enter and Esc end that edit only.
  void SetInPlaceEdit(bool on);

  // A report-view list whose column widths are read under prefix + index when the dialog opens
  // (its design widths the defaults) and written back when it closes, in every mode, on OK and
  // on Cancel. Pages call it from their constructor's onCreate.
  void KeepColumnWidths(const ui::Control& list, std::string prefix);

  // The apply procedure; false when a step failed (the user was told, what the earlier steps
  // wrote is put back, the dialog stays open with the user's edits and their changed flags).
  bool ApplySettings(bool close);

  void FormCreate();
  void FormDestroy();
  void btnOkClick();
  void btnApplyClick();
  void btnHelpClick();
  // Opens a help topic of the application's help file as a context pop-up (HELP_CONTEXTPOPUP).
  void HelpPopup(int topic);

 protected:
  bool handleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;

 private:
  void layOut();
  void updateApply();
  void openHelp(UINT command, DWORD data);
  bool previewKey(MSG& msg);
  struct ColumnList {
    const ui::Control* list;
    std::string prefix;
  };
  std::vector<ColumnList> columnLists_;
  ui::Button* registerButton_ = nullptr;
  ui::Button* cancelButton_ = nullptr;
  bool inPlaceEdit_ = false;
  std::function<bool(MSG&)> previousHook_;
  bool hooked_ = false;
};

// Shows a made settings dialog: modally, unless a unit test put a look at the made dialog in its
// place. An empty function gives the modal showing back.
void showConfigDialog(TfrmConfig& dialog);
void setConfigDialogShow(std::function<void(TfrmConfig&)> replacement);

}  // namespace tockle
