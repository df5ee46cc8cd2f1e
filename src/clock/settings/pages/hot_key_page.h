// The settings dialog's page "ホットキー".
#pragma once

#include "clock/settings/config_page.h"

namespace tockle {

class THotKeyPage : public TConfigPage {
 public:
  explicit THotKeyPage(TfrmConfig& config);
};

}  // namespace tockle
