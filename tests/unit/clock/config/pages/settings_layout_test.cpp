// The settings dialog as the clock opens it, every page laid out by its own code: each caption
// shows whole and each edit box is wide enough for the widest value its up-down allows. One
// picture of each page goes to test-results\dialogs.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "support/caption_fit.h"
#include "support/e2e.h"
#include "unit/clock/config/pages/general_pages_fixture.h"

namespace {

bool isClass(HWND hwnd, const wchar_t* name) {
  wchar_t cls[64] = {};
  GetClassNameW(hwnd, cls, 64);
  return _wcsicmp(cls, name) == 0;
}

// The widest number the up-down attached to this edit box allows, "" without one.
std::string widestNumber(HWND page, HWND edit) {
  for (HWND c : test::descendants(page)) {
    if (!isClass(c, UPDOWN_CLASSW) || reinterpret_cast<HWND>(SendMessageW(c, UDM_GETBUDDY, 0, 0)) != edit) continue;
    int lo = 0, hi = 0;
    SendMessageW(c, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lo), reinterpret_cast<LPARAM>(&hi));
    const std::string a = std::to_string(lo), b = std::to_string(hi);
    return a.size() > b.size() ? a : b;
  }
  return {};
}

class SettingsLayout : public test::GeneralPages {};

TEST_F(SettingsLayout, EveryPageShowsItsCaptionsWholeAndItsNumbersInFull) {
  open();
  SetWindowPos(dialog->handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
  for (int tab = 0; tab < tockle::kConfigTabs; ++tab) {
    dialog->pgcConfig.setActivePage(tab);
    HWND page = dialog->pgcConfig.page(tab).handle();
    for (const auto& cut : test::cutCaptions(page)) ADD_FAILURE() << "page " << tab << ": " << cut;
    for (HWND edit : test::descendants(page)) {
      if (!isClass(edit, L"Edit")) continue;
      RECT box{}, client{};
      GetWindowRect(edit, &box);
      GetClientRect(edit, &client);
      EXPECT_GE(box.right - box.left, 20) << "page " << tab << " edit " << GetDlgCtrlID(edit);
      if (const std::string widest = widestNumber(page, edit); !widest.empty()) {
        const DWORD margins = static_cast<DWORD>(SendMessageW(edit, EM_GETMARGINS, 0, 0));
        const int need = test::textWidth(edit, widest) + LOWORD(margins) + HIWORD(margins) + 1;  // and the caret
        EXPECT_GE(client.right, need) << "page " << tab << " edit " << GetDlgCtrlID(edit) << " for " << widest;
      }
    }
    EXPECT_NE(test::captureDialog(dialog->handle(), "Tockle-settings-page" + std::to_string(tab)), "");
  }
}

}  // namespace
