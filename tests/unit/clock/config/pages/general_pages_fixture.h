// The settings dialog opened on all pages over a clock window of its own, with its boxes
// answered and recorded, for the tests of the general pages.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "clock/config/config_dialog.h"
#include "unit/clock/clock_fixture.h"

namespace test {

class GeneralPages : public ClockFixture {
 protected:
  void SetUp() override {
    ClockFixture::SetUp();
    form.AskUser = [this](HWND, std::string_view text, std::string_view caption, UINT) {
      boxes.push_back(std::string(caption) + ":" + std::string(text));
      return answer;
    };
  }
  void TearDown() override {
    dialog.reset();
    ClockFixture::TearDown();
  }
  // Opens the dialog on all pages afresh, loaded from the clock's fields.
  void open() {
    dialog.reset();
    dialog = std::make_unique<tockle::TfrmConfig>(configHost, 0);
    ASSERT_TRUE(dialog->create());
  }
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

  std::unique_ptr<tockle::TfrmConfig> dialog;
  std::vector<std::string> boxes;
  int answer = IDYES;
};

}  // namespace test
