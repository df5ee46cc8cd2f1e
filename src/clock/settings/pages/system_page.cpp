#include "clock/settings/pages/system_page.h"

#include "clock/app/main_form.h"
#include "clock/settings/config_dialog.h"
#include "clock/settings/pages/system_page_ids.h"

namespace tockle {

TSystemPage::TSystemPage(TfrmConfig& config) : TConfigPage(config, tabSystem, IDD_PAGE_SYSTEM) {
  chkSystemIcon.onClick = [this] { SetChanged(cpGeneral); };
}

void TSystemPage::Load(ConfigStep step) {
  if (step == ConfigStep::SystemMenu) Main().MakeDefaultSystemMenuFile();
}

}  // namespace tockle
