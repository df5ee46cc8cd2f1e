// The boxes, input boxes and save dialogs of the memo's tests: each recorded, each answered from
// the test's lists. The program's prompts are replaced by them while the test runs.
#pragma once

#include <windows.h>

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/fake_prompts.h"

namespace memotest {

struct AnsweredBoxes {
  AnsweredBoxes() = default;
  AnsweredBoxes(const AnsweredBoxes&) = delete;
  AnsweredBoxes& operator=(const AnsweredBoxes&) = delete;

  // A box recorded as "caption|text" and answered from answers (IDOK when none is left).
  int answerBox(std::string_view text, std::string_view caption) {
    boxes.push_back(std::string(caption) + "|" + std::string(text));
    if (answers.empty()) return IDOK;
    int a = answers.front();
    answers.pop_front();
    return a;
  }
  // An input box recorded as "caption|value" and answered from inputs (Cancel when none is left).
  bool answerInput(const std::string& caption, std::string& value) {
    prompts.push_back(caption + "|" + value);
    if (inputs.empty()) return false;
    value = inputs.front();
    inputs.pop_front();
    return true;
  }
  // A save dialog recorded as "title|filter|name" and answered with savePath.
  std::optional<std::string> answerSave(const std::string& title, const std::string& filter,
                                        const std::string& fileName) {
    prompts.push_back(title + "|" + filter + "|" + fileName);
    return savePath;
  }

  std::vector<std::string> errors;
  std::vector<std::string> boxes;
  std::deque<int> answers;
  std::vector<std::string> prompts;
  std::deque<std::string> inputs;
  std::optional<std::string> savePath;

  // The program's prompts: message boxes through answerBox unless a test sets its own answer,
  // input boxes through answerInput.
  class Prompts : public test::FakePrompts {
   public:
    explicit Prompts(AnsweredBoxes& lists) : lists_(lists) {
      answer = [this](const Box& box) { return lists_.answerBox(box.text, box.caption); };
    }
    bool inputQuery(HWND, const std::string& caption, const std::string&, std::string& value) override {
      return lists_.answerInput(caption, value);
    }

   private:
    AnsweredBoxes& lists_;
  };
  Prompts service{*this};
};

}  // namespace memotest
