// Alarm items: a time window of the day, weekdays, and what to do when the window is reached. Each
// item reads and writes its own section (its Index) of the alarm file.
#pragma once

#include <array>
#include <string>

#include "base/datetime.h"

namespace tockle {

class AlarmFile;
class AlarmFileEdit;

// The error boxes of the alarm code (no owner window).
void AlarmErrorBox(const std::string& text, const std::string& caption);

class TKzBasicAlarmItem {
 public:
  virtual ~TKzBasicAlarmItem() = default;

  bool Enabled = false;
  base::DateTime Previous = 0;    // when it last rang
  base::DateTime EndTime = 0;     // only the time of day counts
  base::DateTime StartTime = 0;   // only the time of day counts
  std::array<bool, 7> WeekDay{};  // [0] Sunday .. [6] Saturday
  int Index = 0;                  // its section in the file
  std::string FileName;

  // Window times of the file that could not be read back (after a change of the locale's time
  // format, say). They are written back unchanged and shown as they stand, and an item holding
  // one never rings. A last-rung time that cannot be read takes the default instead.
  struct KeptTexts {
    std::string StartTime, EndTime;
    bool any() const { return !StartTime.empty() || !EndTime.empty(); }
  } Kept;

  virtual void Assign(const TKzBasicAlarmItem& source);
  virtual bool IsRingTime(base::DateTime t) const;
  virtual bool LoadData();
  // Writes the item's section; the file is replaced in one step.
  virtual bool SaveData();
  // Writes the item's keys into an edit of the file (several items saved in one step).
  virtual void SaveInto(AlarmFileEdit& edit);

  // 0.005 day (7 minutes 12 seconds): the default window length and the end given to a window
  // that is too long.
  static constexpr long long kDefaultLengthMs = 432000;

  // Milliseconds of the time of day of t (0 .. 86,399,999).
  static long long msOfDay(base::DateTime t);
  // Length of the window from start to end in milliseconds, past midnight when end < start.
  static long long windowLength(base::DateTime start, base::DateTime end);
  // Whether the time of day of t lies in the window (start inclusive, end exclusive).
  static bool inWindow(base::DateTime start, base::DateTime end, base::DateTime t);
  // The text stored for a last-rung time: the locale's short date, a blank and the long time (the
  // time left out at exactly midnight); where that would not read back to the same second (an
  // era date, a two-digit year of another century), the plain "yyyy/m/d h:nn:ss" instead.
  static std::string previousText(base::DateTime t);

 protected:
  void LoadBase(const AlarmFile& file);
  void SaveBase(AlarmFileEdit& edit);
  // A window longer than half a day is reported and its end set to start + 7 min 12 s.
  void ApplySpanRule();
  std::string Section() const;
  // Whether the weekday of t's date is ticked.
  bool RingsOnDayOf(base::DateTime t) const;
};

class TKzAlarmTockle : public TKzBasicAlarmItem {
 public:
  TKzAlarmTockle() = default;
  explicit TKzAlarmTockle(std::string fileName) { FileName = std::move(fileName); }

  bool LoopSound = false;
  bool RingSound = false;
  bool ShowMessage = false;
  std::string MessageString;
  std::string SoundPath;
  std::string ExecuteApps;
  bool ReCall = false;
  bool RingEveryHour = false;

  void Assign(const TKzBasicAlarmItem& source) override;
  bool IsRingTime(base::DateTime t) const override;
  bool LoadData() override;
  void SaveInto(AlarmFileEdit& edit) override;
};

}  // namespace tockle
