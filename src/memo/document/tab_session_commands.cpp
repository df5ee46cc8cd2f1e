// The tab and document commands of the tab session: new, rename, move, save to a file, delete,
// previous and next tab; new document, another document, reload, backup. Every change of the tab list goes through the
// document manager, whose change event refills the strip; the shown tab is saved first so that no edit is lost.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "ui/command_table.h"
#include "memo/chrome/commands.h"
#include "memo/document/reload_question.h"
#include "memo/settings/memo_settings.h"
#include "memo/document/tab_name.h"
#include "memo/document/tab_session.h"
#include "memo/editor/rich_edit.h"
#include "ui/tab_control.h"

namespace memo {

namespace {

bool containsName(const std::vector<std::string>& names, const std::string& name) {
  return std::any_of(names.begin(), names.end(), [&](const std::string& n) { return sameTabName(n, name); });
}

}  // namespace

std::vector<std::string> TabSession::tabNames() const {
  std::vector<std::string> names;
  for (int i = 0; i < tabCount(); ++i) names.push_back(tabName(i));
  return names;
}

void TabSession::bindCommands(ui::CommandTable& commands) {
  commands.on(actNewTab, [this] { actNewTabExecute(); });
  commands.on(actTabNameChange, [this] { actTabNameChangeExecute(); });
  commands.on(actSaveTab, [this] { actSaveTabExecute(); });
  commands.on(actDeleteTab, [this] { actDeleteTabExecute(); });
  commands.on(actNext, [this] { MoveToAdjacentTab(true); });
  commands.on(actPrevious, [this] { MoveToAdjacentTab(false); });
  commands.onRange(mnuTabMoveTop, mnuTabMoveLast, [this](int tag) { TabMoveClick(tag); });
  commands.on(mnuNewFile, [this] { mnuNewFileClick(); });
  commands.on(mnuSetMemoFile, [this] { mnuSetMemoFileClick(); });
  commands.on(mnuReload, [this] {
    if (confirmReload(false)) ReloadDocument();
  });
  commands.on(mnuUpdateBackup, [this] { updateBackup(); });
}

bool TabSession::confirmReload(bool changedOutside) {
  // An edit not yet saved would be thrown away by the reload: never without the user's word.
  auto question = reloadQuestion(changedOutside, settings_.ReloadOption, rceMemo.modified() && !tabUnavailable_);
  return !question || ask(*question, "再読み込みの確認"_sj, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

bool TabSession::ApplyTabList(const std::vector<std::string>& names) {
  if (!saveShownTab()) return false;
  if (MemoMan.ApplyTabList(names)) return true;
  reportFailure("タブの一覧を変更できませんでした"_sj);
  return false;
}

bool TabSession::MoveToAdjacentTab(bool forward) {
  int n = tabCount();
  if (n == 0) return false;
  int i = selectedTab();
  bool wrapped = forward ? i + 1 >= n : i <= 0;
  int next = forward ? (wrapped ? 0 : i + 1) : (wrapped ? n - 1 : i - 1);
  return showTab(next) && wrapped;
}

bool TabSession::showTab(int index) {
  if (!saveShownTab()) return false;
  tbcMemo.setSelectedIndex(index);
  tbcMemoChange();
  return true;
}

void TabSession::actNewTabExecute() {
  std::vector<std::string> names = tabNames();
  std::string defaultName;
  for (int n = 1;; ++n) {
    defaultName = "タブ"_sj + std::to_string(n);
    if (!containsName(names, defaultName)) break;
  }
  std::string name = defaultName;
  if (!inputQuery("新規タブ名"_sj, "タブ名を入力して下さい"_sj, name)) return;
  if (containsName(names, name)) {
    ask("その名前は既に存在します\r\nデフォルトの名前で追加します"_sj, "タブ名だぶりエラー"_sj,
        MB_OK | MB_ICONINFORMATION);
    name = defaultName;
  }
  names.push_back(name);
  ApplyTabList(names);
}

void TabSession::actTabNameChangeExecute() {
  int index = selectedTab();
  // The document knows a repeated name as its first tab's.
  if (index < 0 || repeatsEarlierTab(index)) return;
  std::string oldName = tabName(index);
  std::string name = oldName;
  if (!inputQuery("タブ名の変更"_sj, "変更する名前を入力して下さい"_sj, name)) return;
  if (containsName(tabNames(), name)) {
    ask("その名前は既に存在します\r\n設定は失敗しました"_sj, "タブ名だぶりエラー"_sj, MB_OK | MB_ICONINFORMATION);
    return;
  }
  if (!saveShownTab()) return;
  if (MemoMan.RenameTab(oldName, name)) return;
  std::string why = failureText(MemoMan.LastError);
  ask("変更に失敗しました"_sj + (why.empty() ? "" : "\r\n" + why), "システムエラー"_sj, MB_OK | MB_ICONERROR);
}

void TabSession::TabMoveClick(int tag) {
  int i = selectedTab();
  std::vector<std::string> names = tabNames();
  int n = static_cast<int>(names.size());
  if (i < 0 || i >= n) return;
  switch (tag) {
    case 0:
      std::rotate(names.begin(), names.begin() + i, names.begin() + i + 1);
      break;
    case 1:
      if (i == 0) return;
      std::swap(names[i - 1], names[i]);
      break;
    case 2:
      if (i + 1 >= n) return;
      std::swap(names[i + 1], names[i]);
      break;
    case 3:
      std::rotate(names.begin() + i, names.begin() + i + 1, names.end());
      break;
    default:
      return;
  }
  ApplyTabList(names);
}

void TabSession::actSaveTabExecute() {
  int index = selectedTab();
  if (index < 0) return;
  const bool plain = host_.plainMode();
  const char* ext = plain ? ".txt" : ".rtf";
  std::string filter = plain ? "テキストファイル(*.txt)|*.txt|全てのファイル(*.*)|*.*|"_sj
                             : "リッチテキストファイル(*.rtf)|*.rtf|全てのファイル(*.*)|*.*|"_sj;
  std::optional<std::string> path =
      host_.chooseSaveFile("保存先の指定"_sj, filter, base::changeExtension(tabName(index), ext), ext + 1);
  if (!path) return;
  if (!base::writeFileAtomic(*path, rceMemo.saveContent(!plain)))
    ask("保存に失敗しました -> "_sj + *path, "システムエラー"_sj, MB_OK | MB_ICONERROR);
}

void TabSession::actDeleteTabExecute() {
  int index = selectedTab();
  if (index < 0 || repeatsEarlierTab(index)) return;
  // A document keeps at least one tab: with none left, the next load would start the wizard.
  if (tabCount() <= 1) {
    ask("最後のタブは削除できません"_sj, "タブ削除の確認"_sj, MB_OK | MB_ICONINFORMATION);
    return;
  }
  std::string name = tabName(index);
  if (ask("表示中のタブ ["_sj + name + "] を削除します\r\nよろしいですか？"_sj, "タブ削除の確認"_sj,
          MB_YESNO | MB_ICONQUESTION) != IDYES)
    return;
  if (!saveShownTab()) return;
  if (!MemoMan.DeleteTab(name)) reportFailure("タブを削除できませんでした"_sj);
}

}  // namespace memo
