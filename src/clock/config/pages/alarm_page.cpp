#include "clock/config/pages/alarm_page.h"

#include <algorithm>
#include <cmath>

#include "base/text.h"
#include "clock/alarm/alarm_file.h"
#include "clock/alarm/alarm_manager.h"
#include "clock/alarm/alarm_request.h"
#include "clock/alarm/input_minutes.h"
#include "clock/config/config_host.h"
#include "clock/config/config_dialog.h"
#include "clock/config/pages/alarm_page_ids.h"
#include "clock/config/pages/alarm_page_rules.h"
#include "ui/app.h"
#include "clock/lists/drop_place.h"
#include "shared/prompts.h"

namespace tockle {

namespace {

constexpr int kPrevious = 8;  // the column "前回"

// The toggle button's two glyphs: a ring in the face colour when up, filled when down.
base::GdiBitmap drawEnabledGlyph(bool down) {
  constexpr int kSize = 14;
  HDC screen = GetDC(nullptr);
  base::GdiBitmap bmp(CreateCompatibleBitmap(screen, kSize, kSize));
  base::MemDc dc(CreateCompatibleDC(screen));
  ReleaseDC(nullptr, screen);
  base::SelectGuard keepBitmap(dc.get(), bmp.get());
  RECT all{0, 0, kSize, kSize};
  FillRect(dc.get(), &all, GetSysColorBrush(COLOR_BTNFACE));
  base::GdiBrush fill(CreateSolidBrush(down ? RGB(220, 40, 40) : GetSysColor(COLOR_BTNFACE)));
  base::GdiPen pen(CreatePen(PS_SOLID, 1, down ? RGB(120, 0, 0) : GetSysColor(COLOR_BTNSHADOW)));
  base::SelectGuard keepBrush(dc.get(), fill.get());
  base::SelectGuard keepPen(dc.get(), pen.get());
  Ellipse(dc.get(), 1, 1, kSize - 1, kSize - 1);
  return bmp;
}

// A picker's time of day, read from its value, never from its display (any time format will do).
// Whole seconds: the picker keeps milliseconds it never shows (a new alarm's start is the current
// time), and a start and end that look the same must be the same.
base::DateTime pickerTime(const ui::DateTimePicker& picker) {
  SYSTEMTIME st = picker.time();
  return timeOfDay((st.wHour * 3600.0 + st.wMinute * 60.0 + st.wSecond) / 86400.0);
}

void setPickerTime(ui::DateTimePicker& picker, base::DateTime t) {
  // The picker holds a date as well: today's, which nobody reads.
  picker.setTime(base::toSystemTime(std::floor(base::now()) + timeOfDay(t)));
}

}  // namespace

TAlarmPage::TAlarmPage(TfrmConfig& config)
    : TConfigPage(config, tabAlarm, IDD_PAGE_ALARM),
      lsvAlarm(this, IDC_ALARM_LIST, askDropAfterLast),
      btnNewAlarm(this, IDC_ALARM_NEW),
      btnEditAlarm(this, IDC_ALARM_EDIT),
      btnDelAlarm(this, IDC_ALARM_DELETE),
      btnUpAlarm(this, IDC_ALARM_UP),
      btnDownAlarm(this, IDC_ALARM_DOWN),
      chkClearReCall(this, IDC_ALARM_CLEAR_RECALL),
      grpAlarmSet(this, IDC_ALARM_GROUP),
      spbAlarmEnabled(this, IDC_ALARM_ENABLED),
      lblStartTime(this, IDC_ALARM_START_LABEL),
      dtpStartTime(this, IDC_ALARM_START),
      btnInsertTime(this, IDC_ALARM_INSERT_START),
      lblEndTime(this, IDC_ALARM_END_LABEL),
      dtpEndTime(this, IDC_ALARM_END),
      btnInsertTime2(this, IDC_ALARM_INSERT_END),
      chkEveryHour(this, IDC_ALARM_EVERY_HOUR),
      chkReCall(this, IDC_ALARM_RECALL_ITEM),
      chkShowMes(this, IDC_ALARM_SHOW_MESSAGE),
      lblMessage(this, IDC_ALARM_MESSAGE_LABEL),
      cmbMessage(this, IDC_ALARM_MESSAGE_TEXT),
      chkRingSound(this, IDC_ALARM_RING_SOUND),
      lblSoundPath(this, IDC_ALARM_SOUND_LABEL),
      cmbSoundPath(this, IDC_ALARM_SOUND_PATH),
      btnSelSound(this, IDC_ALARM_SELECT_SOUND),
      btnTestSound(this, IDC_ALARM_TEST_SOUND),
      chkSoundLoop(this, IDC_ALARM_SOUND_LOOP),
      lblAlarmApp(this, IDC_ALARM_APP_LABEL),
      cmbAlarmApp(this, IDC_ALARM_APPS),
      btnAlarmApp(this, IDC_ALARM_APP_MENU),
      lblWeekDay(this, IDC_ALARM_WEEKDAY_LABEL),
      clbWeekDay{{{this, IDC_ALARM_WEEKDAY1},
                  {this, IDC_ALARM_WEEKDAY1 + 1},
                  {this, IDC_ALARM_WEEKDAY1 + 2},
                  {this, IDC_ALARM_WEEKDAY1 + 3},
                  {this, IDC_ALARM_WEEKDAY1 + 4},
                  {this, IDC_ALARM_WEEKDAY1 + 5},
                  {this, IDC_ALARM_WEEKDAY1 + 6}}},
      btnSelAll(this, IDC_ALARM_SELECT_ALL),
      btnRelAll(this, IDC_ALARM_RELEASE_ALL),
      btnRegAlarm(this, IDC_ALARM_REGISTER),
      btnCanAlarm(this, IDC_ALARM_CANCEL) {
  onCreate = [this] { FormCreate(); };
  Config.KeepColumnWidths(lsvAlarm, "AlarmColumn");
  PopupMenu = [this](HMENU menu, POINT at) {
    UINT id = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, handle(), nullptr));
    PostMessageW(handle(), WM_NULL, 0, 0);
    return id;
  };
  for (auto* history : {&cmbMessage, &cmbSoundPath, &cmbAlarmApp}) {
    history->RegKey = Config.RegistryKey;
    history->SaveCount = 15;
  }
  cmbMessage.Prefix = "_alm";
  cmbSoundPath.Prefix = "_als";
  cmbAlarmApp.Prefix = "_ala";

  lsvAlarm.AcceptDnD = true;
  lsvAlarm.DnDThreshold = 0;
  lsvAlarm.SetTimerInterval(150);
  // Every change of the list marks the alarms as changed, a row's check box (mouse or Space) too.
  lsvAlarm.OnDnDSuccess = [this] { SetChanged(cpAlarms); };
  lsvAlarm.onCheck = [this](int, bool) { SetChanged(cpAlarms); };
  lsvAlarm.onDoubleClick = [this] { AlarmEdit(1); };
  lsvAlarm.onKeyDown = [this](WORD key) { lsvAlarmKeyDown(key); };
  btnNewAlarm.onClick = [this] { AlarmEdit(0); };
  btnEditAlarm.onClick = [this] { AlarmEdit(1); };
  btnDelAlarm.onClick = [this] { btnDelAlarmClick(); };
  btnUpAlarm.onClick = [this] { MoveAlarmItem(0); };
  btnDownAlarm.onClick = [this] { MoveAlarmItem(1); };
  chkClearReCall.onClick = [this] { SetChanged(cpAlarms); };

  spbAlarmEnabled.onClick = [this] { spbAlarmEnabledClick(); };
  dtpStartTime.onChange = [this] { dtpStartTimeChange(); };
  btnInsertTime.onClick = [this] { btnInsertTimeClick(0); };
  btnInsertTime2.onClick = [this] { btnInsertTimeClick(1); };
  chkEveryHour.onClick = [this] { chkEveryHourClick(); };
  chkShowMes.onClick = [this] { chkShowMesClick(); };
  chkRingSound.onClick = [this] { chkRingSoundClick(); };
  btnSelSound.onClick = [this] { btnSelSoundClick(); };
  btnTestSound.onClick = [this] { btnTestSoundClick(); };
  btnAlarmApp.onClick = [this] { btnAlarmAppClick(); };
  btnSelAll.onClick = [this] { AlarmSelect(0); };
  btnRelAll.onClick = [this] { AlarmSelect(1); };
  btnRegAlarm.onClick = [this] { btnRegAlarmClick(); };
  btnCanAlarm.onClick = [this] { btnCanAlarmClick(); };

  listControls_ = {&lsvAlarm, &btnNewAlarm, &btnEditAlarm, &btnDelAlarm, &btnUpAlarm, &btnDownAlarm};
  groupControls_ = {&grpAlarmSet,  &spbAlarmEnabled, &lblStartTime, &dtpStartTime, &btnInsertTime, &lblEndTime,
                    &dtpEndTime,   &btnInsertTime2,  &chkEveryHour, &chkReCall,    &chkShowMes,    &lblMessage,
                    &cmbMessage,   &chkRingSound,    &lblSoundPath, &cmbSoundPath, &btnSelSound,   &btnTestSound,
                    &chkSoundLoop, &lblAlarmApp,     &cmbAlarmApp,  &btnAlarmApp,  &lblWeekDay,    &btnSelAll,
                    &btnRelAll,    &btnRegAlarm,     &btnCanAlarm};
  for (auto& day : clbWeekDay) groupControls_.push_back(&day);
}

