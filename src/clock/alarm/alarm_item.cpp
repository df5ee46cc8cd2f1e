#include "clock/alarm/alarm_item.h"

#include <cmath>
#include <cstdlib>

#include "base/text.h"
#include "clock/alarm/alarm_file.h"
#include "shared/prompts.h"

namespace tockle {

void AlarmErrorBox(const std::string& text, const std::string& caption) {
  shared::prompts().ask(nullptr, text, caption, MB_OK | MB_ICONERROR);
}

namespace {

constexpr long long kDayMs = 86400000;
constexpr long long kHalfDayMs = kDayMs / 2;
// 0.04 day: an every-hour item rings at most once in this time.
constexpr long long kEveryHourGapMs = 3456000;

long long toMs(base::DateTime t) { return std::llround(t * static_cast<double>(kDayMs)); }

// A Boolean of the file: a decimal or "0x" hexadecimal integer, non-zero = true; anything else
// (also a missing key) gives the default.
bool readBool(const AlarmFile::Pairs& section, const char* key, bool def) {
  std::string v = base::trim(AlarmFile::valueOf(section, key));
  long long n = 0;
  if (base::parseInt(v, n)) return n != 0;
  bool negative = !v.empty() && v[0] == '-';
  std::string_view digits(v);
  if (negative || (!v.empty() && v[0] == '+')) digits.remove_prefix(1);
  if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
    digits.remove_prefix(2);
    if (digits.find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos)
      return std::strtoull(std::string(digits).c_str(), nullptr, 16) != 0;
  }
  return def;
}

void writeBool(AlarmFileEdit& f, const std::string& section, const char* key, bool v) {
  f.write(section, key, v ? "1" : "0");
}

// A time text: empty gives the default; a text that cannot be read keeps the default value and
// is remembered in kept, so it is written back as it was.
void readTime(const AlarmFile::Pairs& section, const char* key, base::DateTime def, bool withDate, base::DateTime& out,
              std::string& kept) {
  std::string v = base::trim(AlarmFile::valueOf(section, key));
  kept.clear();
  out = def;
  if (v.empty()) return;
  base::DateTime t = 0;
  if (withDate ? base::tryStrToDateTime(v, t) : base::tryStrToTime(v, t)) {
    out = t;
  } else {
    kept = v;
  }
}

}  // namespace

long long TKzBasicAlarmItem::msOfDay(base::DateTime t) {
  long long ms = toMs(t) % kDayMs;
  return ms < 0 ? ms + kDayMs : ms;
}

long long TKzBasicAlarmItem::windowLength(base::DateTime start, base::DateTime end) {
  long long s = msOfDay(start), e = msOfDay(end);
  return s <= e ? e - s : e + kDayMs - s;
}

bool TKzBasicAlarmItem::inWindow(base::DateTime start, base::DateTime end, base::DateTime t) {
  long long s = msOfDay(start), e = msOfDay(end), x = msOfDay(t);
  if (s > e) return x >= s || x < e;
  return s <= x && x < e;
}

std::string TKzBasicAlarmItem::previousText(base::DateTime t) {
  bool midnight = msOfDay(t) == 0;
  auto readsBack = [t](const std::string& text) {
    base::DateTime back = 0;
    return base::tryStrToDateTime(text, back) && std::llabs(toMs(back) - toMs(t)) < 1000;
  };
  std::string text = midnight ? base::dateToStr(t) : base::dateTimeToStr(t);
  if (readsBack(text)) return text;
  return base::formatDateTime(midnight ? "yyyy\"/\"m\"/\"d" : "yyyy\"/\"m\"/\"d h\":\"nn\":\"ss", t);
}

std::string TKzBasicAlarmItem::Section() const { return std::to_string(Index); }

void TKzBasicAlarmItem::Assign(const TKzBasicAlarmItem& source) {
  Enabled = source.Enabled;
  Previous = source.Previous;
  EndTime = source.EndTime;
  StartTime = source.StartTime;
  WeekDay = source.WeekDay;
  Index = source.Index;
  FileName = source.FileName;
  Kept = source.Kept;
}

bool TKzBasicAlarmItem::RingsOnDayOf(base::DateTime t) const { return WeekDay[base::toSystemTime(t).wDayOfWeek % 7]; }

bool TKzBasicAlarmItem::IsRingTime(base::DateTime t) const {
  if (!Enabled || Kept.any()) return false;
  if (!RingsOnDayOf(t)) return false;
  if (toMs(t) < toMs(Previous) + kHalfDayMs) return false;
  return inWindow(StartTime, EndTime, t);
}

void TKzBasicAlarmItem::ApplySpanRule() {
  if (!Kept.StartTime.empty() || !Kept.EndTime.empty()) return;
  if (windowLength(StartTime, EndTime) <= kHalfDayMs) return;
  AlarmErrorBox(
      "設定時刻が仕様外のため，終了時刻がデフォルトに戻されます\r\n"
      "設定ファイルを手動でいじらないで下さい。いじっていないのにこのメッセージが表示された場合は，バグの可能性が高いので，作者までご連絡下さい"_sj,
      "RuntimeInternalError @ TKzBasicAlarmItem.SaveData");
  EndTime = static_cast<double>((msOfDay(StartTime) + kDefaultLengthMs) % kDayMs) / kDayMs;
}

