// The settings dialog's page "ランチャ": the launcher list.
#pragma once

#include "clock/settings/config_page.h"
#include "clock/settings/dnd_list_view.h"

namespace tockle {

class TLauncherPage : public TConfigPage {
 public:
  explicit TLauncherPage(TfrmConfig& config);

  TKzDnDListView lsvLaunch;

 private:
  void FormCreate();
};

}  // namespace tockle
