// The memo window's commands that work with the clock: the selection as a new alarm of the
// running clock, and a text of the clock's clipboard history inserted at the caret.
#include "base/files.h"
#include "base/text.h"
#include "memo/app/main_form.h"
#include "memo/chrome/commands.h"
#include "memo/clock_link/alarm_request.h"
#include "memo/clock_link/history_chooser.h"
#include "memo/clock_link/history_read.h"
#include "ui/app.h"

namespace memo {

void TfrmMain::bindClockLinkCommands() {
  if (!ChooseHistory)
    ChooseHistory = [this](const std::vector<std::string>& items) { return chooseHistoryText(handle(), items); };
  onCommand(actSetAlarm, [this] { actSetAlarmExecute(); });
  onCommand(mnuClipHistory, [this] { mnuInsertHistoryClick(); });
}

void TfrmMain::actSetAlarmExecute() {
  std::string selection = rceMemo.selectedText();
  if (selection.empty()) return;
  // Nothing is sent, and nothing said, when the clock has gone meanwhile.
  sendAlarmRequest(ui::Application::instance().handle(), alarmRequestText(selection));
}

void TfrmMain::mnuInsertHistoryClick() {
  const std::string file = HistoryFile.empty() ? base::programFolder() + "_history3" : HistoryFile;
  HistoryRead history = readHistoryFile(file);
  switch (history.state) {
    case HistoryState::Read:
      break;
    case HistoryState::Missing:
      ask("同じフォルダにTockleがないとこの機能は使えません\r\nTockleと同じフォルダに移動して下さい"_sj,
          "履歴ファイルが見つかりません"_sj, MB_OK | MB_ICONERROR);
      return;
    case HistoryState::Held:
      ask("履歴ファイルはTockleが使用中です -> "_sj + file + "\r\nしばらくしてからもう一度お試し下さい"_sj,
          "履歴ファイルを読み込めません"_sj, MB_OK | MB_ICONERROR);
      return;
    case HistoryState::Failed:
      ask("履歴ファイルを読み込めませんでした -> "_sj + file + "\r\n" + history.error,
          "履歴ファイルを読み込めません"_sj, MB_OK | MB_ICONERROR);
      return;
    case HistoryState::Damaged:
      ask("履歴ファイルの一部が壊れています -> "_sj + file + "\r\n読み込めた履歴だけを表示します"_sj,
          "履歴ファイルの破損"_sj, MB_OK | MB_ICONWARNING);
      break;
  }
  ShowStatusMessage("履歴挿入ウインドウを開いています -> "_sj + file);
  std::optional<std::string> chosen = ChooseHistory ? ChooseHistory(history.items) : std::nullopt;
  // The inserted text always ends its line.
  if (chosen) rceMemo.replaceSelection(*chosen + "\r\n");
}

}  // namespace memo
