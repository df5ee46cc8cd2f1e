// The clock's settings in the registry: read once at start (with the one-time takeover of the
// previous version's key), written at exit and after every change in the settings dialog.
#include <string>

#include "base/text.h"
#include "clock/app/main_form.h"
#include "clock/settings/settings_store.h"
#include "shared/reg_ex.h"

namespace tockle {

TComponentSettings TfrmMain::ComponentSettings() const {
  TComponentSettings c;
  c.ClockType = tmeMain.ClockKind;
  c.HandWidth = tmeMain.CircleWidth;
  c.ClockFontColor = lblClock.Font.color();
  c.ClockFontName = lblClock.Font.name();
  c.ClockFontSize = lblClock.Font.size();
  c.ClockFontStyle = lblClock.Font.style();
  c.BackColor = lblClock.Color;
  if (handle()) {
    c.ClockHeight = height();
    c.ClockLeft = left();
    c.ClockTop = top();
    c.ClockWidth = width();
  }
  return c;
}

void TfrmMain::SetComponentSettings(const TComponentSettings& c) {
  tmeMain.SetClockKind(c.ClockType);
  tmeMain.SetCircleWidth(c.HandWidth);
  lblClock.Font.setColor(c.ClockFontColor);
  lblClock.Font.setName(c.ClockFontName);
  lblClock.Font.setSize(c.ClockFontSize);
  lblClock.Font.setStyle(c.ClockFontStyle);
  lblClock.Color = c.BackColor;
  setBounds(c.ClockLeft, c.ClockTop, c.ClockWidth, c.ClockHeight);
}

void TfrmMain::LoadSettings() {
  shared::TKzRegEx reg;
  bool takeover = false;
  if (reg.KeyExists(RegistryKey) || !reg.KeyExists(PreviousRegistryKey)) {
    reg.OpenKey(RegistryKey, true);
  } else if (AskUser(handle(),
                     "旧バージョンのレジストリ設定が見つかりました\r\n"
                     "新バージョン形式に自動的に変換します\r\n\r\n"
                     "実行してよろしいですか？([いいえ] を選択すると設定を受け継ぎません)"_sj,
                     "設定の継承"_sj, MB_YESNO | MB_ICONQUESTION) == IDYES) {
    reg.OpenKeyReadOnly(PreviousRegistryKey);
    takeover = true;
    MigrateLauncherSettings(reg);
  } else {
    // The new key now exists, so the question never comes again.
    reg.OpenKey(RegistryKey, true);
  }
  TComponentSettings c = ComponentSettings();
  ReadClockSettings(reg, Settings, c);
  SetComponentSettings(c);
  reg.CloseKey();
  if (takeover) SaveSettings();
}

void TfrmMain::MigrateLauncherSettings(const shared::TKzRegEx& previous) {
  shared::TRegistry target;
  if (!target.OpenKey(RegistryKey, true)) return;
  try {
    for (int n = 0; previous.ValueExists("App" + std::to_string(n)); ++n) {
      for (const char* name : {"App", "AppFolder", "AppParam", "AppPath"}) {
        const std::string valueName = name + std::to_string(n);
        std::string text;
        try {
          if (previous.ValueExists(valueName)) text = previous.ReadString(valueName);
        } catch (const shared::ERegistryException&) {
          // A value of another type is taken over as empty, like a missing one.
        }
        target.WriteString(valueName, text);
      }
    }
  } catch (const shared::ERegistryException&) {
    // The new key refused a write: the entries taken over so far stay.
  }
}

void TfrmMain::SaveSettings() {
  shared::TRegistry reg;
  if (!reg.OpenKey(RegistryKey, true)) return;
  try {
    WriteClockSettings(reg, Settings, ComponentSettings());
  } catch (const shared::ERegistryException&) {
    // What was written before the failing value stays.
  }
}

}  // namespace tockle
