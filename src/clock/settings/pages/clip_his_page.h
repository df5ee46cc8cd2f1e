// The settings dialog's page "クリップ履歴".
#pragma once

#include "clock/settings/config_page.h"

namespace tockle {

class TClipHisPage : public TConfigPage {
 public:
  explicit TClipHisPage(TfrmConfig& config);
};

}  // namespace tockle
