// The insert commands of the memo window: the date or time (now or some days or hours ahead), a
// text file at the end of the shown tab, a file as a tab of its own; and the files dropped on the
// window.
#include <windows.h>

#include <algorithm>

#include "base/files.h"
#include "base/text.h"
#include "memo/app/main_form.h"
#include "memo/chrome/commands.h"
#include "memo/document/tab_file_name.h"
#include "memo/document/tab_name.h"
#include "memo/insert/insert_rules.h"
#include "memo/document/tab_session.h"
#include "shared/shortcut_file.h"
#include "ui/common_dialogs.h"
#include "shared/prompts.h"

namespace memo {

namespace {

constexpr int kAskedOffset = 6;  // the "asks" item after the offsets 0..5

// The date or time moved by tag (-1: a count asked for) in place of the selection.
void insertMoment(TfrmMain& form, int tag, bool hours) {
  long long count = tag;
  if (tag < 0) {
    std::string answer = "10";
    if (!shared::prompts().inputQuery(
            form.handle(), hours ? "時間数の指定"_sj : "日数の指定"_sj,
            hours ? "何時間後を挿入するか指定して下さい"_sj : "何日後を挿入するか指定して下さい"_sj, answer) ||
        !parseOffset(answer, count))
      return;
  }
  base::DateTime at = offsetTime(form.Now ? form.Now() : base::now(), count, hours);
  form.rceMemo.replaceSelection(
      base::formatDateTime(hours ? form.Settings.InsertTimeType : form.Settings.InsertDateType, at));
}

const char* const kInsertTitle = "挿入するファイルの指定";

}  // namespace

void TfrmMain::bindInsertCommands() {
  onCommand(actInsertDate, [this] { InsertDate(0); });
  onCommand(actInsertTime, [this] { InsertTime(0); });
  onCommandRange(mnuInsertDate0, mnuInsertDateAsk,
                 [this](int offset) { InsertDate(offset == kAskedOffset ? -1 : offset); });
  onCommandRange(mnuInsertTime0, mnuInsertTimeAsk,
                 [this](int offset) { InsertTime(offset == kAskedOffset ? -1 : offset); });
  onCommand(mnuInsertText, [this] { mnuInsertTextClick(); });
  onCommand(mnuInsertNewTab, [this] { mnuInsertNewTabClick(); });
  onCommand(mnuRelatedLink, [this] { mnuRelatedLinkClick(); });
}

void TfrmMain::InsertDate(int tag) { insertMoment(*this, tag, false); }

void TfrmMain::InsertTime(int tag) { insertMoment(*this, tag, true); }

bool TfrmMain::takeTextFile(const std::string& path, std::string& bytes) {
  switch (readTextFile(path, bytes)) {
    case TextFileState::Read:
      return true;
    case TextFileState::Missing:
      return false;
    case TextFileState::TooLarge:
      shared::prompts().ask(handle(), "16MBを超えるファイルは読み込めません -> "_sj + path, "ファイルの読み込み"_sj,
                            MB_OK | MB_ICONWARNING);
      return false;
    case TextFileState::NotText:
      shared::prompts().ask(handle(), "テキストファイルではないため読み込めません -> "_sj + path,
                            "ファイルの読み込み"_sj, MB_OK | MB_ICONWARNING);
      return false;
  }
  return false;
}

void TfrmMain::mnuInsertTextClick() {
  ui::FileDialogArgs args;
  args.title = base::fromUtf8(kInsertTitle);
  args.filter = "テキストファイル(*.txt)|*.txt"_sj;
  std::string bytes;
  if (!ui::commonDialogs().openFile(handle(), args) || !takeTextFile(args.fileName, bytes)) return;
  AppendLine(insertedFileText(args.fileName, bytes));
}

void TfrmMain::mnuInsertNewTabClick() {
  ui::FileDialogArgs args;
  args.title = base::fromUtf8(kInsertTitle);
  args.filter = "文書ファイル(*.rtf;*.txt)|*.rtf;*.txt|全てのファイル(*.*)|*.*"_sj;
  if (ui::commonDialogs().openFile(handle(), args)) OpenFileAsTab(args.fileName);
}

bool TfrmMain::AppendLine(const std::string& text) {
  if (text.empty()) return false;
  std::string shown = rceMemo.text();
  bool ownLine = shown.empty() || shown.back() == '\n' || shown.back() == '\r';
  rceMemo.setSelection(static_cast<int>(shown.size()), 0);
  return rceMemo.replaceSelection(ownLine ? text : "\r\n" + text);
}

bool TfrmMain::OpenFileAsTab(const std::string& path) {
  std::string bytes;
  if (!takeTextFile(path, bytes)) return false;
  TabSession& tabs = *session_;
  const std::vector<std::string> names = tabs.tabNames();
  bool exists = std::any_of(names.begin(), names.end(), [&](const std::string& n) { return sameTabName(n, path); });
  if (exists &&
      shared::prompts().ask(handle(), "タブ ["_sj + path + "] は既に存在します\r\nファイルの内容で置き換えますか？"_sj,
                            "タブの置き換えの確認"_sj, MB_YESNO | MB_ICONQUESTION) != IDYES)
    return false;
  // A new tab refills the strip from the document and loads the shown tab again: its edit must be
  // in the document first.
  if (!tabs.saveShownTab()) return false;
  const int shown = tabs.selectedTab();
  const bool replacesShown = exists && shown >= 0 && sameTabName(tabs.tabName(shown), path);
  if (!tabs.manager().SaveTab(path, bytes, isPlainTabFile(path, bytes))) {
    tabs.reportFailure("ファイルをタブに追加できませんでした"_sj);
    return false;
  }
  if (replacesShown) tabs.tbcMemoChange();
  return true;
}

std::string TfrmMain::ResolveDroppedFile(const std::string& path, bool isShortcut) {
  if (isShortcut) {
    shared::TKzShortCutOperation link;
    link.LinkFile = path;
    return link.ReadShortCut() ? link.Target : path;
  }
  if (!base::fileExists(path)) return path;
  std::string bytes;
  return takeTextFile(path, bytes) ? urlOfInternetShortcut(bytes) : std::string();
}

void TfrmMain::fldDropFileDrop(int, const std::vector<std::string>& files, int, int) {
  // What was really added is counted: a read-only tab takes no line, a file may not load.
  size_t added = 0;
  for (const std::string& path : files) {
    if (base::folderExists(path)) {
      added += AppendLine(path);
      continue;
    }
    switch (dropKindOf(path, Settings.AutoOpenText)) {
      case DropKind::Tab:
        added += OpenFileAsTab(path);
        break;
      case DropKind::Line:
        added += AppendLine(path);
        break;
      case DropKind::Shortcut:
        added += AppendLine(ResolveDroppedFile(path, true));
        break;
      case DropKind::InternetShortcut:
        added += AppendLine(ResolveDroppedFile(path, false));
        break;
    }
  }
  ShowStatusMessage("ドロップアイテムを追加 -> "_sj + std::to_string(added) + " 個"_sj);
}

void TfrmMain::mnuRelatedLinkClick() { registerFileType(); }

void TfrmMain::registerFileType() {
  shared::TKzShortCutOperation registration;
  // A refusal is told once a run; the program goes on either way.
  registration.ShowError = [this](std::string_view text, std::string_view caption) {
    if (fileTypeRefused_) return;
    fileTypeRefused_ = true;
    shared::prompts().ask(nullptr, text, caption, MB_OK | MB_ICONERROR);
  };
  registration.RegisterFileType(".ntd", "TaveloMemo", "Taveloメモドキュメント"_sj, base::programPath(), 1, true);
}

}  // namespace memo
