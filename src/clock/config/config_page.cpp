#include "clock/config/config_page.h"

#include "clock/config/config_dialog.h"
#include "clock/config/config_ids.h"

namespace tockle {

TConfigPage::TConfigPage(TfrmConfig& config, int tab, int templateId)
    : ui::Page(config.pgcConfig, templateId, configTabCaption(tab)), Config(config), Tab(tab) {}

ConfigHost& TConfigPage::Host() const { return Config.Host; }

TClockSettings& TConfigPage::Settings() const { return Config.Edited; }

void TConfigPage::SetChanged(uint8_t flag) const { Config.SetChanged(flag); }

bool TConfigPage::handleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) {
  // The "?" help of a control: its context number, set with SetWindowContextHelpId.
  if (msg != WM_HELP) return ui::Page::handleMessage(msg, wp, lp, result);
  const auto* info = reinterpret_cast<const HELPINFO*>(lp);
  if (info && info->iContextType == HELPINFO_WINDOW && info->dwContextId != 0)
    Config.HelpPopup(static_cast<int>(info->dwContextId));
  result = TRUE;
  return true;
}

}  // namespace tockle
