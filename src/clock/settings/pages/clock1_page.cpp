#include "clock/settings/pages/clock1_page.h"

#include "clock/settings/pages/clock1_page_ids.h"

namespace tockle {

TClock1Page::TClock1Page(TfrmConfig& config) : TConfigPage(config, tabClock1, IDD_PAGE_CLOCK1) {}

}  // namespace tockle