void TKzBasicAlarmItem::LoadBase(const AlarmFile& f) {
  AlarmFile::Pairs sec = f.readSection(Section());
  base::DateTime now = base::now();
  base::DateTime timeOfDay = now - std::floor(now);
  Enabled = readBool(sec, "Enabled", false);
  readTime(sec, "StartTime", timeOfDay, false, StartTime, Kept.StartTime);
  readTime(sec, "EndTime", timeOfDay + 0.005, false, EndTime, Kept.EndTime);
  std::string unreadable;
  readTime(sec, "Previous", now - 1, true, Previous, unreadable);
  for (int d = 0; d < 7; ++d) WeekDay[d] = readBool(sec, ("WeekDay" + std::to_string(d + 1)).c_str(), true);
}

void TKzBasicAlarmItem::SaveBase(AlarmFileEdit& f) {
  std::string sec = Section();
  writeBool(f, sec, "Enabled", Enabled);
  f.write(sec, "StartTime", Kept.StartTime.empty() ? base::timeToStr(StartTime) : Kept.StartTime);
  f.write(sec, "EndTime", Kept.EndTime.empty() ? base::timeToStr(EndTime) : Kept.EndTime);
  f.write(sec, "Previous", previousText(Previous));
  for (int d = 0; d < 7; ++d) writeBool(f, sec, ("WeekDay" + std::to_string(d + 1)).c_str(), WeekDay[d]);
}

bool TKzBasicAlarmItem::LoadData() {
  AlarmFile f(FileName);
  if (!f.exists()) return false;
  LoadBase(f);
  ApplySpanRule();
  return true;
}

bool TKzBasicAlarmItem::SaveData() {
  AlarmFileEdit edit{AlarmFile(FileName)};
  SaveInto(edit);
  edit.commit();
  return true;
}

void TKzBasicAlarmItem::SaveInto(AlarmFileEdit& edit) {
  ApplySpanRule();
  SaveBase(edit);
}

void TKzAlarmTockle::Assign(const TKzBasicAlarmItem& source) {
  if (auto* s = dynamic_cast<const TKzAlarmTockle*>(&source)) {
    LoopSound = s->LoopSound;
    RingSound = s->RingSound;
    ShowMessage = s->ShowMessage;
    MessageString = s->MessageString;
    SoundPath = s->SoundPath;
    ExecuteApps = s->ExecuteApps;
    ReCall = s->ReCall;
    RingEveryHour = s->RingEveryHour;
  }
  TKzBasicAlarmItem::Assign(source);
}

bool TKzAlarmTockle::IsRingTime(base::DateTime t) const {
  if (!RingEveryHour) return TKzBasicAlarmItem::IsRingTime(t);
  // The page asks for weekdays for hourly alarms too ("every hour, Monday to Friday"); the window
  // is not tested.
  if (!Enabled || Kept.any() || !RingsOnDayOf(t)) return false;
  if (toMs(t) < toMs(Previous) + kEveryHourGapMs) return false;
  return base::toSystemTime(t).wMinute == base::toSystemTime(StartTime).wMinute;
}

bool TKzAlarmTockle::LoadData() {
  AlarmFile f(FileName);
  if (!f.exists()) return false;
  // The section is read whole: one call instead of one per key.
  AlarmFile::Pairs sec = f.readSection(Section());
  RingSound = readBool(sec, "RingSound", false);
  ShowMessage = readBool(sec, "ShowMessage", false);
  LoopSound = readBool(sec, "LoopSound", false);
  MessageString = AlarmFile::valueOf(sec, "MessageString");
  SoundPath = AlarmFile::valueOf(sec, "SoundPath");
  ExecuteApps = AlarmFile::valueOf(sec, "ExecuteApps");
  RingEveryHour = readBool(sec, "RingEveryHour", false);
  ReCall = readBool(sec, "ReCall", false);
  return TKzBasicAlarmItem::LoadData();
}

void TKzAlarmTockle::SaveInto(AlarmFileEdit& f) {
  std::string sec = Section();
  // The texts in memory stay what the file holds.
  MessageString = AlarmFile::flattenLineBreaks(MessageString);
  SoundPath = AlarmFile::flattenLineBreaks(SoundPath);
  ExecuteApps = AlarmFile::flattenLineBreaks(ExecuteApps);
  writeBool(f, sec, "RingSound", RingSound);
  writeBool(f, sec, "ShowMessage", ShowMessage);
  writeBool(f, sec, "LoopSound", LoopSound);
  f.write(sec, "MessageString", MessageString);
  f.write(sec, "SoundPath", SoundPath);
  f.write(sec, "ExecuteApps", ExecuteApps);
  writeBool(f, sec, "RingEveryHour", RingEveryHour);
  writeBool(f, sec, "ReCall", ReCall);
  TKzBasicAlarmItem::SaveInto(f);
}

}  // namespace tockle
