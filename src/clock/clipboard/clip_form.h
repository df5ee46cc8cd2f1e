// The clipboard history window "クリップボード履歴 - Tockle 3": the history newest first, where the
// user copies an entry back, reorders, deletes and clears entries and saves one to a text file.
// Edits stay in the list until Apply or OK writes the list back to the file; each row keeps its
// record as stored (time and bytes), so writing back never depends on how a date is shown.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "base/handles.h"
#include "clock/clipboard/clip_capture.h"
#include "ui/dnd_list_view.h"
#include "shared/history_file.h"
#include "ui/controls.h"
#include "ui/dialog.h"
#include "ui/subclass.h"
#include "ui/tooltip.h"

namespace tockle {

// The hint of an entry: its text without blanks and control characters at both ends, cut to 1024
// bytes on a character boundary.
std::string clipHint(std::string_view text);

// Puts text (CP932) on the clipboard as text; false when the clipboard stayed held by another
// program.
bool setClipboardText(HWND owner, const std::string& text);

// Command ids of the list's pop-up menu.
enum ClipMenuCommand : UINT { mnuClipDelete = 1, mnuClipCopy, mnuClipClear, mnuClipSave, mnuClipHelp };

class TfrmClip : public ui::Dialog, public IClipHistoryWindow {
 public:
  // historyFile: the full path of "_history3".
  explicit TfrmClip(std::string historyFile);

  ui::TKzDnDListView lsvClip;
  ui::Button btnOk, btnCancel, btnApply, BitBtn4, btnDelete, btnUpItem, btnDownItem, btnCopy, btnClear;
  ui::CheckBox chkShowAsHint;
  bool Busy = false;

  // Opens help (command, data); WinHelp on the program's help file by default.
  std::function<void(HWND, UINT command, DWORD data)> OpenHelp;
  // Shows a pop-up menu at a screen point and answers the chosen command (0: none).
  std::function<UINT(HWND owner, HMENU menu, POINT at)> TrackMenu;
  // Runs when the window closes, with the state of the hint box.
  std::function<void(bool showAsHint)> OnClosed;
  // The history file could not be read: the list shows empty.
  std::function<void()> OnUnreadable;
  // Apply rewrote a damaged history file and kept it beside as this copy.
  std::function<void(const std::string& copy)> OnDamagedKept;

  // IClipHistoryWindow.
  HWND WindowHandle() const override { return handle(); }
  bool ApplyEnabled() const override { return btnApply.enabled(); }
  void SetBusy(bool busy) override { Busy = busy; }
  void ApplyEdits() override { btnApplyClick(); }
  void DropEdits() override { btnApply.setEnabled(false); }
  void LoadHistory() override;

  // The row's record.
  const shared::THistoryRecord* Record(int row) const { return lsvClip.value<shared::THistoryRecord>(row); }
  // The hint the list shows now ("" when none).
  std::string CurrentHint() const;

  void FormCreate();
  bool FormCloseQuery();
  void FormClose();
  void btnUpItemClick(int tag);
  void btnDeleteClick();
  void btnClearClick();
  void btnCopyClick();
  void mnuSaveItemClick();
  void btnApplyClick();
  void btnOkClick();
  void lsvClipMouseMove();
  base::Menu ppmClipMenu() const;
  void MenuCommand(UINT id);

 private:
  std::string historyFile_;
  ui::Tooltip hints;
  ui::Tooltip listHint_;
  ui::Subclass listMouse_;
  std::string hint_;
  bool selectFirstOnLoad_ = false;
};

}  // namespace tockle
