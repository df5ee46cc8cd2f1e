// The settings dialog's page "時計1".
#pragma once

#include "clock/settings/config_page.h"

namespace tockle {

class TClock1Page : public TConfigPage {
 public:
  explicit TClock1Page(TfrmConfig& config);
};

}  // namespace tockle
