#include "clock/alarm/alarm_list.h"

#include <commctrl.h>

#include "base/text.h"

namespace tockle {

namespace {

const std::array<std::string, 7>& dayLetters() {
  static const std::array<std::string, 7> letters = {"日"_sj, "月"_sj, "火"_sj, "水"_sj, "木"_sj, "金"_sj, "土"_sj};
  return letters;
}

std::string flag(bool on) { return on ? "Y" : "N"; }

void readTimeText(const std::string& text, bool withDate, base::DateTime& out, std::string& kept) {
  kept.clear();
  base::DateTime t = 0;
  if (withDate ? base::tryStrToDateTime(text, t) : base::tryStrToTime(text, t))
    out = t;
  else
    kept = text;
}

}  // namespace

AlarmRow toRow(const TKzAlarmTockle& item) {
  AlarmRow r;
  r.checked = item.Enabled;
  std::string days;
  for (int d = 0; d < 7; ++d)
    if (item.WeekDay[d]) days += dayLetters()[d];
  r.columns = {item.Kept.StartTime.empty() ? base::timeToStr(item.StartTime) : item.Kept.StartTime,
               item.Kept.EndTime.empty() ? base::timeToStr(item.EndTime) : item.Kept.EndTime,
               flag(item.ShowMessage),
               item.MessageString,
               days,
               flag(item.ReCall),
               flag(item.RingSound),
               item.SoundPath,
               item.Kept.Previous.empty() ? base::dateTimeToStr(item.Previous) : item.Kept.Previous,
               flag(item.LoopSound),
               item.ExecuteApps,
               flag(item.RingEveryHour)};
  return r;
}

void fromRow(const AlarmRow& row, TKzAlarmTockle& item) {
  const auto& c = row.columns;
  item.Enabled = row.checked;
  readTimeText(c[0], false, item.StartTime, item.Kept.StartTime);
  readTimeText(c[1], false, item.EndTime, item.Kept.EndTime);
  item.ShowMessage = c[2] == "Y";
  item.MessageString = c[3];
  for (int d = 0; d < 7; ++d) item.WeekDay[d] = base::find(c[4], dayLetters()[d]) != std::string::npos;
  item.ReCall = c[5] == "Y";
  item.RingSound = c[6] == "Y";
  item.SoundPath = c[7];
  readTimeText(c[8], true, item.Previous, item.Kept.Previous);
  item.LoopSound = c[9] == "Y";
  item.ExecuteApps = c[10];
  item.RingEveryHour = c[11] == "Y";
}

void writeRows(HWND list, const std::vector<AlarmRow>& rows) {
  SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  for (size_t i = 0; i < rows.size(); ++i) {
    std::wstring caption = base::wide(rows[i].columns[0]);
    LVITEMW it{};
    it.mask = LVIF_TEXT;
    it.iItem = static_cast<int>(i);
    it.pszText = caption.data();
    int row = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&it)));
    for (int col = 1; col < 12; ++col) {
      std::wstring text = base::wide(rows[i].columns[col]);
      LVITEMW sub{};
      sub.iSubItem = col;
      sub.pszText = text.data();
      SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&sub));
    }
    LVITEMW state{};
    state.stateMask = LVIS_STATEIMAGEMASK;
    state.state = INDEXTOSTATEIMAGEMASK(rows[i].checked ? 2 : 1);
    SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
  }
}

std::vector<AlarmRow> readRows(HWND list) {
  std::vector<AlarmRow> rows;
  int n = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    AlarmRow r;
    for (int col = 0; col < 12; ++col) {
      wchar_t buf[4096];
      LVITEMW it{};
      it.iSubItem = col;
      it.pszText = buf;
      it.cchTextMax = 4096;
      int len = static_cast<int>(SendMessageW(list, LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(&it)));
      r.columns[col] = base::cp932(std::wstring_view(buf, static_cast<size_t>(len > 0 ? len : 0)));
    }
    UINT state = static_cast<UINT>(SendMessageW(list, LVM_GETITEMSTATE, i, LVIS_STATEIMAGEMASK));
    r.checked = ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
    rows.push_back(std::move(r));
  }
  return rows;
}

}  // namespace tockle
