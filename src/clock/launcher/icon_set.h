// The icon picker "アイコンの設定": the user names or chooses a file that holds icons and picks
// one of them. It never ends with OK without a picked icon.
#pragma once

#include <string>

#include "ui/controls.h"
#include "ui/dialog.h"
#include "ui/image_list.h"
#include "ui/list_view.h"
#include "ui/tooltip.h"

namespace tockle {

class TfrmIconSet : public ui::Dialog {
 public:
  // The file shown first and the icon number (as text) selected first.
  TfrmIconSet(HWND owner, std::string file, std::string icon);

  ui::Edit edtIconLocation;
  ui::Button btnSelect, btnOK, btnCancel;
  ui::ListView lsvIconList;

  // The icon file and the picked icon's number as text ("" when none), also after closing.
  std::string FileName() const;
  std::string SelectedIcon() const;

  void FormCreate();
  void edtIconLocationChange();
  void btnSelectClick();
  void btnOKClick();
  void lsvIconListDblClick();
  // Selects the first icon whose number text begins with text; none when no icon's does.
  void Preselect(const std::string& text);

 private:
  ui::ImageList iglIconList{32, 32, ILC_COLOR32};
  ui::Tooltip hints;
  std::string file_, icon_;
  bool closed_ = false;
};

// Runs the picker modally; true with file and icon replaced when it ended with OK.
bool PickIcon(HWND owner, std::string& file, std::string& icon);

}  // namespace tockle
