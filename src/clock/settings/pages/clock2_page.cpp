#include "clock/settings/pages/clock2_page.h"

#include "clock/settings/pages/clock2_page_ids.h"

namespace tockle {

TClock2Page::TClock2Page(TfrmConfig& config) : TConfigPage(config, tabClock2, IDD_PAGE_CLOCK2) {}

}  // namespace tockle
