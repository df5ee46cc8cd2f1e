#include "clock/settings/pages/hot_key_page.h"

#include "clock/settings/pages/hot_key_page_ids.h"

namespace tockle {

THotKeyPage::THotKeyPage(TfrmConfig& config) : TConfigPage(config, tabHotKey, IDD_PAGE_HOTKEY) {}

}  // namespace tockle
