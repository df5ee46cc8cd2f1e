// A scripted stand-in for the prompts: installed for its lifetime, it records every box and
// answers through `answer` (unset: IDOK, or IDYES for a yes/no box) and input boxes from a queue
// (an empty queue answers "cancelled").
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "shared/prompts.h"

namespace test {

class FakePrompts : public shared::Prompts {
 public:
  struct Box {
    HWND owner;
    std::string text;
    std::string caption;
    UINT flags;
  };

  FakePrompts() { shared::setPrompts(this); }
  ~FakePrompts() override { shared::setPrompts(nullptr); }
  FakePrompts(const FakePrompts&) = delete;
  FakePrompts& operator=(const FakePrompts&) = delete;

  std::function<int(const Box& box)> answer;
  std::vector<Box> boxes;            // every message box, in order
  std::deque<std::string> inputs;    // the input boxes' entered texts
  std::vector<std::string> queries;  // every input box's caption

  int ask(HWND owner, std::string_view text, std::string_view caption, UINT flags) override {
    boxes.push_back({owner, std::string(text), std::string(caption), flags});
    if (answer) return answer(boxes.back());
    return (flags & MB_TYPEMASK) == MB_YESNO || (flags & MB_TYPEMASK) == MB_YESNOCANCEL ? IDYES : IDOK;
  }
  bool inputQuery(HWND, const std::string& caption, const std::string&, std::string& value) override {
    queries.push_back(caption);
    if (inputs.empty()) return false;
    value = std::move(inputs.front());
    inputs.pop_front();
    return true;
  }
  // The captions of the boxes shown so far.
  std::vector<std::string> captions() const {
    std::vector<std::string> out;
    for (const Box& b : boxes) out.push_back(b.caption);
    return out;
  }
};

}  // namespace test
