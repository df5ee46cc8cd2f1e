// Commands and the ways in: the dispatcher, the settings dialog's opening, mouse buttons on the
// clock and the tray icon, hot keys, the system menu and the alarm request.
#include <windows.h>

#include <shellapi.h>

#include "base/files.h"
#include "base/text.h"
#include "base/text_lines.h"
#include "clock/alarm/alarm_request.h"
#include "clock/commands/file_problem_text.h"
#include "clock/app/main_config_host.h"
#include "clock/alarm/alarm_area.h"
#include "clock/app/main_form.h"
#include "clock/clipboard/clipboard_area.h"
#include "clock/launcher/launcher_area.h"
#include "clock/power/power_area.h"
#include "clock/commands/app_message.h"
#include "clock/commands/command_list.h"
#include "clock/commands/commands.h"
#include "clock/commands/execute_apps.h"
#include "clock/commands/hot_keys_file.h"
#include "clock/config/config_dialog.h"
#include "clock/config/pages/alarm_page.h"
#include "shared/about.h"
#include "shared/prompts.h"
#include "ui/app.h"
#include "ui/help_file.h"
#include "ui/modal_scope.h"

namespace tockle {

void TfrmMain::ExecuteCommand(int command) {
  // The clock window is disabled under a modal window; what still arrives (hot keys, the tray
  // icon) opens no second one over it and does not end the program under it.
  if (ui::modalOpen() && waitsForModalWindow(command)) return;
  commands_.run(command);
}

void TfrmMain::BindCommands() {
  commands_.on(cmdMemo, [this] { ShellOpen(handle(), ProgramFolder + "Memo.exe", "", ProgramFolder); });
  commands_.on(cmdAlwaysOnTop, [this] {
    Settings.AlwaysOnTop = !Settings.AlwaysOnTop;
    if (TMenuItem* item = FindItemByTag(cmdAlwaysOnTop, ppmSystem)) item->Checked = Settings.AlwaysOnTop;
    setTopMost(Settings.AlwaysOnTop);
  });
  commands_.on(cmdSynchronize, [this] { RunTimeSync(); });
  commands_.on(cmdShowHide, [this] {
    if (!Settings.InTray) return;
    setVisible(!visible());
    if (TMenuItem* item = FindItemByTag(cmdShowHide, ppmSystem)) item->Checked = !visible();
  });
  commands_.on(cmdSettings, [this] { OpenConfig(cfgAllPages); });
  commands_.on(cmdScreenSaver, [this] { SendMessageW(handle(), WM_SYSCOMMAND, SC_SCREENSAVE, 0); });
  commands_.on(cmdSizeWindow, [this] { SendMessageW(handle(), WM_SYSCOMMAND, kSysCommandSizeTopLeft, 0); });
  commands_.on(cmdFitWindow, [this] { FitWindowAgain(); });
  commands_.on(cmdHelp, [this] { ui::openHelp(handle(), HELP_FINDER, 0); });
  commands_.on(cmdAbout, [this] { shared::showAbout(handle()); });
  commands_.on(cmdExit, [this] { PostMessageW(handle(), WM_CLOSE, 0, 0); });
  commands_.on(cmdSystemMenu, [this] { PopupSystemMenu(); });
  clipboard_->bindCommands(commands_);
  alarms_->bindCommands(commands_);
  launcher_->bindCommands(commands_);
  power_->bindCommands(commands_);
}

void TfrmMain::FitWindowAgain() {
  if (tmeMain.ClockKind & 1) {
    // The digital text's resize event fits the window at the next paint.
    SetWindowPos(handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    // Nothing refits an analog face alone: it gets the starting size the settings give it.
    int unit = GetSystemMetrics(SM_CXSCREEN) / 13;
    SetWindowPos(handle(), nullptr, 0, 0, unit + Settings.AutoWidth, unit + Settings.AutoHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    FormResize();
  }
  UpdateClock();
  invalidate();
}

void TfrmMain::OpenConfig(uint8_t mode, const std::optional<std::string>& alarmMessage) {
  if (configOpen_ || findWindowTitled(settingsDialogTitle())) return;
  configOpen_ = true;
  alarms_->setActive(false);
  ShowClockMessage(true, true, "Loading...");
  try {
    MainConfigHost host(*this);
    TfrmConfig dialog(host, mode);
    // Without the command list the program ends: the dialog is not shown.
    bool created = dialog.create() && !dialog.CommandFileMissing;
    if (created && mode == cfgNewAlarm && alarmMessage) dialog.AlarmPage().SetAlarmMessage(*alarmMessage);
    ShowClockMessage(false, false, "");
    if (created) showConfigDialog(dialog);
  } catch (...) {
    configOpen_ = false;
    alarms_->setActive(true);
    throw;
  }
  configOpen_ = false;
  alarms_->setActive(true);
}

void TfrmMain::ExecuteApps(const std::string& list, const std::string& params, const std::string& folder) {
  for (const AppStart& step : planAppStarts(list, params, folder)) {
    if (step.special == kSpecialNTPSynchronize)
      RunTimeSync();
    else if (step.special >= 0)
      power_->PowerOperation(step.special);
    else if (int error = ShellOpen(handle(), step.file, step.params, step.folder))
      // A launcher entry, an alarm's program or a test start that cannot start says which and why.
      shared::prompts().ask(handle(), step.file + " を起動できませんでした\r\n"_sj + shellErrorText(error),
                            "起動エラー"_sj, MB_OK | MB_ICONERROR);
  }
}

void TfrmMain::RunTimeSync() { SynchronizeTime(Settings.NTPServer, Settings.TimeOut, Settings.IgnoreErrorRange); }

bool TfrmMain::AppMessage(MSG& msg) {
  // A disabled clock window (under a modal window) takes no mouse command, even a posted one.
  if (!handle() || msg.hwnd != handle() || !IsWindowEnabled(handle())) return false;
  MouseOperations ops{Settings.MouseOperation0, Settings.MouseOperation1, Settings.MouseOperation2};
  MouseAction action = clockMouseAction(msg.message, msg.wParam, Settings.FixClock, ops);
  switch (action.kind) {
    case MouseActionKind::None:
      return false;
    case MouseActionKind::Command:
      ExecuteCommand(action.command);
      break;
    case MouseActionKind::Drag:
      DragWindow();
      break;
    case MouseActionKind::DragOrCommand: {
      POINT before{}, after{};
      GetCursorPos(&before);
      DragWindow();
      GetCursorPos(&after);
      if (before.x == after.x && before.y == after.y) ExecuteCommand(action.command);
      break;
    }
  }
  return action.handled;
}

void TfrmMain::DragWindow() {
  // Returns when the button is released.
  ReleaseCapture();
  SendMessageW(handle(), WM_SYSCOMMAND, kSysCommandDragMove, 0);
}

void TfrmMain::triIconMouseDown(TTrayIcon& sender, TrayButton button) {
  // An alarm notification animates the icon; clicks wait until it is over.
  if (sender.Animating()) return;
  MouseOperations ops{Settings.MouseOperation0, Settings.MouseOperation1, Settings.MouseOperation2};
  ExecuteCommand(trayCommand(button, ops));
}

void TfrmMain::LoadHotKeys() {
  // The HotKey setting decides whether a hot key first brings the clock to the foreground.
  hkHotKey.Activate = Settings.HotKey;
  const std::string file = ProgramFolder + "_hot3";
  base::FileProblem problem = base::fileProblem(file);
  auto text = problem == base::FileProblem::Missing ? std::nullopt : base::readFile(file);
  if (!text) {
    if (problem != base::FileProblem::Missing && !hotKeyFileReported_) {
      hotKeyFileReported_ = true;
      shared::prompts().ask(
          handle(),
          "ホットキーの設定ファイル "_sj + file + fileProblemText(problem) + "\r\nホットキーは登録されていません"_sj,
          ui::Application::instance().title(), MB_OK | MB_ICONERROR);
    }
    return;
  }
  // A line that cannot be read is passed over, and said once per start; a key another program
  // holds keeps its assignment and is said at every start and Apply.
  std::vector<std::string> bad;
  std::vector<HotKeyEntry> unregistered;
  for (const HotKeyEntry& e : parseHotKeys(*text, &bad)) {
    if (!hkHotKey.SetHotKey(e.id, e.shortcut, e.shortcut != 0) && e.shortcut != 0) unregistered.push_back(e);
  }
  if (bad.empty()) base::deleteFile(base::tempBeside(file));
  if (hotKeyFileReported_) bad.clear();
  if (!bad.empty()) hotKeyFileReported_ = true;
  if (bad.empty() && unregistered.empty()) return;
  std::vector<std::pair<std::string, int>> names;
  if (auto list = readCommandList(ProgramFolder)) names = list->MouseCommands();
  shared::prompts().ask(handle(), hotKeyProblemsText(file, bad, unregistered, names),
                        ui::Application::instance().title(), MB_OK | MB_ICONERROR);
}

void TfrmMain::hkHotKeyHotKey(THookHotKey& sender, int index) {
  sender.Tag = index;
  ExecuteCommand(sender.Tag);
}

void TfrmMain::LoadSystemMenu() {
  std::string file = ProgramFolder + "_system3";
  // The settings dialog makes a missing file. It cannot replace a folder or a file it cannot
  // read, and its OK applies the settings again: only the box says what is wrong then. Nor is
  // it opened again from the apply of the dialog it opened.
  base::FileProblem problem = base::fileProblem(file);
  if (problem != base::FileProblem::None && !makingSystemMenu_) {
    bool missing = problem == base::FileProblem::Missing;
    shared::prompts().ask(
        handle(), "重要なファイル "_sj + file + fileProblemText(problem) + (missing ? "\r\n環境設定を開きます"_sj : ""),
        "システムメニュー設定エラー"_sj, MB_OK | MB_ICONERROR);
    if (missing) {
      // The settings dialog opened here applies its result by reading the menu again; that
      // reading must not open it once more.
      makingSystemMenu_ = true;
      struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
      } reset{makingSystemMenu_};
      ExecuteCommand(cmdSettings);
    }
  }
  ppmSystem.Items.clear();
  LoadToMenu(file, ppmSystem);
  BindMenuCommands(ppmSystem);
  int image = 0;
  for (int tag : kSystemMenuImageTags) {
    if (TMenuItem* item = FindItemByTag(tag, ppmSystem)) item->ImageIndex = Settings.SystemIcon ? image : -1;
    ++image;
  }
}

base::Menu TfrmMain::BuildSystemPopup() {
  ppmSystemPopup();
  return BuildPopupMenu(ppmSystem, Settings.SystemIcon ? &iglSystem : nullptr);
}

void TfrmMain::ppmSystemPopup() {
  if (TMenuItem* item = FindItemByTag(cmdAlwaysOnTop, ppmSystem)) item->Checked = Settings.AlwaysOnTop;
  if (TMenuItem* item = FindItemByTag(cmdShowHide, ppmSystem)) item->Checked = !visible();
  if (TMenuItem* item = FindItemByTag(cmdSizeWindow, ppmSystem)) item->Visible = !Settings.AutoResize;
  if (TMenuItem* item = FindItemByTag(cmdFitWindow, ppmSystem)) item->Visible = !Settings.AutoResize;
}

void TfrmMain::PopupSystemMenu() {
  POINT at{};
  GetCursorPos(&at);
  SetForegroundWindow(handle());
  base::Menu menu = BuildSystemPopup();
  int command =
      TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, handle(), nullptr);
  // Lets the menu close properly when the user clicks elsewhere.
  PostMessageW(handle(), WM_NULL, 0, 0);
  if (command > 0) ExecuteCommand(command);
}

LRESULT TfrmMain::WMCopyData(const COPYDATASTRUCT* data) {
  if (!data || !data->lpData || data->cbData == 0) return 0;
  // The text belongs to the sender only until the reply.
  std::string text = alarmRequestText(data);
  // A request under the settings dialog itself is dropped: the user is editing the settings.
  if (configOpen_ || findWindowTitled(settingsDialogTitle())) return 0;
  // The sender is not kept waiting while the user works in the dialog.
  if (InSendMessage()) ReplyMessage(0);
  if (ui::modalOpen()) {
    // Kept until the modal window in front (about box, power question, alarm notice) closes.
    PendingAlarmRequest = text;
    return 0;
  }
  AlarmRequestText = text;
  OpenConfig(cfgNewAlarm, text);
  return 0;
}

void TfrmMain::OpenPendingAlarmRequest() {
  if (!PendingAlarmRequest || ui::modalOpen()) return;
  std::string text = std::move(*PendingAlarmRequest);
  PendingAlarmRequest.reset();
  if (configOpen_ || findWindowTitled(settingsDialogTitle())) return;
  AlarmRequestText = text;
  OpenConfig(cfgNewAlarm, text);
}

}  // namespace tockle
