#include "clock/commands/file_problem_text.h"

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

}  // namespace tockle
