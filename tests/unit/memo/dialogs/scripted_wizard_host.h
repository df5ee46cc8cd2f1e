// The wizard's user, scripted: answers its questions from a list and records every box.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "memo/dialogs/new_wizard_rules.h"

namespace memotest {

class ScriptedHost : public memo::WizardHost {
 public:
  std::deque<bool> answers;
  std::vector<std::string> asked, errors, infos;
  std::vector<std::pair<int, bool>> helps;
  std::optional<std::string> chosen;

  void showError(std::string_view text, std::string_view caption) override {
    errors.push_back(std::string(caption) + "|" + std::string(text));
  }
  void showInfo(std::string_view text, std::string_view caption) override {
    infos.push_back(std::string(caption) + "|" + std::string(text));
  }
  bool askYesNo(std::string_view, std::string_view caption) override {
    asked.emplace_back(caption);
    EXPECT_FALSE(answers.empty()) << "unexpected question " << caption;
    bool a = !answers.empty() && answers.front();
    if (!answers.empty()) answers.pop_front();
    return a;
  }
  std::optional<std::string> chooseFile(std::string_view) override { return chosen; }
  void showHelp(int context, bool popup) override { helps.emplace_back(context, popup); }
};

}  // namespace memotest