void TAlarmPage::FormCreate() {
  lsvAlarm.setExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES, LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES);
  // Captions and design widths; a width of 0 hides a column.
  static const std::pair<const char*, int> kColumns[] = {
      {"開始", 80}, {"終了", 0},        {"メッセージB", 20}, {"メッセージ文字列", 80},
      {"曜日", 72}, {"通知後削除", 20}, {"サウンドB", 20},   {"サウンドパス", 0},
      {"前回", 0},  {"ループB", 0},     {"実行アプリ", 0},   {"毎時", 20}};
  for (auto [caption, width] : kColumns) lsvAlarm.addColumn(base::fromUtf8(caption), width);

  cmbMessage.add("設定時刻になりました"_sj);
  // What the alarm file gives back of a value.
  for (auto* history : {&cmbMessage, &cmbSoundPath, &cmbAlarmApp})
    history->SetLimit(static_cast<int>(AlarmFile::kMaxValue));
  enabledGlyphs_[0] = drawEnabledGlyph(false);
  enabledGlyphs_[1] = drawEnabledGlyph(true);

  struct Help {
    const ui::Control* control;
    const char* hint;
    int topic;
  };
  const Help helps[] = {
      {&lsvAlarm, "登録されているアラーム一覧", 83},
      {&btnNewAlarm, "新規アラーム登録 (Ins)", 84},
      {&btnEditAlarm, "アイテム編集 (DblClick)", 85},
      {&btnDelAlarm, "選択アイテムの削除 (Del)", 86},
      {&btnUpAlarm, "選択アイテムを上へ", 89},
      {&btnDownAlarm, "選択アイテムを下へ", 89},
      {&chkClearReCall, "終了時に通知後削除の指定が入っているアイテムを全部削除するとき指定", 127},
      {&spbAlarmEnabled, "アラームを鳴らすかどうか", 0},
      {&dtpStartTime, "開始時刻を指定する", 91},
      {&btnInsertTime, "開始時刻に挿入する", 92},
      {&dtpEndTime, "終了時刻を指定する(開始から12時間以内)", 91},
      {&btnInsertTime2, "終了時刻に挿入する", 92},
      {&chkEveryHour, "指定すると毎時開始時刻の分になったときにアラームを実行", 144},
      {&chkReCall, "通知後に直ぐに削除されるアイテム", 145},
      {&chkShowMes, "メッセージを表示するとき指定", 93},
      {&cmbMessage, "メッセージに表示する文字", 0},
      {&chkRingSound, "サウンドを鳴らすときに指定", 95},
      {&cmbSoundPath, "サウンドファイルのパス", 96},
      {&btnSelSound, "サウンドファイルを指定する", 96},
      {&btnTestSound, "サウンドをテスト再生", 97},
      {&chkSoundLoop, "サウンドをループして鳴らし続けるとき指定(メッセージ表示時のみ有効)", 98},
      {&cmbAlarmApp, "同時起動するアプリの指定(複数指定は ; で区切る)", 116},
      {&btnAlarmApp, "追加したり特殊アイテムを挿入する", 116},
      {&btnSelAll, "曜日全てを選択する", 100},
      {&btnRelAll, "曜日を全て選択解除する", 100},
      {&btnRegAlarm, "アラームを登録する", 101},
      {&btnCanAlarm, "登録をキャンセルする", 102},
  };
  for (const Help& h : helps) {
    Hints.add(h.control->handle(), base::fromUtf8(h.hint));
    if (h.topic) SetWindowContextHelpId(h.control->handle(), static_cast<DWORD>(h.topic));
  }
  for (auto& day : clbWeekDay) {
    Hints.add(day.handle(), "曜日を指定する"_sj);
    SetWindowContextHelpId(day.handle(), 99);
  }
  ShowAlarmSet(false);
  spbAlarmEnabledClick();
}

