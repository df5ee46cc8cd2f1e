#include "memo/dialogs/input_box.h"

#include "memo/dialogs/input_box_ids.h"
#include "shared/input_box.h"

namespace memo {

bool InputQuery(HWND owner, const std::string& caption, const std::string& prompt, std::string& value) {
  return shared::InputQuery(owner, {IDD_MEMO_INPUT, IDC_INPUT_PROMPT, IDC_INPUT_EDIT}, caption, prompt, value);
}

}  // namespace memo
