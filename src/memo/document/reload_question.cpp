#include "memo/document/reload_question.h"

#include "base/text.h"

namespace memo {

std::optional<std::string> reloadQuestion(bool changedOutside, int reloadOption, bool unsaved) {
  if (!unsaved && !(changedOutside && reloadOption == 1)) return std::nullopt;
  std::string text = changedOutside ? "メモファイルが外部で更新されました\r\n再読み込みしますか？"_sj
                                    : "メモファイルを再読み込みしますか？"_sj;
  if (unsaved) text += "\r\n(表示中のタブの保存していない変更は失われます)"_sj;
  return text;
}

}  // namespace memo