// Loading and saving

void TAlarmPage::Load(ConfigStep step) {
  if (step == ConfigStep::Alarms) LoadAlarmPage();
}

bool TAlarmPage::Save(ConfigStep step) { return step != ConfigStep::Alarms || SaveAlarmPage(); }

void TAlarmPage::LoadAlarmPage() {
  if (TKzManagerTockle* manager = Host().alarmManager()) {
    manager->ToListView(lsvAlarm.handle());
    chkClearReCall.setChecked(manager->ClearReCall);
  }
  cmbMessage.LoadHistory();
  cmbSoundPath.LoadHistory();
  cmbAlarmApp.LoadHistory();
}

bool TAlarmPage::SaveAlarmPage() {
  TKzManagerTockle* manager = Host().alarmManager();
  if (!manager) return true;
  try {
    manager->FromListView(lsvAlarm.handle());
  } catch (const std::exception& e) {
    // The alarm file refused a write; what the user sees is the list, and it stays.
    shared::prompts().ask(Config.handle(), e.what(), ui::Application::instance().title(), MB_OK | MB_ICONERROR);
    return false;
  }
  manager->ClearReCall = chkClearReCall.checked();
  return true;
}

// The frame's question at OK

std::string TAlarmPage::PendingEdit() const {
  if (!editing_) return {};
  return "アラームのアイテム "_sj + cmbMessage.text() + " がまだ未確定です"_sj;
}

