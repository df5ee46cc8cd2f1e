// The memo window's settings in the registry: read once when the window is shown (taking over
// the previous version's key once), written at exit.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "base/text.h"
#include "memo/app/main_form.h"
#include "memo/chrome/commands.h"
#include "memo/document/tab_session.h"
#include "shared/reg_ex.h"
#include "ui/app.h"
#include "shared/prompts.h"

namespace memo {

namespace {

// The bands in the order of the stored settings: menu bar, standard, format.
constexpr int kBandIds[3] = {kMenuBarBandId, kToolBar1Id, kToolBar2Id};

}  // namespace

void TfrmMain::LoadSettings() {
  captureSettings();  // the design values are the defaults
  bool takenOver = false;
  {
    shared::TKzRegEx reg;
    bool opened = false;
    if (reg.KeyExists(SettingsKey) || !reg.KeyExists(PreviousSettingsKey)) {
      if (!reg.KeyExists(SettingsKey)) registerFileType();  // the first start
      opened = reg.OpenKey(SettingsKey, true);
    } else {
      opened = reg.OpenKeyReadOnly(PreviousSettingsKey);
      shared::prompts().ask(handle(),
                            "旧バージョンのデータを自動的に継承します\r\n\r\nただし，[タブの位置] [ウインドウの横幅] "
                            "のデータは若干狂います\r\n"
                            "手動で修正して下さい"_sj,
                            "設定データの継承"_sj, MB_OK | MB_ICONINFORMATION);
      takenOver = opened;
    }
    if (opened) ReadMemoSettings(reg, Settings);
  }
  applySettings();
  // Writing now creates the new key: the takeover happens once, the previous key stays as it was.
  if (takenOver) SaveSettings();
}

void TfrmMain::applySettings() {
  keepOnScreen();
  setBounds(Settings.FormLeft, Settings.FormTop, Settings.FormWidth, Settings.FormHeight);
  applyTabPosition();
  if (fldDrop) fldDrop->SetAccept(Settings.DropAccept);
  rceMemo.setDefaultFont(Settings.MemoFontName, Settings.MemoFontSize, memoColor(Settings.MemoFontColor));
  rceMemo.setBackColor(memoColor(Settings.BackColor));
  session_->manager().SeparatedHeader = Settings.SeparatedHeader;
  applyBands();
  showToolBars(Settings.ToolBar);
  stbMemo.setVisible(Settings.StatusBar);
  layout();
}

void TfrmMain::keepOnScreen() {
  // A window that would lie off every screen (a monitor removed, a damaged value) comes back at
  // its default place; one partly visible stays where it was.
  RECT wanted{Settings.FormLeft, Settings.FormTop, Settings.FormLeft + Settings.FormWidth,
              Settings.FormTop + Settings.FormHeight};
  RECT screen{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN), 0, 0};
  screen.right = screen.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
  screen.bottom = screen.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
  RECT common{};
  constexpr int kGrip = 40;  // enough of the title bar to grab it
  bool visible = IntersectRect(&common, &wanted, &screen) && common.right - common.left >= kGrip &&
                 common.bottom - common.top >= kGrip && Settings.FormTop >= screen.top &&
                 Settings.FormTop < screen.bottom - kGrip;
  if (visible) return;
  const TMemoSettings defaults;
  Settings.FormLeft = defaults.FormLeft;
  Settings.FormTop = defaults.FormTop;
  Settings.FormWidth = std::min(Settings.FormWidth, static_cast<int>(screen.right - screen.left));
  Settings.FormHeight = std::min(Settings.FormHeight, static_cast<int>(screen.bottom - screen.top));
}

void TfrmMain::applyTabPosition() {
  LONG style = GetWindowLongW(tbcMemo.handle(), GWL_STYLE) & ~(TCS_BOTTOM | TCS_VERTICAL | TCS_RIGHT);
  style |= Settings.TabPosition == 0   ? 0
           : Settings.TabPosition == 1 ? TCS_BOTTOM
           : Settings.TabPosition == 2 ? TCS_VERTICAL
                                       : TCS_VERTICAL | TCS_RIGHT;
  SetWindowLongW(tbcMemo.handle(), GWL_STYLE, style);
}

