// The settings dialog's page "全般2": the time server and its tolerances, the dial-up check,
// hiding the clock under a resting cursor and the force option of the power confirmation.
#pragma once

#include "clock/config/config_page.h"
#include "shared/history_combo.h"
#include "clock/config/pages/general2_page_ids.h"
#include "ui/number_field.h"
#include "ui/controls.h"
#include "ui/up_down.h"

namespace tockle {

class TGeneral2Page : public TConfigPage {
 public:
  explicit TGeneral2Page(TfrmConfig& config);

  shared::TKzHistoryCombo cmbNTPServer{this, IDC_NTP_SERVER};
  ui::Edit edtNTPTimeout{this, IDC_NTP_TIMEOUT};
  ui::UpDown updNTPTimeout{this, IDC_NTP_TIMEOUT_UPD};
  ui::NumberField NTPTimeout{edtNTPTimeout, updNTPTimeout};
  ui::Edit edtNTPIgnoreErrorRange{this, IDC_NTP_IGNORE};
  ui::UpDown updNTPIgnoreErrorRange{this, IDC_NTP_IGNORE_UPD};
  ui::NumberField NTPIgnoreErrorRange{edtNTPIgnoreErrorRange, updNTPIgnoreErrorRange};
  ui::Button btnNTPDefault{this, IDC_NTP_DEFAULT};
  ui::CheckBox chkConsiderDialUp{this, IDC_CONSIDER_DIAL_UP};
  ui::Edit edtMouseHoldInvisible{this, IDC_HOLD_INVISIBLE};
  ui::UpDown updMouseHoldInvisible{this, IDC_HOLD_INVISIBLE_UPD};
  ui::NumberField MouseHoldInvisible{edtMouseHoldInvisible, updMouseHoldInvisible};
  ui::Edit edtMouseHoldInvisibleRestore{this, IDC_HOLD_RESTORE};
  ui::UpDown updMouseHoldInvisibleRestore{this, IDC_HOLD_RESTORE_UPD};
  ui::NumberField MouseHoldInvisibleRestore{edtMouseHoldInvisibleRestore, updMouseHoldInvisibleRestore};
  ui::CheckBox chkUseForceExitOption{this, IDC_FORCE_EXIT};

  void Load(ConfigStep step) override;
  bool Save(ConfigStep step) override;

  void btnNTPDefaultClick();
  void chkUseForceExitOptionClick();

 private:
  void FormCreate();
};

}  // namespace tockle
