// The settings dialog's page "全般1".
#pragma once

#include "clock/settings/config_page.h"

namespace tockle {

class TGeneral1Page : public TConfigPage {
 public:
  explicit TGeneral1Page(TfrmConfig& config);
};

}  // namespace tockle
