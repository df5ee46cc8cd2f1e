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
#include "ui/app.h"

namespace memo {

void TfrmMain::connectDocument() {
  MemoMan.BackupFolder = base::programFolder();
  MemoMan.OnNotFound = [this] { MemoManNotFound(); };
  MemoMan.OnTabListChange = [this](bool critical) { MemoManTabListChange(critical); };
  MemoMan.OnStatusMessage = [this](const std::string& text) { ShowStatusMessage(text); };
}

int TfrmMain::selectedTab() const {
  return tbcMemo ? static_cast<int>(SendMessageW(tbcMemo, TCM_GETCURSEL, 0, 0)) : -1;
}

int TfrmMain::tabCount() const { return tbcMemo ? static_cast<int>(SendMessageW(tbcMemo, TCM_GETITEMCOUNT, 0, 0)) : 0; }

std::string TfrmMain::tabName(int index) const {
  wchar_t buf[1024] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = buf;
  item.cchTextMax = 1024;
  if (!SendMessageW(tbcMemo, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) return {};
  return base::cp932(buf);
}

void TfrmMain::ReloadDocument() {
  MemoMan.FileName = MemoFile;
  MemoMan.LoadTabList();
  tbcMemoChange();
}

void TfrmMain::MemoManTabListChange(bool) {
  int remembered = selectedTab();
  if (tabCount() > 0 && remembered >= 0) LastTab = tabName(remembered);
  SendMessageW(tbcMemo, TCM_DELETEALLITEMS, 0, 0);
  int select = -1;
  for (size_t i = 0; i < MemoMan.TabList.size(); ++i) {
    std::wstring text = base::wide(MemoMan.TabList[i]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(tbcMemo, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    if (select < 0 && base::equalsNoCase(MemoMan.TabList[i], LastTab)) select = static_cast<int>(i);
  }
  if (select < 0) select = remembered >= 0 && remembered < tabCount() ? remembered : 0;
  if (tabCount() > 0) SendMessageW(tbcMemo, TCM_SETCURSEL, static_cast<WPARAM>(select), 0);
  layout();
  tbcMemoChange();
}

void TfrmMain::tbcMemoChanging() {
  // A tab whose content never reached the editor is not overwritten with the empty editor.
  if (!rceMemo.modified() || tabUnavailable_) return;
  std::string content = rceMemo.saveContent(!PlainMode);
  int index = selectedTab();
  // With no tab selected nothing was saved, and nothing says so.
  if (index >= 0 && MemoMan.SaveTab(tabName(index), content)) ShowStatusMessage("自動保存しました -> "_sj + MemoFile);
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
    SendMessageW(tbcMemo, TCM_SETCURSEL, 0, 0);
  }
  if (index >= 0 && !ui::Application::instance().terminated()) {
    std::string content;
    loadingTab_ = true;
    tabMissing_ = false;
    bool loaded = MemoMan.LoadTab(tabName(index), content);
    loadingTab_ = false;
    if (loaded && !tabMissing_) {
      PlainMode = !isRichContent(content);
      loadTabContent(content);
      rceMemo.setSelection(0, 0);
      enableFormatActions(!PlainMode);
      tabUnavailable_ = false;
      SendMessageW(tbcMemo, TCM_HIGHLIGHTITEM, static_cast<WPARAM>(index), FALSE);
    } else {
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
  tabUnavailable_ = true;
  int index = selectedTab();
  if (index >= 0) {
    SendMessageW(tbcMemo, TCM_HIGHLIGHTITEM, static_cast<WPARAM>(index), TRUE);
    ShowStatusMessage("タブを読み込めません -> "_sj + tabName(index));
  }
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
  MemoFile = choice->path;
  MemoMan.DocumentType = choice->typeII ? kTypeII : kTypeIII;
  MemoMan.CreateDocument();
}

bool TfrmMain::runWizardForNewDocument(const std::string& prefill) {
  TfrmNewWizard wizard(handle());
  if (!prefill.empty()) wizard.State.FileName = prefill;
  std::optional<NewDocumentChoice> choice = wizard.Execute();
  if (!choice) return false;
  saveShownTab();
  MemoMan.FileName = choice->path;
  MemoMan.DocumentType = choice->typeII ? kTypeII : kTypeIII;
  MemoMan.CreateDocument();
  MemoFile = MemoMan.FileName;
  ReloadDocument();
  return true;
}

void TfrmMain::saveShownTab() {
  if (!rceMemo.modified()) return;
  tbcMemoChanging();
  rceMemo.setModified(false);
}

void TfrmMain::mnuNewFileClick() { runWizardForNewDocument(""); }

void TfrmMain::mnuSetMemoFileClick() {
  std::optional<std::string> chosen = chooseMemoFile(handle(), MemoFile);
  if (!chosen) return;
  if (!base::fileExists(*chosen)) {
    runWizardForNewDocument(*chosen);
    return;
  }
  saveShownTab();
  MemoFile = *chosen;
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
  EnableMenuItem(MainMenu1.get(), mnuExitWithoutSave, MF_BYCOMMAND | (NeedBackup ? MF_ENABLED : MF_GRAYED));
}

}  // namespace memo
