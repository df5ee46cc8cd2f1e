// The long hints of controls for the status line: a control's hint while the mouse is over it,
// an empty one when the mouse leaves it.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/subclass.h"

namespace memo {

class ControlHints {
 public:
  std::function<void(const std::string& hint)> onHint;
  // Watches the window for the mouse; an empty hint is not added.
  void add(HWND window, std::string hint);

 private:
  struct Watch {
    ui::Subclass mouse;
    std::string hint;
    bool inside = false;
  };
  std::vector<std::unique_ptr<Watch>> watches_;
};

}  // namespace memo
