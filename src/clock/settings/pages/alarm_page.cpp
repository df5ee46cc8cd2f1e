#include "clock/settings/pages/alarm_page.h"

#include "base/text.h"
#include "clock/settings/config_dialog.h"
#include "clock/settings/pages/alarm_page_ids.h"

namespace tockle {

TAlarmPage::TAlarmPage(TfrmConfig& config)
    : TConfigPage(config, tabAlarm, IDD_PAGE_ALARM), lsvAlarm(this, IDC_ALARM_LIST) {
  onCreate = [this] { FormCreate(); };
  Config.KeepColumnWidths(lsvAlarm, "AlarmColumn");
}

void TAlarmPage::FormCreate() {
  lsvAlarm.setExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES, LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES);
  // Captions and design widths; a width of 0 hides a column.
  static const std::pair<const char*, int> kColumns[] = {
      {"開始", 80}, {"終了", 0},        {"メッセージB", 20}, {"メッセージ文字列", 80},
      {"曜日", 72}, {"通知後削除", 20}, {"サウンドB", 20},   {"サウンドパス", 0},
      {"前回", 0},  {"ループB", 0},     {"実行アプリ", 0},   {"毎時", 20}};
  for (auto [caption, width] : kColumns) lsvAlarm.addColumn(base::fromUtf8(caption), width);
}

void TAlarmPage::NewAlarm() {}

void TAlarmPage::SetAlarmMessage(const std::string& text) { (void)text; }

}  // namespace tockle
