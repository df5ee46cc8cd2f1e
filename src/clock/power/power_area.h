// The clock's power operations: the question with its count-down (unless the settings say to act
// at once), then the shutdown, restart, suspend or hibernation through the power seam.
#pragma once

#include <functional>
#include <string>

#include "clock/power/power.h"
#include "clock/settings/clock_settings.h"
#include "ui/command_table.h"

namespace tockle {

class PowerArea {
 public:
  // A text in place of the clock: shown or taken away, kept until taken away or timed.
  using ShowMessage = std::function<void(bool show, bool persistent, const std::string& text)>;
  // Pauses or resumes the alarms' checks while the question is open.
  using SetAlarmsActive = std::function<void(bool active)>;

  PowerArea(const TClockSettings& settings, ShowMessage showMessage, SetAlarmsActive setAlarmsActive);
  PowerArea(const PowerArea&) = delete;
  PowerArea& operator=(const PowerArea&) = delete;

  // Commands 10, 11, 12 and 17: shutdown, restart, suspend, hibernation.
  void bindCommands(ui::CommandTable& commands);

  // The seam before the calls that would act on the machine (tests put a fake in its place).
  IPowerControl* Power = &systemPowerControl();
  // One operation of a kind (PowerKind); other numbers do nothing.
  void PowerOperation(int kind);

 private:
  const TClockSettings& settings_;
  ShowMessage showMessage_;
  SetAlarmsActive setAlarmsActive_;
  bool powerQuestionOpen_ = false;
};

}  // namespace tockle
