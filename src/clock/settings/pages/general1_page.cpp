#include "clock/settings/pages/general1_page.h"

#include "clock/settings/pages/general1_page_ids.h"

namespace tockle {

TGeneral1Page::TGeneral1Page(TfrmConfig& config) : TConfigPage(config, tabGeneral, IDD_PAGE_GENERAL1) {}

}  // namespace tockle
