// The alarm manager: the items of the alarm file in memory, in file order, the check for a due
// item, and every change of the list written through to the file at once.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/datetime.h"
#include "base/files.h"
#include "clock/alarm/alarm_item.h"

namespace tockle {

class AlarmFileEdit;

class TKzAlarmManager {
 public:
  explicit TKzAlarmManager(std::string fileName) : FileName(std::move(fileName)) {}
  virtual ~TKzAlarmManager() = default;
  TKzAlarmManager(const TKzAlarmManager&) = delete;
  TKzAlarmManager& operator=(const TKzAlarmManager&) = delete;

  int Count = 0;
  std::string FileName;

  virtual bool CheckAlarms(int& index) = 0;
};

class TKzManagerTockle : public TKzAlarmManager {
 public:
  // Reads the count; builds no items. The manager starts paused (see Pause).
  explicit TKzManagerTockle(std::string fileName);
  // Deletes the delete-after-notification items when ClearReCall is on.
  ~TKzManagerTockle() override;

  // Item i is section i of the file; its Index is i.
  std::vector<std::unique_ptr<TKzAlarmTockle>> Items;
  // Delete every delete-after-notification item at destruction; never stored.
  bool ClearReCall = false;

  // Alarm checks are allowed only while nobody holds a pause. Pauses are counted, so a dialog
  // that closes while a notification is still open does not resume the checks. The manager is
  // created with one pause, which the owner releases once its window is shown.
  bool Active() const { return pauses_ == 0; }
  void Pause() { ++pauses_; }
  void Resume() {
    if (pauses_ > 0) --pauses_;
  }

  // While a notification is open: applies its choices (not to ring again, delete) as its OK
  // would, once; the session ending or the clock closing under it calls it. Empty otherwise.
  std::function<void()> SettleNotification;

  // The clock the checks use (tests set a fixed time).
  std::function<base::DateTime()> Now = [] { return base::now(); };

  int ReadCount() const;
  bool LoadItem(TKzAlarmTockle& item);
  void SaveItem(TKzAlarmTockle& item);
  // Rebuilds the items from the file: at most Count of them, ending at the last section there; a
  // missing section before it gives a disabled item with the defaults.
  // With reset each item's last-rung time becomes now - half a day (in memory only).
  void AllocItems(bool reset);
  // One error box naming every item whose start or end time could not be read (such an item keeps
  // its texts and never rings until its times are set again on the alarm page); nothing when
  // there is none. The owner calls it once per start.
  void ReportUnreadableTimes() const;
  // Why the file could not be read when the items were last built (a folder, held by another
  // program, refused); None when the items are what the file holds (a missing file holds none).
  // While it is set the file is never written: every change of the list reads it again first.
  base::FileProblem Unread = base::FileProblem::None;
  // Builds the items again when the file could not be read before; throws EAlarmWriteError,
  // naming the file and why, when it still cannot be read.
  void EnsureRead();
  // At start, one error box: the file could not be read, or it is damaged (which alarms could not
  // be read, what the clock does about it). A file that reads whole loses the temporary file a
  // save ended half-way left beside it.
  void ReportFileProblems() const;
  // Appends a copy of item as a new last section; it may ring from half a day after previous
  // (default: from now on).
  void AddItem(const TKzAlarmTockle& item, std::optional<base::DateTime> previous = std::nullopt);
  // The first due item in file order: marks it rung (saved) and gives its index. While the file
  // could not be read it is tried again first.
  bool CheckAlarms(int& index) override;
  // The item at item.Index takes item's values and is saved; an index out of range is ignored.
  void SetItem(const TKzAlarmTockle& item);
  // Removes section n and moves the sections after it down by one.
  bool DeleteItem(int n);
  // Deletes every delete-after-notification item.
  void DeleteReCallItems();
  // The index of the item that still is fired (hint first, as the list may have been rewritten
  // meanwhile), or -1 when none is.
  int FindItem(const TKzAlarmTockle& fired, int hint) const;

  // The alarm page's list view (report view with check boxes): one row per item, and back.
  void ToListView(HWND list);
  void FromListView(HWND list);

 private:
  // A damaged file's first rewrite holds every item, under the count of items, so that it reads
  // whole afterwards: what could not be read is written with the values the items were given.
  void mendInto(AlarmFileEdit& edit);

  int pauses_ = 1;
  // The list view was filled while the file could not be read: every row of it is a new alarm.
  bool listFromUnread_ = false;
};

}  // namespace tockle
