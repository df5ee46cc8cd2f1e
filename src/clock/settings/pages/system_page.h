// The settings dialog's page "システム": the system menu.
#pragma once

#include "clock/settings/config_page.h"

namespace tockle {

class TSystemPage : public TConfigPage {
 public:
  explicit TSystemPage(TfrmConfig& config);

  // A missing system menu file is made from the command list's default menu as the dialog opens.
  void Load(ConfigStep step) override;
};

}  // namespace tockle
