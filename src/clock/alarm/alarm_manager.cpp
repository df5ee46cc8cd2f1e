#include "clock/alarm/alarm_manager.h"

#include <algorithm>
#include <climits>

#include "base/text.h"
#include "clock/alarm/alarm_file.h"
#include "clock/alarm/alarm_list.h"
#include "clock/commands/file_problem_text.h"

namespace tockle {

namespace {
constexpr char kInitial[] = "Initial";
constexpr char kCount[] = "Count";

bool sameAlarm(const TKzAlarmTockle& a, const TKzAlarmTockle& b) {
  auto seconds = [](base::DateTime t) { return TKzBasicAlarmItem::msOfDay(t) / 1000; };
  return a.MessageString == b.MessageString && a.SoundPath == b.SoundPath && a.ExecuteApps == b.ExecuteApps &&
         a.RingSound == b.RingSound && a.ShowMessage == b.ShowMessage && a.LoopSound == b.LoopSound &&
         a.ReCall == b.ReCall && a.RingEveryHour == b.RingEveryHour && a.WeekDay == b.WeekDay &&
         seconds(a.StartTime) == seconds(b.StartTime) && seconds(a.EndTime) == seconds(b.EndTime);
}

// Removes section n of count from the edit, moves the sections after it down by one and writes
// the lower count; false when section n is missing.
bool removeSection(AlarmFileEdit& edit, int n, int count) {
  if (edit.section(std::to_string(n)).empty()) return false;
  edit.eraseSection(std::to_string(n));
  for (int k = n + 1; k < count; ++k) {
    if (!edit.section(std::to_string(k)).empty()) edit.moveSection(std::to_string(k), std::to_string(k - 1));
  }
  edit.write(kInitial, kCount, std::to_string(count - 1));
  return true;
}
std::string unreadText(const std::string& file, base::FileProblem problem) {
  return "アラームの設定ファイル "_sj + file + fileProblemText(problem);
}

std::string numberList(const std::vector<int>& indexes) {
  std::string list;
  for (size_t i = 0; i < indexes.size() && i < 20; ++i) list += (i ? ", " : "") + std::to_string(indexes[i] + 1);
  return indexes.size() > 20 ? list + " ..." : list;
}
}  // namespace

TKzManagerTockle::TKzManagerTockle(std::string fileName) : TKzAlarmManager(std::move(fileName)) { Count = ReadCount(); }

TKzManagerTockle::~TKzManagerTockle() {
  if (!ClearReCall) return;
  try {
    DeleteReCallItems();
  } catch (...) {
    // The program is ending; a file that cannot be written keeps its items.
  }
}

int TKzManagerTockle::ReadCount() const {
  long long n = 0;
  if (!base::parseInt(base::trim(AlarmFile(FileName).read(kInitial, kCount)), n) || n < 0) return 0;
  return n > INT_MAX ? INT_MAX : static_cast<int>(n);
}

bool TKzManagerTockle::LoadItem(TKzAlarmTockle& item) { return item.LoadData(); }

void TKzManagerTockle::SaveItem(TKzAlarmTockle& item) {
  AlarmFileEdit edit{AlarmFile(FileName)};
  mendInto(edit);
  item.SaveInto(edit);
  edit.commit();
}

void TKzManagerTockle::mendInto(AlarmFileEdit& edit) {
  if (!edit.damaged()) return;
  for (auto& item : Items) item->SaveInto(edit);
  edit.write(kInitial, kCount, std::to_string(Items.size()));
}

void TKzManagerTockle::AllocItems(bool reset) {
  Items.clear();
  AlarmFile file(FileName);
  base::FileProblem problem = base::fileProblem(FileName);
  Unread = problem == base::FileProblem::Missing ? base::FileProblem::None : problem;
  if (Unread != base::FileProblem::None) {
    Count = 0;
    return;
  }
  base::DateTime now = Now();
  // A missing section in between loads as a disabled item with the defaults, so the alarms after
  // it keep their places and their sections (and a later write keeps the count). The items end
  // with the last section really there: a count larger than the file holds (or a file changed
  // from outside) never allocates or loops past it.
  int count = std::min(Count, file.lastNumberedSection(Count) + 1);
  for (int i = 0; i < count; ++i) {
    auto item = std::make_unique<TKzAlarmTockle>(FileName);
    item->Index = i;
    if (!LoadItem(*item)) {
      AlarmErrorBox("不正なデータがロードされました\r\n作者までご連絡下さい"_sj,
                    "RuntimeInternalError @ TKzManagerTockle.AllocItems");
      auto empty = std::make_unique<TKzAlarmTockle>(FileName);
      empty->Index = i;
      item = std::move(empty);
    } else if (reset) {
      item->Previous = now - 0.5;
    }
    Items.push_back(std::move(item));
  }
  Count = static_cast<int>(Items.size());
}

void TKzManagerTockle::ReportUnreadableTimes() const {
  std::string list;
  for (const auto& item : Items) {
    if (!item->Kept.any()) continue;
    auto time = [](const std::string& kept, base::DateTime t) { return kept.empty() ? base::timeToStr(t) : kept; };
    list += "\r\n  "_sj + std::to_string(item->Index + 1) + ": 開始 "_sj + time(item->Kept.StartTime, item->StartTime) +
            " 終了 "_sj + time(item->Kept.EndTime, item->EndTime);
    if (!item->MessageString.empty()) list += " \"" + base::cut(item->MessageString, 60) + "\"";
  }
  if (list.empty()) return;
  AlarmErrorBox("次のアラームは開始時刻または終了時刻が読めないため鳴りません"_sj + list +
                    "\r\n\r\n環境設定のアラームページで時刻を設定し直すと鳴るようになります"_sj,
                "アラーム時刻の読み込みエラー"_sj);
}

void TKzManagerTockle::EnsureRead() {
  if (Unread == base::FileProblem::None) return;
  Count = ReadCount();
  AllocItems(true);
  if (Unread != base::FileProblem::None)
    throw EAlarmWriteError(unreadText(FileName, Unread) + "\r\nアラームの変更は保存されていません"_sj);
}

void TKzManagerTockle::ReportFileProblems() const {
  if (Unread != base::FileProblem::None) {
    AlarmErrorBox(unreadText(FileName, Unread) +
                      "\r\nアラームは読み込まれていないため鳴りません。このファイルは書き換えず，"
                      "アラームを変更するときに読み込み直します"_sj,
                  "アラームの読み込みエラー"_sj);
    return;
  }
  auto bytes = base::readFile(FileName);
  if (!bytes) return;
  AlarmFileDamage damage = checkAlarmText(*bytes);
  if (!damage.any()) {
    base::deleteFile(base::tempBeside(FileName));
    return;
  }
  std::string text = "アラームの設定ファイル "_sj + FileName + " は壊れています"_sj;
  if (!damage.brokenAlarms.empty())
    text += "\r\n次のアラームは一部または全部が読めず，読めなかった設定は既定の値になっています: "_sj +
            numberList(damage.brokenAlarms);
  if (damage.strayText) text += "\r\nアラームではない読めない部分があります"_sj;
  AlarmErrorBox(text + "\r\n\r\n読めたアラームはそのまま使います。最初にアラームを保存するとき，元のファイルを "_sj +
                    base::freeCopyName(FileName, ".damaged") + " として残します"_sj,
                "アラームの読み込みエラー"_sj);
}

void TKzManagerTockle::AddItem(const TKzAlarmTockle& source, std::optional<base::DateTime> previous) {
  EnsureRead();
  auto item = std::make_unique<TKzAlarmTockle>(FileName);
  item->Assign(source);
  item->FileName = FileName;
  item->Previous = previous.value_or(Now() - 0.5);
  item->Index = Count;
  // The new section and the new count in one step.
  AlarmFileEdit edit{AlarmFile(FileName)};
  mendInto(edit);
  item->SaveInto(edit);
  edit.write(kInitial, kCount, std::to_string(Count + 1));
  edit.commit();
  Items.push_back(std::move(item));
  Count = static_cast<int>(Items.size());
}

bool TKzManagerTockle::CheckAlarms(int& index) {
  if (!Active()) return false;
  // Once the hold on the file has ended its alarms ring again.
  if (Unread != base::FileProblem::None) {
    try {
      EnsureRead();
    } catch (const EAlarmWriteError&) {
      return false;
    }
  }
  base::DateTime now = Now();
  for (int i = 0; i < Count; ++i) {
    if (i >= static_cast<int>(Items.size()) || !Items[i]) return false;
    TKzAlarmTockle& item = *Items[i];
    if (item.IsRingTime(now)) {
      index = i;
      item.Previous = now;
      SaveItem(item);
      return true;
    }
  }
  return false;
}

void TKzManagerTockle::SetItem(const TKzAlarmTockle& source) {
  int i = source.Index;
  if (i < 0 || i >= static_cast<int>(Items.size())) return;
  // The item in memory changes only once the file holds the change.
  TKzAlarmTockle saved(FileName);
  saved.Assign(source);
  saved.FileName = FileName;
  saved.Index = i;
  SaveItem(saved);
  Items[i]->Assign(saved);
}

bool TKzManagerTockle::DeleteItem(int n) {
  EnsureRead();
  AlarmFile file(FileName);
  if (n < 0 || n >= Count || !file.exists()) return false;
  AlarmFileEdit edit(file);
  mendInto(edit);
  if (!removeSection(edit, n, Count)) return false;
  edit.commit();
  --Count;
  AllocItems(false);
  return true;
}

void TKzManagerTockle::DeleteReCallItems() {
  // From the last item down: a deletion only moves the items above it. All deletions are made in
  // memory and the file is rewritten once.
  EnsureRead();
  AlarmFile file(FileName);
  if (!file.exists()) return;
  AlarmFileEdit edit(file);
  mendInto(edit);
  int count = Count;
  for (int i = std::min(count, static_cast<int>(Items.size())) - 1; i >= 0; --i) {
    if (Items[i]->ReCall && removeSection(edit, i, count)) --count;
  }
  if (count == Count) return;
  edit.commit();
  Count = count;
  AllocItems(false);
}

int TKzManagerTockle::FindItem(const TKzAlarmTockle& fired, int hint) const {
  int n = static_cast<int>(Items.size());
  if (hint >= 0 && hint < n && sameAlarm(*Items[hint], fired)) return hint;
  for (int i = 0; i < n; ++i)
    if (sameAlarm(*Items[i], fired)) return i;
  return -1;
}

void TKzManagerTockle::ToListView(HWND list) {
  try {
    EnsureRead();
  } catch (const EAlarmWriteError&) {
    // The page shows no alarm; its OK tries the file again (FromListView).
  }
  listFromUnread_ = Unread != base::FileProblem::None;
  // The file's count, but never past the items held.
  Count = std::min(ReadCount(), static_cast<int>(Items.size()));
  std::vector<AlarmRow> rows;
  for (int i = 0; i < Count; ++i) rows.push_back(toRow(*Items[i]));
  writeRows(list, rows);
}

void TKzManagerTockle::FromListView(HWND list) {
  std::vector<AlarmRow> rows = readRows(list);
  // Rows shown while the file could not be read are all new: they go after the alarms the file
  // holds, now that it reads (or nothing is written).
  const bool appended = listFromUnread_;
  EnsureRead();
  listFromUnread_ = false;
  const int first = appended ? Count : 0;
  Count = first + static_cast<int>(rows.size());
  // The whole list is written in one step: a program ended meanwhile leaves the old list or the
  // new one.
  AlarmFileEdit edit{AlarmFile(FileName)};
  edit.write(kInitial, kCount, std::to_string(Count));
  TKzAlarmTockle item(FileName);
  for (int i = first; i < Count; ++i) {
    fromRow(rows[static_cast<size_t>(i - first)], item);
    item.FileName = FileName;
    item.Index = i;
    item.SaveInto(edit);
  }
  edit.commit();
  AllocItems(false);
}

}  // namespace tockle
