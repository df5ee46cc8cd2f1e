#include "memo/insert/insert_commands.h"

#include <algorithm>

#include "base/files.h"
#include "base/text.h"
#include "memo/chrome/commands.h"
#include "memo/document/tab_file_name.h"
#include "memo/document/tab_name.h"
#include "memo/document/tab_session.h"
#include "memo/editor/rich_edit.h"
#include "memo/insert/insert_rules.h"
#include "memo/settings/memo_settings.h"
#include "shared/prompts.h"
#include "shared/shortcut_file.h"
#include "ui/command_table.h"
#include "ui/common_dialogs.h"

namespace memo {

namespace {

constexpr int kAskedOffset = 6;  // the "asks" item after the offsets 0..5

const char* const kInsertTitle = "挿入するファイルの指定";

}  // namespace

InsertCommands::InsertCommands(RichEdit& editor, TabSession& session, const TMemoSettings& settings, Host host)
    : editor_(editor), session_(session), settings_(settings), host_(std::move(host)) {}

void InsertCommands::bindCommands(ui::CommandTable& commands) {
  commands.on(actInsertDate, [this] { insertMoment(0, false); });
  commands.on(actInsertTime, [this] { insertMoment(0, true); });
  commands.onRange(mnuInsertDate0, mnuInsertDateAsk,
                   [this](int offset) { insertMoment(offset == kAskedOffset ? -1 : offset, false); });
  commands.onRange(mnuInsertTime0, mnuInsertTimeAsk,
                   [this](int offset) { insertMoment(offset == kAskedOffset ? -1 : offset, true); });
  commands.on(mnuInsertText, [this] { insertTextFile(); });
  commands.on(mnuInsertNewTab, [this] { insertFileAsTab(); });
  commands.on(mnuRelatedLink, [this] { registerFileType(); });
}

int InsertCommands::ask(std::string_view text, std::string_view caption, UINT flags) {
  return shared::prompts().ask(host_.window(), text, caption, flags);
}

void InsertCommands::insertMoment(int tag, bool hours) {
  long long count = tag;
  if (tag < 0) {
    std::string answer = "10";
    if (!shared::prompts().inputQuery(
            host_.window(), hours ? "時間数の指定"_sj : "日数の指定"_sj,
            hours ? "何時間後を挿入するか指定して下さい"_sj : "何日後を挿入するか指定して下さい"_sj, answer) ||
        !parseOffset(answer, count))
      return;
  }
  base::DateTime at = offsetTime(host_.now(), count, hours);
  editor_.replaceSelection(base::formatDateTime(hours ? settings_.InsertTimeType : settings_.InsertDateType, at));
}

bool InsertCommands::takeTextFile(const std::string& path, std::string& bytes) {
  switch (readTextFile(path, bytes)) {
    case TextFileState::Read:
      return true;
    case TextFileState::Missing:
      return false;
    case TextFileState::TooLarge:
      ask("16MBを超えるファイルは読み込めません -> "_sj + path, "ファイルの読み込み"_sj, MB_OK | MB_ICONWARNING);
      return false;
    case TextFileState::NotText:
      ask("テキストファイルではないため読み込めません -> "_sj + path, "ファイルの読み込み"_sj, MB_OK | MB_ICONWARNING);
      return false;
  }
  return false;
}

void InsertCommands::insertTextFile() {
  ui::FileDialogArgs args;
  args.title = base::fromUtf8(kInsertTitle);
  args.filter = "テキストファイル(*.txt)|*.txt"_sj;
  std::string bytes;
  if (!ui::commonDialogs().openFile(host_.window(), args) || !takeTextFile(args.fileName, bytes)) return;
  appendLine(insertedFileText(args.fileName, bytes));
}

void InsertCommands::insertFileAsTab() {
  ui::FileDialogArgs args;
  args.title = base::fromUtf8(kInsertTitle);
  args.filter = "文書ファイル(*.rtf;*.txt)|*.rtf;*.txt|全てのファイル(*.*)|*.*"_sj;
  if (ui::commonDialogs().openFile(host_.window(), args)) openFileAsTab(args.fileName);
}

bool InsertCommands::appendLine(const std::string& text) {
  if (text.empty()) return false;
  std::string shown = editor_.text();
  bool ownLine = shown.empty() || shown.back() == '\n' || shown.back() == '\r';
  editor_.setSelection(static_cast<int>(shown.size()), 0);
  return editor_.replaceSelection(ownLine ? text : "\r\n" + text);
}

bool InsertCommands::openFileAsTab(const std::string& path) {
  std::string bytes;
  if (!takeTextFile(path, bytes)) return false;
  const std::vector<std::string> names = session_.tabNames();
  bool exists = std::any_of(names.begin(), names.end(), [&](const std::string& n) { return sameTabName(n, path); });
  if (exists && ask("タブ ["_sj + path + "] は既に存在します\r\nファイルの内容で置き換えますか？"_sj,
                    "タブの置き換えの確認"_sj, MB_YESNO | MB_ICONQUESTION) != IDYES)
    return false;
  // A new tab refills the strip from the document and loads the shown tab again: its edit must be
  // in the document first.
  if (!session_.saveShownTab()) return false;
  const int shown = session_.selectedTab();
  const bool replacesShown = exists && shown >= 0 && sameTabName(session_.tabName(shown), path);
  if (!session_.manager().SaveTab(path, bytes, isPlainTabFile(path, bytes))) {
    session_.reportFailure("ファイルをタブに追加できませんでした"_sj);
    return false;
  }
  if (replacesShown) session_.tbcMemoChange();
  return true;
}

std::string InsertCommands::resolveDroppedFile(const std::string& path, bool isShortcut) {
  if (isShortcut) {
    shared::TKzShortCutOperation link;
    link.LinkFile = path;
    return link.ReadShortCut() ? link.Target : path;
  }
  if (!base::fileExists(path)) return path;
  std::string bytes;
  return takeTextFile(path, bytes) ? urlOfInternetShortcut(bytes) : std::string();
}

void InsertCommands::filesDropped(const std::vector<std::string>& files) {
  // What was really added is counted: a read-only tab takes no line, a file may not load.
  size_t added = 0;
  for (const std::string& path : files) {
    if (base::folderExists(path)) {
      added += appendLine(path);
      continue;
    }
    switch (dropKindOf(path, settings_.AutoOpenText)) {
      case DropKind::Tab:
        added += openFileAsTab(path);
        break;
      case DropKind::Line:
        added += appendLine(path);
        break;
      case DropKind::Shortcut:
        added += appendLine(resolveDroppedFile(path, true));
        break;
      case DropKind::InternetShortcut:
        added += appendLine(resolveDroppedFile(path, false));
        break;
    }
  }
  host_.showStatus("ドロップアイテムを追加 -> "_sj + std::to_string(added) + " 個"_sj);
}

void InsertCommands::registerFileType() {
  shared::TKzShortCutOperation registration;
  registration.ShowError = [this](std::string_view text, std::string_view caption) {
    if (fileTypeRefused_) return;
    fileTypeRefused_ = true;
    shared::prompts().ask(nullptr, text, caption, MB_OK | MB_ICONERROR);
  };
  registration.RegisterFileType(".ntd", "TaveloMemo", "Taveloメモドキュメント"_sj, base::programPath(), 1, true);
}

}  // namespace memo
