#include "clock/commands/file_problem_text.h"

#include <windows.h>

#include "base/handles.h"
#include "base/text.h"

namespace tockle {

std::string fileProblemText(base::FileProblem problem) {
  switch (problem) {
    case base::FileProblem::None:
      return {};
    case base::FileProblem::Missing:
      return " が見つかりません"_sj;
    case base::FileProblem::NotAFile:
      return " はファイルではありません(同じ名前のフォルダがあります)"_sj;
    case base::FileProblem::Unreadable:
      return " を読み込めません(ほかのプログラムが使用中か，読み込みが許可されていません)"_sj;
    case base::FileProblem::Held:
      return " を読み込めません(ほかのプログラムが使用中です)"_sj;
  }
  return {};
}

std::string fileWriteProblemText(std::string_view path) {
  std::wstring w = base::wide(path);
  DWORD attributes = GetFileAttributesW(w.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
    return fileProblemText(base::FileProblem::NotAFile);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    return " に書き込めません(読み取り専用になっています)"_sj;
  base::FileHandle f(CreateFileW(w.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!f && GetLastError() == ERROR_SHARING_VIOLATION) return " に書き込めません(ほかのプログラムが使用中です)"_sj;
  return " に書き込めません(書き込みが許可されていないか，ディスクに空きがありません)"_sj;
}

}  // namespace tockle
