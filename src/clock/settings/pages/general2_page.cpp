#include "clock/settings/pages/general2_page.h"

#include "clock/settings/pages/general2_page_ids.h"

namespace tockle {

TGeneral2Page::TGeneral2Page(TfrmConfig& config) : TConfigPage(config, tabSpecial, IDD_PAGE_GENERAL2) {}

}  // namespace tockle
