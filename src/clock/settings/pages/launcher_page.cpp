#include "clock/settings/pages/launcher_page.h"

#include "base/text.h"
#include "clock/settings/config_dialog.h"
#include "clock/settings/pages/launcher_page_ids.h"

namespace tockle {

TLauncherPage::TLauncherPage(TfrmConfig& config)
    : TConfigPage(config, tabLaunch, IDD_PAGE_LAUNCHER), lsvLaunch(this, IDC_LAUNCH_LIST) {
  onCreate = [this] { FormCreate(); };
  Config.KeepColumnWidths(lsvLaunch, "LaunchColumn");
}

void TLauncherPage::FormCreate() {
  lsvLaunch.setExtendedStyle(LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  // Captions and design widths; the last two columns carry the icon choice, hidden.
  static const std::pair<const char*, int> kColumns[] = {{"名前", 80}, {"パス", 100},       {"実行フォルダ", 70},
                                                         {"引数", 60}, {"アイコンパス", 0}, {"アイコンID", 0}};
  for (auto [caption, width] : kColumns) lsvLaunch.addColumn(base::fromUtf8(caption), width);
}

}  // namespace tockle
