// Records what the application's error box shows, instead of showing it, for the life of the
// recorder; the box shown before comes back when it ends.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/msgbox.h"

namespace test {

class ErrorBoxRecorder {
 public:
  ErrorBoxRecorder() : saved_(ui::errorBox) {
    ui::errorBox = [this](std::string_view text, std::string_view caption) {
      texts.emplace_back(text);
      captions.emplace_back(caption);
      if (whileShown) whileShown();
    };
  }
  ~ErrorBoxRecorder() { ui::errorBox = saved_; }
  ErrorBoxRecorder(const ErrorBoxRecorder&) = delete;
  ErrorBoxRecorder& operator=(const ErrorBoxRecorder&) = delete;

  std::vector<std::string> texts, captions;
  std::function<void()> whileShown;  // runs as though under the open box

 private:
  std::function<void(std::string_view, std::string_view)> saved_;
};

}  // namespace test
