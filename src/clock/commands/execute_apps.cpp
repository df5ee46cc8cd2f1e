#include "clock/commands/execute_apps.h"

#include <shellapi.h>

#include "base/com.h"
#include "base/text.h"

namespace tockle {

int specialNameIndex(std::string_view entry) {
  for (int i = 0; i < static_cast<int>(std::size(kSpecialNames)); ++i)
    if (entry == kSpecialNames[i]) return i;
  return -1;
}

std::string entryFolder(std::string_view entry) {
  size_t last = std::string_view::npos;
  for (size_t p = base::find(entry, "\\"); p != std::string_view::npos; p = base::find(entry, "\\", p + 1)) last = p;
  if (last == std::string_view::npos) return {};
  std::string folder(entry.substr(0, last));
  if (folder.size() == 2 && folder[1] == ':') folder += '\\';
  return folder;
}

std::vector<AppStart> planAppStarts(std::string_view list, std::string_view params, std::string_view folder) {
  std::vector<AppStart> plan;
  size_t start = 0;
  for (bool first = true;; first = false) {
    size_t end = base::find(list, ";", start);
    std::string_view entry = list.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (entry.empty()) break;
    AppStart step;
    step.special = specialNameIndex(entry);
    if (step.special < 0) {
      step.file = entry;
      if (first) step.params = params;
      step.folder = (first && !folder.empty()) ? std::string(folder) : entryFolder(entry);
    }
    plan.push_back(std::move(step));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return plan;
}

int shellOpen(HWND owner, const std::string& file, const std::string& params, const std::string& folder) {
  base::ensureCom();
  auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(owner, L"open", base::wide(file).c_str(), params.empty() ? nullptr : base::wide(params).c_str(),
                    folder.empty() ? nullptr : base::wide(folder).c_str(), SW_SHOW));
  // Above 32 is success; 0 means the system ran out of memory (as 8 does).
  return result > 32 ? 0 : (result == 0 ? ERROR_NOT_ENOUGH_MEMORY : static_cast<int>(result));
}

std::string shellErrorText(int error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
      return "ファイルが見つかりません"_sj;
    case ERROR_PATH_NOT_FOUND:
      return "フォルダが見つかりません"_sj;
    case ERROR_ACCESS_DENIED:
    case SE_ERR_SHARE:
      return "アクセスが拒否されました"_sj;
    case ERROR_BAD_FORMAT:
      return "実行できる形式のファイルではありません"_sj;
    case SE_ERR_NOASSOC:
    case SE_ERR_ASSOCINCOMPLETE:
      return "このファイルを開くプログラムが関連付けられていません"_sj;
    case ERROR_NOT_ENOUGH_MEMORY:
      return "メモリが不足しています"_sj;
    default:
      return "エラー番号 "_sj + std::to_string(error);
  }
}

}  // namespace tockle
