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
  // What the area needs of the clock.
  struct Host {
    // A text in place of the clock: shown or taken away, kept until taken away or timed.
    std::function<void(bool show, bool persistent, const std::string& text)> showMessage;
    // Pauses or resumes the alarms' checks while the question is open.
    std::function<void(bool active)> setAlarmsActive;
  };

  PowerArea(const TClockSettings& settings, Host host);
  PowerArea(const PowerArea&) = delete;
  PowerArea& operator=(const PowerArea&) = delete;

  // Commands 10, 11, 12 and 17: shutdown, restart, suspend, hibernation.
  void bindCommands(ui::CommandTable& commands);
  // One operation of a kind (PowerKind), through powerControl(); other numbers do nothing.
  void PowerOperation(int kind);

 private:
  const TClockSettings& settings_;
  Host host_;
  bool powerQuestionOpen_ = false;
};

}  // namespace tockle
