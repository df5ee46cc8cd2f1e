#include "memo/dialogs/memo_file_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "base/text.h"

namespace memo {

namespace {

std::optional<std::string> runSaveDialog(HWND owner, std::string_view title, std::wstring filter,
                                         std::string_view fileName, const wchar_t* defExt, DWORD flags) {
  std::vector<wchar_t> file(32768, L'\0');
  std::wstring initial = base::wide(fileName);
  if (initial.size() < file.size()) std::copy(initial.begin(), initial.end(), file.begin());
  std::wstring caption = base::wide(title);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrTitle = caption.c_str();
  ofn.lpstrDefExt = defExt;
  ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | flags;
  if (!GetSaveFileNameW(&ofn)) return std::nullopt;
  return base::cp932(file.data());
}

}  // namespace

std::optional<std::string> chooseMemoFile(HWND owner, std::string_view current) {
  std::wstring filter = base::wide("Taveloメモファイル(*.ntd)"_sj);
  filter.push_back(L'\0');
  filter += L"*.ntd";
  filter.push_back(L'\0');
  return runSaveDialog(owner, "メモファイルの指定"_sj, filter, current, L"ntd", 0);
}

std::optional<std::string> chooseSaveFile(HWND owner, const std::string& title, const std::string& filter,
                                          const std::string& fileName, const std::string& defExt) {
  // The filter's '|' separators become the dialog's NUL separators.
  std::wstring w = base::wide(filter);
  std::replace(w.begin(), w.end(), L'|', L'\0');
  if (w.empty() || w.back() != L'\0') w.push_back(L'\0');
  std::wstring ext = base::wide(defExt);
  return runSaveDialog(owner, title, w, fileName, ext.c_str(), OFN_OVERWRITEPROMPT);
}

}  // namespace memo
