// The settings dialog's page "システム": the system menu.
#pragma once

#include "clock/settings/config_page.h"
#include "clock/settings/pages/system_page_ids.h"

namespace tockle {

class TSystemPage : public TConfigPage {
 public:
  explicit TSystemPage(TfrmConfig& config);

  // Loaded and saved with the general pages (the SystemIcon setting).
  ui::CheckBox chkSystemIcon{this, IDC_SYSTEM_ICON};

  // A missing system menu file is made from the command list's default menu as the dialog opens.
  void Load(ConfigStep step) override;
};

}  // namespace tockle
