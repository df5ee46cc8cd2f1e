#include "memo/clock_link/clock_link.h"

#include <utility>

#include "base/files.h"
#include "base/text.h"
#include "memo/chrome/commands.h"
#include "memo/clock_link/alarm_request.h"
#include "memo/clock_link/history_chooser.h"
#include "memo/clock_link/history_read.h"
#include "memo/editor/rich_edit.h"
#include "memo/status/caret_status.h"
#include "ui/app.h"
#include "shared/prompts.h"

namespace memo {

ClockLink::ClockLink(RichEdit& editor, Host host) : rceMemo(editor), host_(std::move(host)) {
  ChooseHistory = [this](const std::vector<std::string>& items) { return chooseHistoryText(host_.window(), items); };
}

void ClockLink::bindCommands(ui::CommandTable& commands) {
  commands.on(actSetAlarm, [this] { actSetAlarmExecute(); });
  commands.on(mnuClipHistory, [this] { mnuInsertHistoryClick(); });
}

void ClockLink::watchClock() {
  HWND clock = findClockWindow();
  if (clock && !ClockConnected) {
    ClockConnected = true;
    host_.setActionEnabled(actSetAlarm, true);
    host_.showStatus(clockFoundText(clock));
  } else if (!clock && ClockConnected) {
    ClockConnected = false;
    host_.setActionEnabled(actSetAlarm, false);
    host_.showStatus(clockLostText());
  }
}

void ClockLink::actSetAlarmExecute() {
  std::string selection = rceMemo.selectedText();
  if (selection.empty()) return;
  // Nothing is sent, and nothing said, when the clock has gone meanwhile.
  sendAlarmRequest(ui::Application::instance().handle(), alarmRequestText(selection));
}

void ClockLink::mnuInsertHistoryClick() {
  const std::string file = HistoryFile.empty() ? base::programFolder() + "_history3" : HistoryFile;
  HistoryRead history = readHistoryFile(file);
  switch (history.state) {
    case HistoryState::Read:
      break;
    case HistoryState::Missing:
      shared::prompts().ask(
          host_.window(), "同じフォルダにTockleがないとこの機能は使えません\r\nTockleと同じフォルダに移動して下さい"_sj,
          "履歴ファイルが見つかりません"_sj, MB_OK | MB_ICONERROR);
      return;
    case HistoryState::Held:
      shared::prompts().ask(
          host_.window(),
          "履歴ファイルはTockleが使用中です -> "_sj + file + "\r\nしばらくしてからもう一度お試し下さい"_sj,
          "履歴ファイルを読み込めません"_sj, MB_OK | MB_ICONERROR);
      return;
    case HistoryState::Failed:
      shared::prompts().ask(host_.window(), "履歴ファイルを読み込めませんでした -> "_sj + file + "\r\n" + history.error,
                            "履歴ファイルを読み込めません"_sj, MB_OK | MB_ICONERROR);
      return;
    case HistoryState::Damaged:
      shared::prompts().ask(host_.window(),
                            "履歴ファイルの一部が壊れています -> "_sj + file + "\r\n読み込めた履歴だけを表示します"_sj,
                            "履歴ファイルの破損"_sj, MB_OK | MB_ICONWARNING);
      break;
  }
  host_.showStatus("履歴挿入ウインドウを開いています -> "_sj + file);
  std::optional<std::string> chosen = ChooseHistory(history.items);
  // The inserted text always ends its line.
  if (chosen) rceMemo.replaceSelection(*chosen + "\r\n");
}

}  // namespace memo
