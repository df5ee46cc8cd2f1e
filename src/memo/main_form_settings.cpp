// The memo window's values kept in the registry between runs: the document and the tab shown.
// The other settings keep their defaults until the settings come.
#include "memo/main_form.h"
#include "shared/KzRegEx.h"
#include "ui/app.h"

namespace memo {

void TfrmMain::LoadSettings() {
  shared::TKzRegEx reg;
  if (!reg.OpenKeyReadOnly(SettingsKey)) return;
  try {
    reg.TryReadString("MemoFile", MemoFile, MemoFile);
    reg.TryReadString("LastTab", LastTab, LastTab);
  } catch (const shared::ERegistryException&) {
    // A value of another type keeps its default.
  }
}

void TfrmMain::SaveSettings() {
  ui::guarded([this] {
    shared::TKzRegEx reg;
    if (!reg.OpenKey(SettingsKey, true)) return;
    reg.WriteString("MemoFile", MemoFile);
    int shown = selectedTab();
    reg.WriteString("LastTab", shown >= 0 ? tabName(shown) : std::string());
  });
}

}  // namespace memo
