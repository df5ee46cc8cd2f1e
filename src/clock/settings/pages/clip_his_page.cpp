#include "clock/settings/pages/clip_his_page.h"

#include "clock/settings/pages/clip_his_page_ids.h"

namespace tockle {

TClipHisPage::TClipHisPage(TfrmConfig& config) : TConfigPage(config, tabClipHis, IDD_PAGE_CLIPHIS) {}

}  // namespace tockle
