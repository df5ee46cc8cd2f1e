// Hints: a wrapping width given before the first hint holds for the tool-tip window made with it.
#include "ui/tooltip.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "ui/app.h"

namespace {

TEST(Tooltip, AWidthGivenBeforeTheFirstHintWrapsIt) {
  ui::Application::instance().initialize("Tockle 3 for Windows 9x/NT", true);
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
  HWND control = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 50, 20, window, nullptr, nullptr, nullptr);
  {
    ui::Tooltip hint;
    hint.setMaxWidth(400);
    hint.add(control, std::string(1024, 'w'));
    ASSERT_TRUE(hint.handle());
    EXPECT_EQ(SendMessageW(hint.handle(), TTM_GETMAXTIPWIDTH, 0, 0), 400);
  }
  DestroyWindow(window);
}

}  // namespace
