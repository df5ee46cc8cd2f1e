// The settings dialog's page "時計2".
#pragma once

#include "clock/settings/config_page.h"

namespace tockle {

class TClock2Page : public TConfigPage {
 public:
  explicit TClock2Page(TfrmConfig& config);
};

}  // namespace tockle
