// The memo window and its document: the only place that calls the document manager. The tab
// strip shows the document's tabs, the editor the selected one.

#include <windows.h>

#include <commctrl.h>

#include "base/files.h"
#include "base/text.h"
#include "memo/app/main_form.h"
#include "memo/chrome/commands.h"
#include "memo/dialogs/memo_file_dialog.h"
#include "memo/dialogs/new_wizard.h"
#include "memo/document/tab_name.h"
#include "ui/app.h"

namespace memo {

void TfrmMain::connectDocument() {
  MemoMan.BackupFolder = base::programFolder();
  MemoMan.OnNotFound = [this] { MemoManNotFound(); };
  MemoMan.OnTabListChange = [this](bool critical) { MemoManTabListChange(critical); };
  MemoMan.OnStatusMessage = [this](const std::string& text) { ShowStatusMessage(text); };
}

int TfrmMain::selectedTab() const { return tbcMemo.handle() ? tbcMemo.selectedIndex() : -1; }

int TfrmMain::tabCount() const { return tbcMemo.handle() ? tbcMemo.count() : 0; }

std::string TfrmMain::tabName(int index) const { return tbcMemo.tabText(index); }

bool TfrmMain::repeatsEarlierTab(int index) const {
  const std::string name = tabName(index);
  if (name.empty()) return false;
  for (int i = 0; i < index; ++i)
    if (sameTabName(tabName(i), name)) return true;
  return false;
}

void TfrmMain::ReloadDocument() {
  MemoMan.FileName = Settings.MemoFile;
  MemoMan.LoadTabList();
  tbcMemoChange();
}

void TfrmMain::MemoManTabListChange(bool) {
  int remembered = selectedTab();
  if (tabCount() > 0 && remembered >= 0) Settings.LastTab = tabName(remembered);
  // An empty LastTab names the tab with an empty name only when that one is shown.
  const bool byName = !Settings.LastTab.empty() || remembered >= 0;
  tbcMemo.clear();
  int select = -1;
  for (size_t i = 0; i < MemoMan.TabList.size(); ++i) {
    tbcMemo.insertTab(static_cast<int>(i), MemoMan.TabList[i]);
    if (select < 0 && byName && sameTabName(MemoMan.TabList[i], Settings.LastTab)) select = static_cast<int>(i);
  }
  if (select < 0) select = remembered >= 0 && remembered < tabCount() ? remembered : 0;
  if (tabCount() > 0) tbcMemo.setSelectedIndex(select);
  layout();
  tbcMemoChange();
}

bool TfrmMain::tbcMemoChanging() {
  // A tab whose content never reached the editor is not overwritten with the empty editor.
  if (!rceMemo.modified() || tabUnavailable_) return true;
  int index = selectedTab();
  if (index < 0) return true;
  if (!MemoMan.SaveTab(tabName(index), rceMemo.saveContent(!PlainMode))) return false;
  ShowStatusMessage("自動保存しました -> "_sj + Settings.MemoFile);
  return true;
}

bool TfrmMain::saveShownTab() {
  while (!tbcMemoChanging())
    if (!recoverFailedSave()) return false;
  rceMemo.setModified(false);
  if (reloadAfterSave_) {
    reloadAfterSave_ = false;
    ReloadDocument();
  }
  return true;
}

void TfrmMain::reportFailure(std::string_view lead) {
  std::string text = failureText(MemoMan.LastError);
  if (text.empty() || ui::Application::instance().terminated()) return;
  ask(lead.empty() ? text : std::string(lead) + "\r\n" + text, ui::Application::instance().title(),
      MB_OK | MB_ICONERROR);
}

bool TfrmMain::recoverFailedSave() {
  if (MemoMan.LastError.kind != DocFailure::Gone) {
    reportFailure();
    return false;
  }
  int answer = ask("メモファイルが見つかりません -> "_sj + MemoMan.FileName +
                       "\r\n\r\nはい: 同じ場所にメモファイルを書き直して保存します"
                       "\r\nいいえ: 別のメモファイルを指定して保存します"
                       "\r\nキャンセル: 保存しません (入力した内容はエディタに残ります)"_sj,
                   "メモファイル未発見"_sj, MB_YESNOCANCEL | MB_ICONWARNING);
  if (answer == IDYES) {
    if (MemoMan.RewriteDocument(MemoMan.FileName)) return true;
    reportFailure();
    return false;
  }
  if (answer != IDNO) return false;
  TfrmNewWizard wizard(handle());
  wizard.State.FileName = Settings.MemoFile;
  std::optional<NewDocumentChoice> choice = wizard.Execute();
  if (!choice) return false;
  const std::string from = MemoMan.FileName;
  MemoMan.FileName = choice->path;
  MemoMan.DocumentType = choice->typeII ? kTypeII : kTypeIII;
  if (!base::fileExists(choice->path) && !MemoMan.RewriteDocument(from)) {
    reportFailure();
    MemoMan.FileName = from;
    return false;
  }
  Settings.MemoFile = choice->path;
  reloadAfterSave_ = true;
  return true;
}

bool TfrmMain::FormCloseQuery() {
  while (!tbcMemoChanging()) {
    if (MemoMan.LastError.kind == DocFailure::Gone && recoverFailedSave()) continue;
    std::string why = failureText(MemoMan.LastError);
    if (ask((why.empty() ? std::string() : why + "\r\n\r\n") +
                "表示中のタブを保存できませんでした\r\n保存せずに閉じますか？"_sj,
            ui::Application::instance().title(), MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES)
      return false;
    discardEdits_ = true;
    return true;
  }
  rceMemo.setModified(false);
  return true;
}

void TfrmMain::tbcMemoChange() {
  if (closing_ || ui::Application::instance().terminated()) return;
  HCURSOR cursor = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  SendMessageW(rceMemo.handle(), WM_SETREDRAW, FALSE, 0);
  filling_ = true;
  int index = selectedTab();
  if (index < 0) {
    mnuNewFileClick();
    index = selectedTab();
  } else if (index >= tabCount()) {
    index = 0;
    tbcMemo.setSelectedIndex(0);
  }
  if (index >= 0 && !ui::Application::instance().terminated()) {
    std::string content;
    loadingTab_ = true;
    tabMissing_ = false;
    // A repeated name (the document could not be given distinct ones) would show and save the
    // first tab of that name: the repeat stays unavailable.
    const bool repeated = repeatsEarlierTab(index);
    bool loaded = !repeated && MemoMan.LoadTab(tabName(index), content);
    loadingTab_ = false;
    const DocFailure why = repeated ? DocFailure::RepeatedName : MemoMan.LastError.kind;
    // Only a plain text is held as large as it is stored; a rich one (its pictures in hex) loads in
    // one piece anyway.
    if (loaded && !tabMissing_ && !isRichContent(content) &&
        !RichEdit::canHold(content.size(), EditorRoom() + rceMemo.roomTaken())) {
      showTabTooLarge(content.size());
    } else if (loaded && !tabMissing_) {
      PlainMode = !isRichContent(content);
      loadTabContent(content);
      rceMemo.setSelection(0, 0);
      enableFormatActions(!PlainMode);
      tabUnavailable_ = false;
      rceMemo.setReadOnly(false);
      tbcMemo.send(TCM_HIGHLIGHTITEM, static_cast<WPARAM>(index), FALSE);
    } else if (tabMissing_) {
      showMissingTab();
    } else if (why == DocFailure::System) {
      showUnreadableTab();
    } else if (why != DocFailure::None) {  // None: a load inside (a new document) has shown it
      showTabUnavailable();
    }
  }
  rceMemo.clearUndo();
  setActionEnabled(actUndo, rceMemo.canUndo());
  SendMessageW(rceMemo.handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(rceMemo.handle(), nullptr, TRUE);
  SetCursor(cursor);
  rceMemo.setModified(false);
  filling_ = false;
}

void TfrmMain::showTabUnavailable() {
  rceMemo.clear();
  // Typed text would have nowhere to go.
  rceMemo.setReadOnly(true);
  tabUnavailable_ = true;
  int index = selectedTab();
  if (index >= 0) {
    tbcMemo.send(TCM_HIGHLIGHTITEM, static_cast<WPARAM>(index), TRUE);
    ShowStatusMessage("タブを読み込めません -> "_sj + tabName(index));
  }
}

void TfrmMain::showTabTooLarge(size_t bytes) {
  // Nothing of it is shown, so nothing of it may be written back.
  showTabUnavailable();
  const std::string size =
      bytes < (1u << 20) ? std::to_string(bytes >> 10) + " KB" : std::to_string(bytes >> 20) + " MB";
  ask("タブ ["_sj + tabName(selectedTab()) + "] は大きすぎて表示できません ("_sj + size +
          ")\r\nこのタブは読み取り専用になり、保存されません"_sj,
      ui::Application::instance().title(), MB_OK | MB_ICONERROR);
}

void TfrmMain::showMissingTab() {
  // Nothing to lose: the tab starts empty, and its first save writes its file anew.
  rceMemo.clear();
  rceMemo.setReadOnly(false);
  tabUnavailable_ = false;
  int index = selectedTab();
  tbcMemo.send(TCM_HIGHLIGHTITEM, static_cast<WPARAM>(index), FALSE);
  ShowStatusMessage("タブファイルが見つかりません -> "_sj + tabName(index));
}

void TfrmMain::showUnreadableTab() {
  const std::string why = failureText(MemoMan.LastError);
  showTabUnavailable();
  rceMemo.setReadOnly(true);
  // Typing would replace a file whose content nobody has seen: only on the user's word.
  if (ask(why + "\r\n\r\nタブ ["_sj + tabName(selectedTab()) +
              "] を読み込めませんでした\r\nこのタブを空の内容から書き直しますか？"_sj,
          ui::Application::instance().title(), MB_YESNO | MB_ICONERROR | MB_DEFBUTTON2) != IDYES)
    return;
  tabUnavailable_ = false;
  rceMemo.setReadOnly(false);
}

void TfrmMain::MemoManNotFound() {
  // A missing tab file of a document that is still there concerns that tab only.
  if (loadingTab_ && base::fileExists(MemoMan.FileName)) {
    tabMissing_ = true;
    return;
  }
  TfrmNewWizard wizard(handle());
  std::optional<NewDocumentChoice> choice = wizard.Execute();
  if (!choice) {
    ui::Application::instance().terminate();
    return;
  }
  MemoMan.FileName = choice->path;
  Settings.MemoFile = choice->path;
  MemoMan.DocumentType = choice->typeII ? kTypeII : kTypeIII;
  if (!MemoMan.CreateDocument()) reportFailure("メモファイルを作成できませんでした"_sj);
}

bool TfrmMain::runWizardForNewDocument(const std::string& prefill) {
  // The edit goes into the document it was typed for, before another one is chosen.
  if (!saveShownTab()) return false;
  TfrmNewWizard wizard(handle());
  if (!prefill.empty()) wizard.State.FileName = prefill;
  std::optional<NewDocumentChoice> choice = wizard.Execute();
  if (!choice) return false;
  MemoMan.FileName = choice->path;
  MemoMan.DocumentType = choice->typeII ? kTypeII : kTypeIII;
  if (!MemoMan.CreateDocument()) {
    reportFailure("メモファイルを作成できませんでした"_sj);
    MemoMan.FileName = Settings.MemoFile;
    return false;
  }
  Settings.MemoFile = MemoMan.FileName;
  ReloadDocument();
  return true;
}

void TfrmMain::mnuNewFileClick() { runWizardForNewDocument(""); }

void TfrmMain::mnuSetMemoFileClick() {
  if (!saveShownTab()) return;
  std::optional<std::string> chosen = chooseMemoFile(handle(), Settings.MemoFile);
  if (!chosen) return;
  if (!base::fileExists(*chosen)) {
    runWizardForNewDocument(*chosen);
    return;
  }
  Settings.MemoFile = *chosen;
  ReloadDocument();
}

void TfrmMain::updateBackup() { MemoMan.UpdateBackup(); }

void TfrmMain::bindDocumentCommands() {
  onCommand(mnuNewFile, [this] { mnuNewFileClick(); });
  onCommand(mnuSetMemoFile, [this] { mnuSetMemoFileClick(); });
  onCommand(mnuReload, [this] { ReloadDocument(); });
  onCommand(mnuUpdateBackup, [this] { updateBackup(); });
  onCommand(mnuExitWithoutSave, [this] { mnuExitWithoutSaveClick(); });
  onCommand(mnuClose, [this] { mnuCloseClick(); });
  onMenuPopup([this](HMENU popup) {
    if (popup == GetSubMenu(MainMenu1.get(), 0)) mnuFileParentClick();
  });
}

void TfrmMain::mnuCloseClick() { PostMessageW(handle(), WM_CLOSE, 0, 0); }

void TfrmMain::mnuExitWithoutSaveClick() {
  BackupOnExit = false;
  mnuCloseClick();
}

void TfrmMain::mnuFileParentClick() {
  EnableMenuItem(MainMenu1.get(), mnuExitWithoutSave, MF_BYCOMMAND | (Settings.NeedBackup ? MF_ENABLED : MF_GRAYED));
}

}  // namespace memo
