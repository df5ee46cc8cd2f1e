#include "shared/prompts.h"

#include "shared/input_box.h"
#include "ui/msgbox.h"

namespace shared {

namespace {

class SystemPrompts : public Prompts {
 public:
  int ask(HWND owner, std::string_view text, std::string_view caption, UINT flags) override {
    return ui::messageBox(owner, text, caption, flags);
  }
  bool inputQuery(HWND owner, const std::string& caption, const std::string& prompt, std::string& value) override {
    return InputQuery(owner, caption, prompt, value);
  }
};

Prompts* replacement = nullptr;

}  // namespace

Prompts& prompts() {
  static SystemPrompts system;
  return replacement ? *replacement : system;
}

void setPrompts(Prompts* r) { replacement = r; }

}  // namespace shared