bool TAlarmPage::RegisterPendingEdit() { return btnRegAlarmClick(); }

void TAlarmPage::DropPendingEdit() { btnCanAlarmClick(); }

void TAlarmPage::NewAlarm() { AlarmEdit(0); }

void TAlarmPage::SetAlarmMessage(const std::string& text) { cmbMessage.setText(base::cut(text, kAlarmRequestBytes)); }

// Rows

AlarmRow TAlarmPage::RowAt(int row) const {
  AlarmRow r;
  r.checked = lsvAlarm.checked(row);
  for (size_t c = 0; c < r.columns.size(); ++c) r.columns[c] = lsvAlarm.itemText(row, static_cast<int>(c));
  return r;
}

void TAlarmPage::PutRow(int row, const AlarmRow& values) {
  for (size_t c = 0; c < values.columns.size(); ++c) lsvAlarm.setItemText(row, static_cast<int>(c), values.columns[c]);
  lsvAlarm.setChecked(row, values.checked);
}

void TAlarmPage::MoveAlarmItem(int tag) {
  int i = lsvAlarm.selectedIndex();
  if (i < 0) return;
  // The row still stands while its copy goes in: down by one is in front of i + 2.
  int row = lsvAlarm.MoveItem(i, tag == 0 ? i - 1 : i + 2);
  lsvAlarm.setSelectedIndex(row);
  SetChanged(cpAlarms);
}

