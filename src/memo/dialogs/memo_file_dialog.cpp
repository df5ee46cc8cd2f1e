#include "memo/dialogs/memo_file_dialog.h"

#include <commdlg.h>

#include "base/text.h"
#include "ui/common_dialogs.h"

namespace memo {

namespace {

std::optional<std::string> runSaveDialog(HWND owner, std::string_view title, std::string_view filter,
                                         std::string_view fileName, std::string_view defExt, DWORD flags) {
  ui::FileDialogArgs args;
  args.title = title;
  args.filter = filter;
  args.fileName = fileName;
  args.defaultExt = defExt;
  args.flags = OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | flags;
  if (!ui::commonDialogs().saveFile(owner, args)) return std::nullopt;
  return args.fileName;
}

}  // namespace

std::optional<std::string> chooseMemoFile(HWND owner, std::string_view current) {
  return runSaveDialog(owner, "メモファイルの指定"_sj, "Taveloメモファイル(*.ntd)|*.ntd"_sj, current, "ntd", 0);
}

std::optional<std::string> chooseSaveFile(HWND owner, const std::string& title, const std::string& filter,
                                          const std::string& fileName, const std::string& defExt) {
  return runSaveDialog(owner, title, filter, fileName, defExt, OFN_OVERWRITEPROMPT);
}

}  // namespace memo