void TfrmMain::applyBands() {
  for (int b = 0; b < 3; ++b) {
    int from = bandIndex(kBandIds[b]);
    if (from < 0) continue;
    if (from != Settings.Bands[b].Order)
      clbToolBar.send(RB_MOVEBAND, static_cast<WPARAM>(from), Settings.Bands[b].Order);
    int at = bandIndex(kBandIds[b]);
    REBARBANDINFOW band{};
    band.cbSize = REBARBANDINFOW_V6_SIZE;
    band.fMask = RBBIM_STYLE;
    clbToolBar.send(RB_GETBANDINFOW, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&band));
    band.fMask = RBBIM_STYLE | (Settings.Bands[b].Width > 0 ? RBBIM_SIZE : 0);
    band.fStyle = (band.fStyle & ~RBBS_BREAK) | (Settings.Bands[b].Break ? RBBS_BREAK : 0);
    band.cx = static_cast<UINT>(Settings.Bands[b].Width);
    clbToolBar.send(RB_SETBANDINFOW, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&band));
  }
}

void TfrmMain::captureSettings() {
  if (!handle()) return;
  RECT r{};
  GetWindowRect(handle(), &r);
  // A minimised or maximised window keeps the place it has when restored.
  WINDOWPLACEMENT wp{};
  wp.length = sizeof wp;
  if (GetWindowPlacement(handle(), &wp) && wp.showCmd != SW_SHOWNORMAL) r = wp.rcNormalPosition;
  Settings.FormLeft = r.left;
  Settings.FormTop = r.top;
  Settings.FormWidth = r.right - r.left;
  Settings.FormHeight = r.bottom - r.top;
  const TabSession& tabs = *session_;
  int shown = tabs.selectedTab();
  // Before any document was read (settings taken over at start) the loaded value stays.
  if (tabs.tabCount() > 0 || !tabs.manager().FileName.empty())
    Settings.LastTab = shown >= 0 && shown < tabs.tabCount() ? tabs.tabName(shown) : std::string();
  Settings.SeparatedHeader = tabs.manager().SeparatedHeader;
  for (int b = 0; b < 3; ++b) {
    int at = bandIndex(kBandIds[b]);
    if (at < 0) continue;
    REBARBANDINFOW band{};
    band.cbSize = REBARBANDINFOW_V6_SIZE;
    band.fMask = RBBIM_STYLE | RBBIM_SIZE;
    clbToolBar.send(RB_GETBANDINFOW, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&band));
    Settings.Bands[b] = {at, static_cast<int>(band.cx), (band.fStyle & RBBS_BREAK) != 0};
  }
}

void TfrmMain::SaveSettings() {
  ui::guarded([this] {
    captureSettings();
    shared::TRegistry reg;
    if (!reg.OpenKey(SettingsKey, true)) return;
    try {
      WriteMemoSettings(reg, Settings);
    } catch (const shared::ERegistryException&) {
      // What was written before the failing value stays.
    }
  });
}

void TfrmMain::bindSettingsCommands() {
  onCommandRange(mnuTabTop, mnuTabRight, [this](int tag) { TabPositionClick(tag); });
  onMenuPopup([this](HMENU popup) {
    if (GetMenuItemID(popup, 0) == mnuTabTop) mnuShowDefaultClick(popup);
  });
}

void TfrmMain::TabPositionClick(int tag) {
  Settings.TabPosition = std::clamp(tag, 0, 3);
  shared::prompts().ask(handle(), "タブの位置の変更は，次回起動時に反映されます"_sj, "タブの位置変更について"_sj,
                        MB_OK | MB_ICONINFORMATION);
}

void TfrmMain::mnuShowDefaultClick(HMENU positions) {
  CheckMenuRadioItem(positions, mnuTabTop, mnuTabRight, static_cast<UINT>(mnuTabTop + Settings.TabPosition),
                     MF_BYCOMMAND);
}

}  // namespace memo