void TAlarmPage::btnDelAlarmClick() {
  int i = lsvAlarm.selectedIndex();
  if (i < 0) return;
  lsvAlarm.DeleteItem(i, false);
  SetChanged(cpAlarms);
}

void TAlarmPage::lsvAlarmKeyDown(WORD key) {
  if (key == VK_INSERT) AlarmEdit(0);
  if (key == VK_DELETE) btnDelAlarmClick();
}

// The detail group

base::DateTime TAlarmPage::StartTime() const { return pickerTime(dtpStartTime); }

base::DateTime TAlarmPage::EndTime() const { return pickerTime(dtpEndTime); }

void TAlarmPage::SetStartTime(base::DateTime t) { setPickerTime(dtpStartTime, t); }

void TAlarmPage::SetEndTime(base::DateTime t) { setPickerTime(dtpEndTime, t); }

TKzAlarmTockle TAlarmPage::GroupItem() const {
  TKzAlarmTockle item;
  item.Enabled = spbAlarmEnabled.checked();
  item.StartTime = StartTime();
  item.EndTime = EndTime();
  item.ShowMessage = chkShowMes.checked();
  item.MessageString = cmbMessage.text();
  item.ReCall = chkReCall.checked();
  item.RingSound = chkRingSound.checked();
  item.SoundPath = cmbSoundPath.text();
  item.LoopSound = chkSoundLoop.checked();
  item.ExecuteApps = cmbAlarmApp.text();
  item.RingEveryHour = chkEveryHour.checked();
  for (size_t d = 0; d < 7; ++d) item.WeekDay[d] = clbWeekDay[d].checked();
  return item;
}

void TAlarmPage::ShowItem(const TKzAlarmTockle& item) {
  spbAlarmEnabled.setChecked(item.Enabled);
  SetStartTime(item.StartTime);
  SetEndTime(item.EndTime);
  chkShowMes.setChecked(item.ShowMessage);
  cmbMessage.setText(item.MessageString);
  chkReCall.setChecked(item.ReCall);
  chkRingSound.setChecked(item.RingSound);
  cmbSoundPath.setText(item.SoundPath);
  chkSoundLoop.setChecked(item.LoopSound);
  cmbAlarmApp.setText(item.ExecuteApps);
  chkEveryHour.setChecked(item.RingEveryHour);
  for (size_t d = 0; d < 7; ++d) clbWeekDay[d].setChecked(item.WeekDay[d]);
}

void TAlarmPage::AlarmEdit(int tag) {
  if (editing_) return;
  AlarmWindow fresh = newAlarmWindow(Now());
  if (tag == 1) {
    int row = lsvAlarm.selectedIndex();
    if (row < 0) return;
    TKzAlarmTockle item;
    fromRow(RowAt(row), item);
    // A time that could not be read is shown in the row; its picker offers what a new alarm
    // would have (the end counted from the start), and the other keeps what it read.
    if (!item.Kept.StartTime.empty()) item.StartTime = fresh.start;
    if (!item.Kept.EndTime.empty()) item.EndTime = newAlarmWindow(item.StartTime).end;
    ShowItem(item);
    editRow_ = row;
  } else {
    spbAlarmEnabled.setChecked(true);
    SetStartTime(fresh.start);
    SetEndTime(fresh.end);
    chkShowMes.setChecked(true);
    cmbMessage.setText(cmbMessage.count() > 0 ? cmbMessage.item(0) : std::string());
    chkEveryHour.setChecked(false);
    chkReCall.setChecked(false);
    chkRingSound.setChecked(false);
    cmbSoundPath.setText("");
    cmbAlarmApp.setText("");
    AlarmSelect(0);
    editRow_ = -1;
  }
  editTag_ = tag;
  ShowAlarmSet(true);
}

