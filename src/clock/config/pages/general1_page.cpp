#include "clock/config/pages/general1_page.h"

#include "base/files.h"
#include "base/text.h"
#include "clock/config/config_dialog.h"
#include "clock/config/pages/startup_shortcut.h"
#include "shared/prompts.h"
#include "ui/wait_cursor.h"

namespace tockle {

namespace {

// The power confirmation: -1 asks nothing, 0 asks without a count-down, n counts n seconds down.
constexpr int kNoQuestion = -1, kMaxCountDown = 120;

// The entry whose command is this one; -1 when the list has none.
int indexOfCommand(const ui::ComboBox& combo, int command) {
  for (int i = 0, n = combo.count(); i < n; ++i)
    if (combo.itemData(i) == command) return i;
  return -1;
}

// The command of the chosen entry; the stored one when nothing (or a heading) is chosen.
int chosenCommand(const ui::ComboBox& combo, int stored) {
  int i = combo.itemIndex();
  int command = i >= 0 ? static_cast<int>(combo.itemData(i)) : 0;
  return command > 0 ? command : stored;
}

}  // namespace

TGeneral1Page::TGeneral1Page(TfrmConfig& config) : TConfigPage(config, tabGeneral, IDD_PAGE_GENERAL1) {
  onCreate = [this] { FormCreate(); };
  auto general = [this] { SetChanged(cpGeneral); };
  for (ui::CheckBox* c : {&chkStayOnTop, &chkStayInTray, &chkFixClock}) c->onClick = general;
  chkQueryExit.onClick = [this] { chkQueryExitClick(); };
  ExitWin.OnChange = [this](int) { SetChanged(cpGeneral); };
  for (ui::ComboBox* c : {&cmbLButton, &cmbMButton, &cmbRButton}) c->onChange = [this, c] { cmbLButtonChange(*c); };
  btnCreateStartup.onClick = [this] { btnCreateStartupClick(); };
  btnEraseStartup.onClick = [this] { btnEraseStartupClick(); };
}

void TGeneral1Page::FormCreate() {
  ExitWin.Setup(kNoQuestion, kMaxCountDown, 3);
  const std::pair<const ui::Control*, DWORD> help[] = {
      {&chkStayOnTop, 48}, {&chkStayInTray, 47},    {&cmbLButton, 49},     {&cmbMButton, 50},
      {&cmbRButton, 51},   {&chkFixClock, 52},      {&chkQueryExit, 53},   {&edtExitWin, 53},
      {&updExitWin, 53},   {&btnCreateStartup, 54}, {&btnEraseStartup, 55}};
  for (auto [control, topic] : help) SetWindowContextHelpId(control->handle(), topic);
}

void TGeneral1Page::SetMouseCommands(const std::vector<std::pair<std::string, int>>& nameAndCommand) {
  for (ui::ComboBox* c : {&cmbLButton, &cmbMButton, &cmbRButton}) {
    c->clear();
    for (const auto& [name, command] : nameAndCommand) {
      int i = c->add(command > 0 ? name : std::string(kCommandHeading));
      c->setItemData(i, command > 0 ? command : 0);
    }
  }
}

void TGeneral1Page::Load(ConfigStep step) {
  if (step == ConfigStep::CommandList) SetMouseCommands(Config.Commands.MouseCommands());
  if (step != ConfigStep::General) return;
  const TClockSettings& s = Settings();
  chkStayOnTop.setChecked(s.AlwaysOnTop);
  chkStayInTray.setChecked(s.InTray);
  chkFixClock.setChecked(s.FixClock);
  const bool ask = s.TimeRemain != kNoQuestion;
  chkQueryExit.setChecked(ask);
  ExitWin.SetRange(ask ? 0 : kNoQuestion, kMaxCountDown);
  ExitWin.Load(ask ? s.TimeRemain : kNoQuestion);
  ExitWin.SetEnabled(ask);
  // The three lists are equal: each stored command is looked for in the left one.
  const int stored[] = {s.MouseOperation0, s.MouseOperation1, s.MouseOperation2};
  ui::ComboBox* combos[] = {&cmbLButton, &cmbMButton, &cmbRButton};
  for (int i = 0; i < 3; ++i) combos[i]->setItemIndex(indexOfCommand(cmbLButton, stored[i]));
}

bool TGeneral1Page::Save(ConfigStep step) {
  if (step != ConfigStep::General) return true;
  TClockSettings& s = Settings();
  s.AlwaysOnTop = chkStayOnTop.checked();
  s.InTray = chkStayInTray.checked();
  s.FixClock = chkFixClock.checked();
  s.TimeRemain = chkQueryExit.checked() ? ExitWin.Value() : kNoQuestion;
  s.MouseOperation0 = chosenCommand(cmbLButton, s.MouseOperation0);
  s.MouseOperation1 = chosenCommand(cmbMButton, s.MouseOperation1);
  s.MouseOperation2 = chosenCommand(cmbRButton, s.MouseOperation2);
  return true;
}

void TGeneral1Page::chkQueryExitClick() {
  // While the question is on, the count-down cannot be taken below 0 by the arrows: only the
  // box switches the question off.
  const bool ask = chkQueryExit.checked();
  ExitWin.SetRange(ask ? 0 : kNoQuestion, kMaxCountDown);
  ExitWin.SetValue(ask ? 0 : kNoQuestion);
  ExitWin.SetEnabled(ask);
  SetChanged(cpGeneral);
}

void TGeneral1Page::cmbLButtonChange(ui::ComboBox& combo) {
  int i = combo.itemIndex();
  if (i >= 0 && combo.itemData(i) <= 0) {
    shared::prompts().ask(handle(), "区切りは選択しても使えません\r\n違うもの選択してね"_sj, "選択ミス"_sj,
                          MB_OK | MB_ICONINFORMATION);
    combo.setItemIndex(0);
    return;
  }
  SetChanged(cpGeneral);
}

void TGeneral1Page::btnCreateStartupClick() {
  StartupOutcome outcome;
  {
    ui::WaitCursor wait;
    outcome = CreateStartupShortcut(base::programPath());
  }
  if (outcome == StartupOutcome::Done) return;
  shared::prompts().ask(handle(),
                        outcome == StartupOutcome::NoFolder ? "スタートアップフォルダが見つかりません"_sj
                                                            : "スタートアップにショートカットを作成できませんでした"_sj,
                        "スタートアップ登録エラー"_sj, MB_OK | MB_ICONERROR);
}

void TGeneral1Page::btnEraseStartupClick() {
  StartupOutcome outcome = DeleteStartupShortcut();
  if (outcome == StartupOutcome::Done) return;
  shared::prompts().ask(handle(),
                        outcome == StartupOutcome::NoFolder ? "スタートアップフォルダが見つかりません"_sj
                                                            : "スタートアップのショートカットを削除できませんでした"_sj,
                        "スタートアップ削除エラー"_sj, MB_OK | MB_ICONERROR);
}

}  // namespace tockle
