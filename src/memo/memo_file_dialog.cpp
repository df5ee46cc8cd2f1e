#include "memo/memo_file_dialog.h"

#include <commdlg.h>

#include <vector>

#include "base/text.h"

namespace memo {

std::optional<std::string> chooseMemoFile(HWND owner, std::string_view current) {
  std::vector<wchar_t> file(32768, L'\0');
  std::wstring initial = base::wide(current);
  if (initial.size() < file.size()) std::copy(initial.begin(), initial.end(), file.begin());
  std::wstring title = base::wide("メモファイルの指定"_sj);
  std::wstring filter = base::wide("Taveloメモファイル(*.ntd)"_sj);
  filter.push_back(L'\0');
  filter += L"*.ntd";
  filter.push_back(L'\0');
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrTitle = title.c_str();
  ofn.lpstrDefExt = L"ntd";
  ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  if (!GetSaveFileNameW(&ofn)) return std::nullopt;
  return base::cp932(file.data());
}

}  // namespace memo
