// The settings dialog's page "全般2".
#pragma once

#include "clock/settings/config_page.h"

namespace tockle {

class TGeneral2Page : public TConfigPage {
 public:
  explicit TGeneral2Page(TfrmConfig& config);
};

}  // namespace tockle
