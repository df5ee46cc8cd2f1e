#include "shared/input_box.h"

#include "shared/input_box_ids.h"
#include "ui/dialog.h"

namespace shared {

namespace {

class TInputBox : public ui::Dialog {
 public:
  explicit TInputBox(HWND owner)
      : Dialog(owner, IDD_INPUT_BOX), lblPrompt(this, IDC_INPUT_PROMPT), edtValue(this, IDC_INPUT_EDIT) {}
  ui::Label lblPrompt;
  ui::Edit edtValue;
};

}  // namespace

bool InputQuery(HWND owner, const std::string& caption, const std::string& prompt, std::string& value) {
  TInputBox box(owner);
  std::string entered = value;
  box.onCreate = [&] {
    box.setCaption(caption);
    box.lblPrompt.setText(prompt);
    box.edtValue.setText(value);
    box.edtValue.selectAll();
  };
  box.onClose = [&] { entered = box.edtValue.text(); };
  if (box.showModal() != IDOK) return false;
  value = entered;
  return true;
}

}  // namespace shared
