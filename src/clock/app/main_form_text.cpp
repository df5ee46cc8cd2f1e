// The clock's text: the display format with Internet time ("#i") and the battery ("#b") put in,
// formatted in the date-time format language.
#include "base/datetime.h"
#include "base/text.h"
#include "clock/app/main_form.h"
#include "clock/face/internet_time.h"
#include "clock/power/battery.h"

namespace tockle {

std::string TfrmMain::FormatClockText(const std::string& format, base::DateTime time) const {
  std::string f = format;
  size_t at = base::find(f, "#i");
  if (at != std::string::npos) {
    TKzInternetTime beats;
    const std::string text = beats.FormatBeats(time);
    for (; at != std::string::npos; at = base::find(f, "#i", at + text.size())) f.replace(at, 2, text);
  }
  // The battery shows once; a further "#b" is formatted as text.
  at = base::find(f, "#b");
  if (at != std::string::npos) f.replace(at, 2, BatteryText);
  f = base::trim(f);
  if (f.empty()) f.push_back('c');  // the short date and long time
  return base::formatDateTime(f, time);
}

void TfrmMain::WMPowerBroadcast() {
  if (base::find(Settings.DisplayType, "#b") == std::string::npos) return;
  SYSTEM_POWER_STATUS status{};
  if (!ReadPowerStatus || !ReadPowerStatus(status)) {
    status.ACLineStatus = status.BatteryFlag = status.BatteryLifePercent = 255;
  }
  TBatteryDisplay d = BatteryDisplayFor(status);
  BatteryText = d.Text;
  BatteryFont.setName(lblClock.Font.name());
  BatteryFont.setSize(lblClock.Font.size());
  BatteryFont.setStyle(lblClock.Font.style());
  BatteryFont.setCharset(lblClock.Font.charset());
  BatteryFont.setColor(d.Color);
  tmeMain.SetFont(&BatteryFont);
}

}  // namespace tockle
