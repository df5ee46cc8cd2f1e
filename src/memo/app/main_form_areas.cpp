// The memo window's areas, each given the components and the few window services it uses, and
// what the window hands on to them.
#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "memo/app/main_form.h"
#include "memo/clock_link/clock_link.h"
#include "memo/editor/format_state.h"
#include "memo/find/tab_find.h"
#include "memo/link/tab_links.h"
#include "memo/status/status_line.h"

namespace memo {

void TfrmMain::makeAreas() {
  auto window = [this] { return handle(); };
  FormatState::Host format;
  format.window = window;
  format.plainMode = [this] { return PlainMode; };
  format.showChecked = [this](int id, bool on) {
    for (HMENU m : {MainMenu1.get(), ppmMemo.get()})
      CheckMenuItem(m, static_cast<UINT>(id), MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
    for (const ui::Control* bar : {&ToolBar1, &ToolBar2})
      if (bar->handle()) bar->send(TB_CHECKBUTTON, static_cast<WPARAM>(id), MAKELPARAM(on, 0));
  };
  format_ = std::make_unique<FormatState>(rceMemo, cmbFontName, speFontSize, Settings, std::move(format));
  StatusLine::Host status;
  status.clockConnected = [this] { return clockLink_ && clockLink_->ClockConnected; };
  status.closing = [this] { return closing_; };
  status_ = std::make_unique<StatusLine>(stbMemo, rceMemo, std::move(status));
  auto showStatus = [this](const std::string& text) { ShowStatusMessage(text); };
  links_ = std::make_unique<TabLinks>(rceMemo, Settings, TabLinks::Host{[this] { return PlainMode; }, showStatus});
  find_ = std::make_unique<TabFind>(TabFind::Host{window, [this](HWND dialog) { return searchTabs(dialog); }});
  clockLink_ = std::make_unique<ClockLink>(
      rceMemo, ClockLink::Host{window, showStatus, [this](int id, bool on) { setActionEnabled(id, on); }});
}

void TfrmMain::loadTabContent(const std::string& content) { links_->loadTabContent(content); }

void TfrmMain::rceMemoTextChanged() { links_->rceMemoTextChanged(); }

}  // namespace memo
