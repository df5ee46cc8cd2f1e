// The settings dialog's page "アラーム": the alarm list.
#pragma once

#include <string>

#include "clock/settings/config_page.h"
#include "clock/settings/dnd_list_view.h"

namespace tockle {

class TAlarmPage : public TConfigPage {
 public:
  explicit TAlarmPage(TfrmConfig& config);

  TKzDnDListView lsvAlarm;

  // Opens a new alarm entry as the page's "new" button does (the dialog's new-alarm mode).
  void NewAlarm();
  // The new entry's message text (an alarm request from the memo program).
  void SetAlarmMessage(const std::string& text);

 private:
  void FormCreate();
};

}  // namespace tockle