void TAlarmPage::ShowAlarmSet(bool on) {
  const bool changed = editing_ != on;
  editing_ = on;
  for (ui::Control* c : groupControls_) c->setVisible(on);
  for (ui::Control* c : listControls_) c->setVisible(!on);
  chkShowMesClick();
  chkRingSoundClick();
  chkEveryHourClick();
  spbAlarmEnabledClick();
  if (!changed) return;
  if (on) {
    Config.SetEditButtons(&btnRegAlarm, &btnCanAlarm);
    // The control that opened the group is hidden now.
    dtpStartTime.setFocus();
  } else {
    Config.SetEditButtons(nullptr, nullptr);
    if (GetFocus() == nullptr || IsChild(handle(), GetFocus())) lsvAlarm.setFocus();
  }
}

bool TAlarmPage::btnRegAlarmClick() {
  if (!editing_) return true;
  base::DateTime start = StartTime();
  if (windowTooLong(start, EndTime())) {
    shared::prompts().ask(
        Config.handle(),
        "終了時刻が開始時刻より12時間以上後です\r\nこの設定では動作しませんので，12時間後に設定します"_sj,
        "終了時刻の範囲エラー"_sj, MB_OK | MB_ICONERROR);
    SetEndTime(halfDayAfter(start));
  }
  TKzAlarmTockle item = GroupItem();
  if (std::none_of(item.WeekDay.begin(), item.WeekDay.end(), [](bool on) { return on; })) {
    shared::prompts().ask(Config.handle(), "曜日が一つも選択されていません"_sj, "曜日設定して下さい"_sj,
                          MB_OK | MB_ICONERROR);
    return false;
  }
  item.Previous = Now() - 0.5;
  AlarmRow values = toRow(item);
  int row = editTag_ == 1 ? editRow_ : -1;
  if (row >= 0 && row < lsvAlarm.count()) {
    // Editing does not make an alarm ring again unless its times or days changed.
    AlarmRow old = RowAt(row);
    bool sameSchedule = old.columns[0] == values.columns[0] && old.columns[1] == values.columns[1] &&
                        old.columns[4] == values.columns[4] && old.columns[11] == values.columns[11];
    if (sameSchedule) values.columns[kPrevious] = old.columns[kPrevious];
  } else {
    row = lsvAlarm.addItem(values.columns[0]);
  }
  PutRow(row, values);
  cmbMessage.SaveHistory();
  cmbSoundPath.SaveHistory();
  cmbAlarmApp.SaveHistory();
  SetChanged(cpAlarms);
  btnCanAlarmClick();
  lsvAlarm.setSelectedIndex(row);
  return true;
}

void TAlarmPage::btnCanAlarmClick() {
  if (editing_) ShowAlarmSet(false);
}

void TAlarmPage::dtpStartTimeChange() {
  if (auto end = endAfterStartChange(StartTime(), EndTime())) SetEndTime(*end);
}

void TAlarmPage::chkShowMesClick() {
  bool on = editing_ && chkShowMes.checked();
  lblMessage.setVisible(on);
  cmbMessage.setVisible(on);
}

void TAlarmPage::chkRingSoundClick() {
  bool on = editing_ && chkRingSound.checked();
  for (ui::Control* c :
       std::initializer_list<ui::Control*>{&lblSoundPath, &cmbSoundPath, &btnSelSound, &btnTestSound, &chkSoundLoop})
    c->setVisible(on);
}

void TAlarmPage::chkEveryHourClick() { dtpEndTime.setEnabled(!chkEveryHour.checked()); }

void TAlarmPage::spbAlarmEnabledClick() {
  HBITMAP glyph = enabledGlyphs_[spbAlarmEnabled.checked() ? 1 : 0].get();
  if (spbAlarmEnabled.handle() && glyph)
    spbAlarmEnabled.send(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(glyph));
}

void TAlarmPage::AlarmSelect(int tag) {
  for (auto& day : clbWeekDay) day.setChecked(tag == 0);
}

}  // namespace tockle
