#include "shared/input_box.h"

#include "ui/dialog.h"

namespace shared {

namespace {

class TInputBox : public ui::Dialog {
 public:
  TInputBox(HWND owner, const InputBoxTemplate& box)
      : Dialog(owner, box.dialog), lblPrompt(this, box.prompt), edtValue(this, box.edit) {}
  ui::Label lblPrompt;
  ui::Edit edtValue;
};

}  // namespace

bool InputQuery(HWND owner, const InputBoxTemplate& t, const std::string& caption, const std::string& prompt,
                std::string& value) {
  TInputBox box(owner, t);
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
