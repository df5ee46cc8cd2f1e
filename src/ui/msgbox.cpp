#include "ui/msgbox.h"

#include "base/text.h"

namespace ui {

int messageBox(HWND owner, std::string_view text, std::string_view caption, UINT flags) {
  return MessageBoxW(owner, base::wide(text).c_str(), base::wide(caption).c_str(), flags);
}

}  // namespace ui
