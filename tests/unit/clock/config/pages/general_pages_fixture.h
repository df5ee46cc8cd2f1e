// The settings dialog opened on all pages over a host of its own, with its boxes answered and
// recorded, for the tests of the general pages.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "clock/config/config_dialog.h"
#include "unit/clock/config/config_fixture.h"

namespace test {

class GeneralPages : public ConfigFixture {
 protected:
  void SetUp() override {
    ConfigFixture::SetUp();
    answer = IDYES;
    prompts.answer = [this](const test::FakePrompts::Box& box) {
      boxes.push_back(std::string(box.caption) + ":" + std::string(box.text));
      return answer;
    };
  }
  // Opens the dialog on all pages afresh, loaded from the host's settings.
  void open() { ConfigFixture::open(0); }
  template <typename Page>
  Page& page(int tab) {
    return static_cast<Page&>(*dialog->Pages[tab]);
  }
  void apply() { ASSERT_TRUE(dialog->ApplySettings(false)); }
  bool changed() const { return (dialog->ChangedPages & tockle::cpGeneral) != 0; }
  // A control's notification as the control sends it to its page.
  static void notify(const ui::Control& c, WORD code) {
    SendMessageW(GetParent(c.handle()), WM_COMMAND, MAKEWPARAM(c.id(), code), reinterpret_cast<LPARAM>(c.handle()));
  }
  static void click(const ui::Control& c) { c.send(BM_CLICK); }

  std::vector<std::string> boxes;
};

}  // namespace test
