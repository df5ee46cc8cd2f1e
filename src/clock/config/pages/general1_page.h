// The settings dialog's page "全般1": window behaviour, the power confirmation's count-down, the
// commands of the mouse buttons and the start-up shortcut. It also loads and saves the two boxes
// of other pages that edit general settings (hot keys, system menu icons).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "clock/config/config_page.h"
#include "clock/config/pages/general1_page_ids.h"
#include "ui/number_field.h"
#include "ui/controls.h"
#include "ui/up_down.h"

namespace tockle {

// What a mouse-button list shows for a heading of the command list.
inline constexpr char kCommandHeading[] = "--------------";

class TGeneral1Page : public TConfigPage {
 public:
  explicit TGeneral1Page(TfrmConfig& config);

  ui::CheckBox chkStayOnTop{this, IDC_STAY_ON_TOP};
  ui::CheckBox chkStayInTray{this, IDC_STAY_IN_TRAY};
  ui::CheckBox chkQueryExit{this, IDC_QUERY_EXIT};
  ui::Edit edtExitWin{this, IDC_EXIT_WIN};
  ui::UpDown updExitWin{this, IDC_EXIT_WIN_UPD};
  ui::NumberField ExitWin{edtExitWin, updExitWin};
  ui::ComboBox cmbLButton{this, IDC_L_BUTTON};
  ui::ComboBox cmbMButton{this, IDC_M_BUTTON};
  ui::ComboBox cmbRButton{this, IDC_R_BUTTON};
  ui::CheckBox chkFixClock{this, IDC_FIX_CLOCK};
  ui::Button btnCreateStartup{this, IDC_CREATE_STARTUP};
  ui::Button btnEraseStartup{this, IDC_ERASE_STARTUP};

  // Fills the three mouse-button lists alike, in order: a command gives its name with its
  // number; a heading (number 0) gives an entry that cannot be chosen.
  void SetMouseCommands(const std::vector<std::pair<std::string, int>>& nameAndCommand);

  void Load(ConfigStep step) override;
  bool Save(ConfigStep step) override;

  void chkQueryExitClick();
  void cmbLButtonChange(ui::ComboBox& combo);
  void btnCreateStartupClick();
  void btnEraseStartupClick();

 private:
  void FormCreate();
  // The pages that hold the boxes of the hot keys' foreground rule and the system menu's icons.
};

}  // namespace tockle
