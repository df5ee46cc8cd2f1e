// The settings dialog's page "アラーム": every alarm in one row of the list, the page's working
// copy that goes back to the alarm manager only when the dialog applies; one alarm at a time is
// edited in the detail group laid over the list.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "base/datetime.h"
#include "base/handles.h"
#include "clock/alarm/alarm_list.h"
#include "clock/config/config_page.h"
#include "ui/dnd_list_view.h"
#include "shared/history_combo.h"
#include "ui/controls.h"
#include "ui/date_time_picker.h"
#include "ui/tooltip.h"

namespace tockle {

class TAlarmPage : public TConfigPage {
 public:
  explicit TAlarmPage(TfrmConfig& config);

  ui::TKzDnDListView lsvAlarm;
  ui::Button btnNewAlarm, btnEditAlarm, btnDelAlarm, btnUpAlarm, btnDownAlarm;
  ui::CheckBox chkClearReCall;

  // The detail group "登録内容詳細".
  ui::Control grpAlarmSet;
  ui::CheckBox spbAlarmEnabled;  // a push-like box that stays down: down = enabled
  ui::Label lblStartTime;
  ui::DateTimePicker dtpStartTime;
  ui::Button btnInsertTime;
  ui::Label lblEndTime;
  ui::DateTimePicker dtpEndTime;
  ui::Button btnInsertTime2;
  ui::CheckBox chkEveryHour, chkReCall, chkShowMes;
  ui::Label lblMessage;
  shared::TKzHistoryCombo cmbMessage;
  ui::CheckBox chkRingSound;
  ui::Label lblSoundPath;
  shared::TKzHistoryCombo cmbSoundPath;
  ui::Button btnSelSound, btnTestSound;
  ui::CheckBox chkSoundLoop;
  ui::Label lblAlarmApp;
  shared::TKzHistoryCombo cmbAlarmApp;
  ui::Button btnAlarmApp;
  ui::Label lblWeekDay;
  std::array<ui::CheckBox, 7> clbWeekDay;  // Sunday .. Saturday
  ui::Button btnSelAll, btnRelAll, btnRegAlarm, btnCanAlarm;
  ui::Tooltip Hints;

  // Seams for tests: the clock, and a pop-up menu (answers the chosen id, 0 for none).
  std::function<base::DateTime()> Now = base::now;
  std::function<UINT(HMENU menu, POINT screen)> PopupMenu;

  void Load(ConfigStep step) override;
  bool Save(ConfigStep step) override;
  std::string PendingEdit() const override;
  bool RegisterPendingEdit() override;
  void DropPendingEdit() override;

  // Opens a new alarm entry as the page's "new" button does (the dialog's new-alarm mode).
  void NewAlarm();
  // The new entry's message text (an alarm request from the memo program).
  void SetAlarmMessage(const std::string& text);

  void LoadAlarmPage();
  // Hands the list back to the alarm manager, which rewrites the alarm file from it.
  bool SaveAlarmPage();

  // Handlers; tag is the Tag of the sender as the page's design gives it.
  void AlarmEdit(int tag);  // 0 new, 1 edit of the selected row
  bool btnRegAlarmClick();  // false: refused, the group stays open
  void btnCanAlarmClick();
  void dtpStartTimeChange();
  void btnInsertTimeClick(int tag);          // 0 the start picker, 1 the end picker
  void TimeMenuClick(int minutes, int tag);  // minutes 0: ask
  void MoveAlarmItem(int tag);               // 0 up, 1 down
  void btnDelAlarmClick();
  void lsvAlarmKeyDown(WORD key);
  void AlarmSelect(int tag);  // 0 all weekdays on, 1 off
  void btnTestSoundClick();
  void btnSelSoundClick();
  void btnAlarmAppClick();
  void mnuSelectAlarmApp(int tag);   // 0 adds the chosen file, 1 replaces the list
  void mnuAlarmAppSpecial(int tag);  // 0 .. 4: the special entries
  void chkShowMesClick();
  void chkRingSoundClick();
  void chkEveryHourClick();
  void spbAlarmEnabledClick();

  bool Editing() const { return editing_; }
  // The pickers' times of day.
  base::DateTime StartTime() const;
  base::DateTime EndTime() const;
  void SetStartTime(base::DateTime t);
  void SetEndTime(base::DateTime t);

 private:
  void FormCreate();
  void ShowAlarmSet(bool on);
  AlarmRow RowAt(int row) const;
  void PutRow(int row, const AlarmRow& values);
  // The alarm as the group's controls hold it, and back.
  TKzAlarmTockle GroupItem() const;
  void ShowItem(const TKzAlarmTockle& item);

  std::vector<ui::Control*> groupControls_, listControls_;
  bool editing_ = false;
  int editTag_ = 0;
  int editRow_ = -1;
  base::GdiBitmap enabledGlyphs_[2];
};

}  // namespace tockle
