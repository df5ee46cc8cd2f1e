// The alarm page's pop-up menus (quick times, programs) and its sound buttons.
#include <windows.h>

#include <mmsystem.h>

#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "clock/alarm/input_minutes.h"
#include "clock/config/config_host.h"
#include "clock/config/pages/alarm_page.h"
#include "clock/config/pages/alarm_page_rules.h"
#include "ui/common_dialogs.h"

namespace tockle {

namespace {

struct MenuEntry {
  UINT id;  // 0: a separator
  const char* caption;
};

// The quick times, in minutes after now (start) or after the start (end); 0 asks.
constexpr int kQuickMinutes[] = {1, 3, 5, 10, 15, 20, 25, 30, 45, 60, 120, 180, 0};
constexpr UINT kQuickTimeId = 100;  // + index into kQuickMinutes
constexpr UINT kSelectAppId = 1;    // + the entry's Tag
constexpr UINT kSpecialId = 10;     // + the entry's Tag
const char* const kSpecialEntries[] = {"#ExitWindows", "#RestartWindows", "#SuspendWindows", "#HibernateWindows",
                                       "#NTPSynchronize"};

base::Menu makeMenu(const std::vector<MenuEntry>& entries) {
  base::Menu menu(CreatePopupMenu());
  for (const MenuEntry& e : entries) {
    if (e.id == 0)
      AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    else
      AppendMenuW(menu.get(), MF_STRING, e.id, base::wide(base::fromUtf8(e.caption)).c_str());
  }
  return menu;
}

POINT lowerLeft(const ui::Control& c) {
  RECT r{};
  GetWindowRect(c.handle(), &r);
  return {r.left, r.bottom};
}

}  // namespace

void TAlarmPage::btnInsertTimeClick(int tag) {
  base::Menu menu = makeMenu({{kQuickTimeId + 0, "1分後"},
                              {kQuickTimeId + 1, "3分後"},
                              {kQuickTimeId + 2, "5分後"},
                              {kQuickTimeId + 3, "10分後"},
                              {kQuickTimeId + 4, "15分後"},
                              {kQuickTimeId + 5, "20分後"},
                              {kQuickTimeId + 6, "25分後"},
                              {kQuickTimeId + 7, "30分後"},
                              {kQuickTimeId + 8, "45分後"},
                              {kQuickTimeId + 9, "1時間後"},
                              {kQuickTimeId + 10, "2時間後"},
                              {kQuickTimeId + 11, "3時間後"},
                              {0, nullptr},
                              {kQuickTimeId + 12, "任意時間後(&O)"}});
  // The target picker is fixed before the menu pops up.
  UINT id = PopupMenu(menu.get(), lowerLeft(tag == 0 ? static_cast<const ui::Control&>(dtpStartTime) : dtpEndTime));
  size_t index = id - kQuickTimeId;
  if (id >= kQuickTimeId && index < std::size(kQuickMinutes)) TimeMenuClick(kQuickMinutes[index], tag);
}

void TAlarmPage::TimeMenuClick(int minutes, int tag) {
  if (minutes == 0) minutes = InputMinutesInRange("時間の指定"_sj, "何分後を挿入するか入力して下さい"_sj, 0, 1439);
  if (minutes == 0) return;
  base::DateTime span = MinutesToTime(minutes);
  if (tag == 0) {
    // Only the time of day: a start past midnight is tomorrow's time, not the next day's value.
    SetStartTime(timeOfDay(timeOfDay(Now()) + span));
    dtpStartTimeChange();
  } else {
    SetEndTime(timeOfDay(StartTime() + span));
  }
}

void TAlarmPage::btnAlarmAppClick() {
  base::Menu menu = makeMenu({{kSelectAppId + 0, "参照(追加)(&A)"},
                              {kSelectAppId + 1, "参照(置換)(&C)"},
                              {0, nullptr},
                              {kSpecialId + 0, "Windows 終了(&X)"},
                              {kSpecialId + 1, "Windows 再起動(&R)"},
                              {kSpecialId + 2, "Windows サスペンド(&S)"},
                              {kSpecialId + 3, "Windows 休止状態(&H)"},
                              {kSpecialId + 4, "NTP 同期(&N)"}});
  UINT id = PopupMenu(menu.get(), lowerLeft(btnAlarmApp));
  if (id == kSelectAppId || id == kSelectAppId + 1) mnuSelectAlarmApp(static_cast<int>(id - kSelectAppId));
  if (id >= kSpecialId && id < kSpecialId + std::size(kSpecialEntries))
    mnuAlarmAppSpecial(static_cast<int>(id - kSpecialId));
}

void TAlarmPage::mnuSelectAlarmApp(int tag) {
  ui::FileDialogArgs args;
  args.title = "ファイルの指定"_sj;
  args.filter =
      "Windows アプリケーション(*.exe;*.com)|*.exe;*.com|DOS アプリケーション(*.pif;*.bat)|*.pif;*.bat|全てのファイル(*.*)|*.*"_sj;
  args.flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NODEREFERENCELINKS;
  std::string current = cmbAlarmApp.text();
  if (base::fileExists(current)) args.fileName = current;
  if (!ui::commonDialogs().openFile(handle(), args)) return;
  cmbAlarmApp.setText(tag == 1 ? args.fileName : appendProgram(current, args.fileName));
}

void TAlarmPage::mnuAlarmAppSpecial(int tag) {
  if (tag < 0 || tag >= static_cast<int>(std::size(kSpecialEntries))) return;
  cmbAlarmApp.setText(appendProgram(cmbAlarmApp.text(), kSpecialEntries[tag]));
}

void TAlarmPage::btnTestSoundClick() {
  // The system plays its default sound for a file it cannot find: a missing file plays nothing.
  std::string path = cmbSoundPath.text();
  if (!path.empty() && base::fileExists(path)) Host().playSound(path, SND_ASYNC | SND_NODEFAULT);
}

void TAlarmPage::btnSelSoundClick() {
  ui::FileDialogArgs args;
  args.title = "ファイルの指定"_sj;
  args.filter = "Windows サウンドファイル(*.wav)|*.wav|全てのファイル(*.*)|*.*"_sj;
  args.flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NODEREFERENCELINKS;
  std::string current = cmbSoundPath.text();
  if (base::fileExists(current)) args.fileName = current;
  if (ui::commonDialogs().openFile(handle(), args)) cmbSoundPath.setText(args.fileName);
}

}  // namespace tockle
