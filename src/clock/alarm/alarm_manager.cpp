#include "clock/alarm/alarm_manager.h"

#include <algorithm>
#include <climits>

#include "base/text.h"
#include "clock/alarm/alarm_file.h"
#include "clock/alarm/alarm_list.h"

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

void TKzManagerTockle::WriteCount(int n) { AlarmFile(FileName).write(kInitial, kCount, std::to_string(n)); }

bool TKzManagerTockle::LoadItem(TKzAlarmTockle& item) { return item.LoadData(); }

void TKzManagerTockle::SaveItem(TKzAlarmTockle& item) { item.SaveData(); }

void TKzManagerTockle::AllocItems(bool reset) {
  Items.clear();
  AlarmFile file(FileName);
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

void TKzManagerTockle::AddItem(const TKzAlarmTockle& source, std::optional<base::DateTime> previous) {
  auto item = std::make_unique<TKzAlarmTockle>(FileName);
  item->Assign(source);
  item->FileName = FileName;
  item->Previous = previous.value_or(Now() - 0.5);
  item->Index = Count;
  SaveItem(*item);
  Items.push_back(std::move(item));
  Count = static_cast<int>(Items.size());
  WriteCount(Count);
}

bool TKzManagerTockle::CheckAlarms(int& index) {
  if (!Active()) return false;
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
  TKzAlarmTockle& item = *Items[i];
  item.Assign(source);
  item.FileName = FileName;
  item.Index = i;
  SaveItem(item);
}

bool TKzManagerTockle::DeleteItem(int n) {
  AlarmFile file(FileName);
  if (n < 0 || n >= Count || !file.exists() || !file.hasSection(std::to_string(n))) return false;
  file.eraseSection(std::to_string(n));
  for (int k = n + 1; k < Count; ++k) {
    std::string from = std::to_string(k);
    auto pairs = file.readSection(from);
    if (pairs.empty()) continue;
    file.eraseSection(from);
    file.writeSection(std::to_string(k - 1), pairs);
  }
  WriteCount(Count - 1);
  --Count;
  AllocItems(false);
  return true;
}

void TKzManagerTockle::DeleteReCallItems() {
  // From the last item down: a deletion only moves the items above it, and each step lowers i,
  // so this ends also when a deletion fails or the file has vanished.
  for (int i = static_cast<int>(Items.size()) - 1; i >= 0; --i) {
    if (i < static_cast<int>(Items.size()) && Items[i]->ReCall) DeleteItem(i);
  }
}

int TKzManagerTockle::FindItem(const TKzAlarmTockle& fired, int hint) const {
  int n = static_cast<int>(Items.size());
  if (hint >= 0 && hint < n && sameAlarm(*Items[hint], fired)) return hint;
  for (int i = 0; i < n; ++i)
    if (sameAlarm(*Items[i], fired)) return i;
  return -1;
}

void TKzManagerTockle::ToListView(HWND list) {
  // The file's count, but never past the items held.
  Count = std::min(ReadCount(), static_cast<int>(Items.size()));
  std::vector<AlarmRow> rows;
  for (int i = 0; i < Count; ++i) rows.push_back(toRow(*Items[i]));
  writeRows(list, rows);
}

void TKzManagerTockle::FromListView(HWND list) {
  std::vector<AlarmRow> rows = readRows(list);
  Count = static_cast<int>(rows.size());
  WriteCount(Count);
  TKzAlarmTockle item(FileName);
  for (int i = 0; i < Count; ++i) {
    fromRow(rows[i], item);
    item.FileName = FileName;
    item.Index = i;
    SaveItem(item);
  }
  AllocItems(false);
}

}  // namespace tockle
