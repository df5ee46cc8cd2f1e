// The clock's settings in the registry: read once at start (with the one-time takeover of the
// previous version's key), written at exit and after every change in the settings dialog.
#include <string>

#include "base/text.h"
#include "clock/app/main_form.h"
#include "clock/launcher/launch_items.h"
#include "clock/settings/settings_store.h"
#include "shared/prompts.h"
#include "shared/reg_ex.h"

namespace tockle {

void TfrmMain::LoadSettings() {
  shared::TKzRegEx reg;
  bool takeover = false;
  if (reg.KeyExists(RegistryKey) || !reg.KeyExists(PreviousRegistryKey)) {
    reg.OpenKey(RegistryKey, true);
    // A launcher list a kill left half-saved is finished (or dropped) before the menu reads it.
    try {
      FinishLaunchItemsWrite(reg);
    } catch (const shared::ERegistryException&) {
      // The key refused a write: the next start tries again.
    }
  } else if (shared::prompts().ask(handle(),
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
  ReadClockSettings(reg, Settings);
  GiveClockFace();
  setBounds(Settings.ClockLeft, Settings.ClockTop, Settings.ClockWidth, Settings.ClockHeight);
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

bool TfrmMain::SaveSettings() { return StoreSettings(Settings); }

bool TfrmMain::StoreSettings(TClockSettings& value) {
  shared::TRegistry reg;
  if (!reg.OpenKey(RegistryKey, true)) return false;
  if (handle()) {
    value.ClockHeight = height();
    value.ClockLeft = left();
    value.ClockTop = top();
    value.ClockWidth = width();
  }
  try {
    WriteClockSettings(reg, value);
  } catch (const shared::ERegistryException&) {
    // What was written before the failing value stays.
    return false;
  }
  return true;
}

}  // namespace tockle
