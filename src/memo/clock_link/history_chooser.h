// The clipboard history chooser: the clock's history (date and text, newest first) in a
// read-only list; OK answers the chosen row's text.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/dialog.h"
#include "ui/list_view.h"
#include "ui/subclass.h"
#include "ui/tooltip.h"

namespace memo {

class HistoryChooser : public ui::Dialog {
 public:
  // items: date text and clip text alternating, in the order the rows show them.
  HistoryChooser(HWND owner, std::vector<std::string> items);

  ui::Label lblClip;
  ui::ListView lsvClip;
  ui::CheckBox chkShowAsHint;
  ui::Button btnOk;
  ui::Button btnCancel;
  ui::Button BitBtn4;
  // Opens the help file: the chooser's topic (HELP_CONTEXT) or a control's pop-up
  // (HELP_CONTEXTPOPUP); the real help file unless set.
  std::function<void(UINT command, ULONG_PTR context)> ShowHelp;

  // The clip text of the selected row, or nothing when no row is selected.
  std::optional<std::string> selectedText() const;
  // The hint the list shows for the selected row as the mouse moves over it ("" while off).
  void lsvClipMouseMove();
  std::string listHint() const;
  bool listHintOn() const { return listHintOn_; }

 protected:
  bool handleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;

 private:
  void FormCreate();
  void LoadHistory();
  void btnCancelClick();
  void BitBtn4Click();

  std::vector<std::string> items_;
  ui::Tooltip hints_;
  ui::Tooltip listTip_;
  ui::Subclass listMouse_;
  bool listHintOn_ = true;
};

// Shows the chooser modally with the caption; the chosen row's text, or nothing.
std::optional<std::string> chooseHistoryText(HWND owner, const std::vector<std::string>& items);

}  // namespace memo
