// The tab session: the tab strip shows the document's tabs, the editor the selected one; the
// only place that calls the document manager for the window.

#include "memo/document/tab_session.h"

#include <windows.h>

#include <commctrl.h>

#include "base/files.h"
#include "base/text.h"
#include "memo/document/damaged_document.h"
#include "memo/document/set_aside.h"
#include "memo/document/tab_name.h"
#include "memo/editor/rich_edit.h"
#include "memo/settings/memo_settings.h"
#include "shared/prompts.h"
#include "ui/app.h"
#include "ui/tab_control.h"
#include "ui/wait_cursor.h"

namespace memo {

TabSession::TabSession(RichEdit& editor, ui::TabControl& strip, TMemoSettings& settings, Host host)
    : rceMemo(editor), tbcMemo(strip), settings_(settings), host_(std::move(host)) {
  MemoMan.BackupFolder = base::programFolder();
  MemoMan.OnNotFound = [this] { MemoManNotFound(); };
  MemoMan.OnTabListChange = [this](bool critical) { MemoManTabListChange(critical); };
  MemoMan.OnStatusMessage = [this](const std::string& text) { host_.showStatus(text); };
  tbcMemo.onChanging = [this] { return saveShownTab(); };  // unsaved: the strip stays
  tbcMemo.onChange = [this] { tbcMemoChange(); };
}

int TabSession::ask(std::string_view text, std::string_view caption, UINT flags) {
  return shared::prompts().ask(host_.window(), text, caption, flags);
}

bool TabSession::inputQuery(const std::string& caption, const std::string& prompt, std::string& value) {
  return shared::prompts().inputQuery(host_.window(), caption, prompt, value);
}

int TabSession::selectedTab() const { return tbcMemo.handle() ? tbcMemo.selectedIndex() : -1; }

int TabSession::tabCount() const { return tbcMemo.handle() ? tbcMemo.count() : 0; }

std::string TabSession::tabName(int index) const { return tbcMemo.tabText(index); }

bool TabSession::repeatsEarlierTab(int index) const {
  const std::string name = tabName(index);
  if (name.empty()) return false;
  for (int i = 0; i < index; ++i)
    if (sameTabName(tabName(i), name)) return true;
  return false;
}

bool TabSession::storedTab(int index, std::string& content, bool* plain) const {
  return !repeatsEarlierTab(index) && MemoMan.ReadTab(tabName(index), content, plain);
}

TabSession::Switch::Switch(TabSession& session) : session_(session), from_(session.MemoMan.FileName) {
  ++session_.switching_;
}

TabSession::Switch::~Switch() {
  if (--session_.switching_ == 0 && session_.MemoMan.FileName != from_) session_.MemoMan.RememberFileAges();
}

void TabSession::ReloadDocument() {
  Switch switching(*this);
  MemoMan.FileName = settings_.MemoFile;
  openSalvageIfDamaged();
  MemoMan.LoadTabList();
  tbcMemoChange();
}

void TabSession::MemoManTabListChange(bool) {
  std::string& lastTab = settings_.LastTab;
  int remembered = selectedTab();
  if (tabCount() > 0 && remembered >= 0) lastTab = tabName(remembered);
  // An empty LastTab names the tab with an empty name only when that one is shown.
  const bool byName = !lastTab.empty() || remembered >= 0;
  tbcMemo.clear();
  int select = -1;
  for (size_t i = 0; i < MemoMan.TabList.size(); ++i) {
    tbcMemo.insertTab(static_cast<int>(i), MemoMan.TabList[i]);
    if (select < 0 && byName && sameTabName(MemoMan.TabList[i], lastTab)) select = static_cast<int>(i);
  }
  if (select < 0) select = remembered >= 0 && remembered < tabCount() ? remembered : 0;
  if (tabCount() > 0) tbcMemo.setSelectedIndex(select);
  host_.layout();
  tbcMemoChange();
}

bool TabSession::tbcMemoChanging() {
  // A tab whose content never reached the editor is not overwritten with the empty editor.
  if (!rceMemo.modified() || tabUnavailable_) return true;
  int index = selectedTab();
  if (index < 0) return true;
  const bool plain = host_.plainMode();
  if (!MemoMan.SaveTab(tabName(index), rceMemo.saveContent(!plain), plain)) return false;
  host_.showStatus("自動保存しました -> "_sj + settings_.MemoFile);
  return true;
}

bool TabSession::saveShownTab() {
  while (!tbcMemoChanging())
    if (!recoverFailedSave()) return false;
  rceMemo.setModified(false);
  if (reloadAfterSave_) {
    reloadAfterSave_ = false;
    ReloadDocument();
  }
  return true;
}

void TabSession::reportFailure(std::string_view lead) {
  std::string text = failureText(MemoMan.LastError);
  if (text.empty() || ui::Application::instance().terminated()) return;
  ask(lead.empty() ? text : std::string(lead) + "\r\n" + text, ui::Application::instance().title(),
      MB_OK | MB_ICONERROR);
}

bool TabSession::recoverFailedSave() {
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
  std::optional<NewDocumentChoice> choice = host_.chooseNewDocument(settings_.MemoFile);
  if (!choice) return false;
  const std::string from = MemoMan.FileName;
  MemoMan.FileName = choice->path;
  MemoMan.DocumentType = choice->typeII ? kTypeII : kTypeIII;
  if (!base::fileExists(choice->path) && !MemoMan.RewriteDocument(from)) {
    reportFailure();
    MemoMan.FileName = from;
    return false;
  }
  settings_.MemoFile = choice->path;
  reloadAfterSave_ = true;
  return true;
}

bool TabSession::mayClose() {
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

void TabSession::writeOnExit() {
  if (discardEdits_ || !rceMemo.handle() || !rceMemo.modified()) return;
  // Nothing can be asked any more: an edit the document did not take goes into a file of its own.
  if (tbcMemoChanging() || (!tabUnavailable_ && writeRescueFile())) rceMemo.setModified(false);
}

TabSession::TabLoad TabSession::loadTab(int index, std::string& content, bool& plain) {
  // A repeated name (the document could not be given distinct ones) would show and save the
  // first tab of that name: the repeat stays unavailable.
  if (repeatsEarlierTab(index)) return TabLoad::Unavailable;
  if (MemoMan.LoadTab(tabName(index), content, &plain)) {
    // Only a plain text is held as large as it is stored; a rich one (its pictures in hex) loads
    // in one piece anyway.
    if (plain && !RichEdit::canHold(content.size(), host_.editorRoom() + rceMemo.roomTaken())) return TabLoad::TooLarge;
    return TabLoad::Loaded;
  }
  switch (MemoMan.LastError.kind) {
    case DocFailure::NoSuchTab:
      return TabLoad::Missing;
    case DocFailure::System:
      return TabLoad::Unreadable;
    case DocFailure::None:
      return TabLoad::ShownInside;
    default:
      return TabLoad::Unavailable;
  }
}

void TabSession::tbcMemoChange() {
  if (host_.closing() || ui::Application::instance().terminated()) return;
  ui::WaitCursor wait;
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
    bool plain = true;
    switch (loadTab(index, content, plain)) {
      case TabLoad::Loaded: {
        host_.showContent(content, plain);
        rceMemo.setSelection(0, 0);
        host_.showFormat(plain);
        tabUnavailable_ = false;
        rceMemo.setReadOnly(false);
        tbcMemo.send(TCM_HIGHLIGHTITEM, static_cast<WPARAM>(index), FALSE);
        break;
      }
      case TabLoad::TooLarge:
        showTabTooLarge(content.size());
        break;
      case TabLoad::Missing:
        showMissingTab();
        break;
      case TabLoad::Unreadable:
        showUnreadableTab();
        break;
      case TabLoad::Unavailable:
        showTabUnavailable();
        break;
      case TabLoad::ShownInside:
        break;
    }
  }
  rceMemo.clearUndo();
  host_.refilled();
  SendMessageW(rceMemo.handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(rceMemo.handle(), nullptr, TRUE);
  rceMemo.setModified(false);
  filling_ = false;
}

void TabSession::showTabUnavailable() {
  rceMemo.clear();
  // Typed text would have nowhere to go.
  rceMemo.setReadOnly(true);
  tabUnavailable_ = true;
  int index = selectedTab();
  if (index >= 0) {
    tbcMemo.send(TCM_HIGHLIGHTITEM, static_cast<WPARAM>(index), TRUE);
    host_.showStatus("タブを読み込めません -> "_sj + tabName(index));
  }
}

void TabSession::showTabTooLarge(size_t bytes) {
  // Nothing of it is shown, so nothing of it may be written back.
  showTabUnavailable();
  const std::string size =
      bytes < (1u << 20) ? std::to_string(bytes >> 10) + " KB" : std::to_string(bytes >> 20) + " MB";
  ask("タブ ["_sj + tabName(selectedTab()) + "] は大きすぎて表示できません ("_sj + size +
          ")\r\nこのタブは読み取り専用になり、保存されません"_sj,
      ui::Application::instance().title(), MB_OK | MB_ICONERROR);
}

void TabSession::showMissingTab() {
  // Nothing to lose: the tab starts empty, and its first save writes its file anew.
  rceMemo.clear();
  rceMemo.setReadOnly(false);
  tabUnavailable_ = false;
  int index = selectedTab();
  tbcMemo.send(TCM_HIGHLIGHTITEM, static_cast<WPARAM>(index), FALSE);
  host_.showStatus("タブファイルが見つかりません -> "_sj + tabName(index));
}

void TabSession::showUnreadableTab() {
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

void TabSession::MemoManNotFound() {
  // The document itself is gone (a missing tab file is only that tab's, and its load answers so).
  Switch switching(*this);
  std::optional<NewDocumentChoice> choice = host_.chooseNewDocument("");
  if (!choice) {
    // The program ends: the edit it shows has no document left to go into.
    if (rescueShownTab()) ui::Application::instance().terminate();
    return;
  }
  MemoMan.FileName = choice->path;
  settings_.MemoFile = choice->path;
  MemoMan.DocumentType = choice->typeII ? kTypeII : kTypeIII;
  openSalvageIfDamaged();
  if (!MemoMan.CreateDocument()) reportFailure("メモファイルを作成できませんでした"_sj);
}

bool TabSession::runWizardForNewDocument(const std::string& prefill) {
  // The edit goes into the document it was typed for, before another one is chosen.
  if (!saveShownTab()) return false;
  Switch switching(*this);
  std::optional<NewDocumentChoice> choice = host_.chooseNewDocument(prefill);
  if (!choice) return false;
  MemoMan.FileName = choice->path;
  MemoMan.DocumentType = choice->typeII ? kTypeII : kTypeIII;
  openSalvageIfDamaged();
  if (!MemoMan.CreateDocument()) {
    reportFailure("メモファイルを作成できませんでした"_sj);
    MemoMan.FileName = settings_.MemoFile;
    return false;
  }
  settings_.MemoFile = MemoMan.FileName;
  ReloadDocument();
  return true;
}

void TabSession::mnuNewFileClick() { runWizardForNewDocument(""); }

void TabSession::mnuSetMemoFileClick() {
  if (!saveShownTab()) return;
  std::optional<std::string> chosen = host_.chooseMemoFile(settings_.MemoFile);
  if (!chosen) return;
  if (!base::fileExists(*chosen)) {
    runWizardForNewDocument(*chosen);
    return;
  }
  settings_.MemoFile = *chosen;
  ReloadDocument();
}

void TabSession::openSalvageIfDamaged() {
  auto bytes = base::readFile(MemoMan.FileName);
  if (!bytes) return;
  auto damaged = inspectDocument(*bytes);
  if (!damaged) return;
  const std::string damagedPath = MemoMan.FileName;
  const std::string stem = base::changeExtension(base::extractFileName(damagedPath), "") + "_復旧"_sj;
  const std::string copy = salvagedDocument(*damaged);
  // Beside the damaged file, or where the backup goes when its folder takes no new file.
  auto salvage = writeNewFile(base::extractFolder(damagedPath), stem, ".ntd", copy);
  if (!salvage) salvage = writeNewFile(MemoMan.BackupFolder, stem, ".ntd", copy);
  std::string text =
      "メモファイルを読み込めませんでした -> "_sj + damagedPath + "\r\n"_sj + damaged->reason + "\r\n\r\n"_sj;
  if (!salvage) {
    ask(text + "読み込めた部分の写しも作れませんでした\r\n"_sj + systemErrorText(GetLastError()),
        ui::Application::instance().title(), MB_OK | MB_ICONERROR);
    return;
  }
  // The damaged file is never written: everything from now on goes into the copy.
  ask(text + "読み込めたタブ ("_sj + std::to_string(damaged->tabs.size()) +
          " 個) を次のファイルに写して開きます (元のファイルは変更しません)\r\n"
          "これからの入力はこのファイルに保存されます\r\n"_sj +
          *salvage,
      ui::Application::instance().title(), MB_OK | MB_ICONWARNING);
  MemoMan.FileName = *salvage;
  settings_.MemoFile = *salvage;
}

std::optional<std::string> TabSession::writeRescueFile() {
  const std::string content = rceMemo.saveContent(!host_.plainMode());
  const std::string dir = base::extractFolder(MemoMan.FileName);
  const std::string stem = base::changeExtension(base::extractFileName(MemoMan.FileName), "") + "_救出"_sj;
  const char* ext = tabFileExt(isRtfText(content));
  auto rescued = base::folderExists(dir) ? writeNewFile(dir, stem, ext, content) : std::nullopt;
  if (!rescued) rescued = writeNewFile(MemoMan.BackupFolder, stem, ext, content);
  if (rescued) rceMemo.setModified(false);
  return rescued;
}

bool TabSession::rescueShownTab() {
  // Only an edit of a shown tab is the user's (the editor is set up before any tab is shown).
  const int index = selectedTab();
  if (index < 0 || !rceMemo.handle() || !rceMemo.modified() || tabUnavailable_ || discardEdits_) return true;
  const std::string tab = " ["_sj + tabName(index) + "]"_sj;
  auto rescued = writeRescueFile();
  if (!rescued) {
    // Nowhere to put it: the program stays, and the text with it.
    ask(systemErrorText(GetLastError()) + "\r\n\r\n表示中のタブ"_sj + tab +
            " の入力内容を保存できませんでした\r\n内容はエディタに残ります"_sj,
        ui::Application::instance().title(), MB_OK | MB_ICONERROR);
    return false;
  }
  ask("メモファイルが見つからないため、表示中のタブ"_sj + tab + " の入力内容を次のファイルに保存しました\r\n"_sj +
          *rescued,
      ui::Application::instance().title(), MB_OK | MB_ICONINFORMATION);
  return true;
}

void TabSession::updateBackup() { MemoMan.UpdateBackup(); }

}  // namespace memo
