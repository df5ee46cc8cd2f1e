#include "clock/config/config_dialog.h"

#include "base/files.h"
#include "base/text.h"
#include "clock/alarm/alarm_manager.h"
#include "clock/config/apply_undo.h"
#include "clock/commands/commands.h"
#include "clock/config/config_ids.h"
#include "clock/config/pages/alarm_page.h"
#include "clock/config/pages/clip_his_page.h"
#include "clock/config/pages/clock1_page.h"
#include "clock/config/pages/clock2_page.h"
#include "clock/config/pages/general1_page.h"
#include "clock/config/pages/general2_page.h"
#include "clock/config/pages/hot_key_page.h"
#include "clock/config/pages/launcher_page.h"
#include "clock/config/pages/system_page.h"
#include "shared/prompts.h"
#include "shared/reg_ex.h"
#include "ui/app.h"
#include "ui/help_file.h"

namespace tockle {

namespace {

// The client area the frame is laid out in, and where its parts lie in it.
constexpr int kClientWidth = 473, kClientHeight = 371;
constexpr int kMargin = 6, kButtonWidth = 75, kButtonHeight = 23, kButtonGap = 6;

void winHelp(HWND owner, const std::string&, UINT command, DWORD data) { ui::openHelp(owner, command, data); }

std::function<void(TfrmConfig&)>& configDialogShow() {
  static std::function<void(TfrmConfig&)> show;
  return show;
}

}  // namespace

void showConfigDialog(TfrmConfig& dialog) {
  if (configDialogShow())
    configDialogShow()(dialog);
  else
    dialog.showModal();
}

void setConfigDialogShow(std::function<void(TfrmConfig&)> replacement) { configDialogShow() = std::move(replacement); }

TfrmConfig::TfrmConfig(ConfigHost& host, uint8_t mode)
    : ui::Dialog(nullptr, IDD_CONFIG),
      Host(host),
      ConfigMode(mode),
      Edited(host.settings()),
      ProgramFolder(host.programFolder()),
      RegistryKey(host.registryKey()),
      OpenHelp(winHelp),
      pgcConfig(this, IDC_CONFIG_TABS),
      btnOk(this, IDOK),
      btnCancel(this, IDCANCEL),
      btnApply(this, IDC_CONFIG_APPLY),
      btnHelp(this, IDC_CONFIG_HELP) {
  // Declared in tab order: the page index is the tab index.
  Pages[tabGeneral] = std::make_unique<TGeneral1Page>(*this);
  Pages[tabSpecial] = std::make_unique<TGeneral2Page>(*this);
  Pages[tabClock1] = std::make_unique<TClock1Page>(*this);
  Pages[tabClock2] = std::make_unique<TClock2Page>(*this);
  Pages[tabClipHis] = std::make_unique<TClipHisPage>(*this);
  Pages[tabHotKey] = std::make_unique<THotKeyPage>(*this);
  Pages[tabSystem] = std::make_unique<TSystemPage>(*this);
  Pages[tabLaunch] = std::make_unique<TLauncherPage>(*this);
  Pages[tabAlarm] = std::make_unique<TAlarmPage>(*this);
  onCreate = [this] { FormCreate(); };
  onDestroy = [this] { FormDestroy(); };
  btnOk.onClick = [this] { btnOkClick(); };
  btnCancel.onClick = [this] { close(IDCANCEL); };
  btnApply.onClick = [this] { btnApplyClick(); };
  btnHelp.onClick = [this] { btnHelpClick(); };
}

TfrmConfig::~TfrmConfig() {
  // The destroy step needs the pages and their lists: the window goes before they do.
  if (handle() && IsWindow(handle())) close(IDCANCEL);
}

TLauncherPage& TfrmConfig::LauncherPage() const { return static_cast<TLauncherPage&>(*Pages[tabLaunch]); }
TAlarmPage& TfrmConfig::AlarmPage() const { return static_cast<TAlarmPage&>(*Pages[tabAlarm]); }

void TfrmConfig::FormCreate() {
  setCaption(settingsDialogTitle());
  ChangedPages = 0;
  layOut();
  // Enter and Esc are looked at before the dialog's own keyboard handling (edit groups).
  auto& app = ui::Application::instance();
  previousHook_ = app.onMessage;
  hooked_ = true;
  app.onMessage = [this](MSG& msg) { return previewKey(msg) || (previousHook_ && previousHook_(msg)); };
  // The tabs of the mode, then its pages' data step by step.
  std::vector<int> shown = shownTabs(ConfigMode);
  for (int t = 0; t < kConfigTabs; ++t) pgcConfig.setPageVisible(t, false);
  for (int t : shown) pgcConfig.setPageVisible(t, true);
  pgcConfig.setActivePage(shown.front());
  for (ConfigStep step : loadSteps(ConfigMode)) {
    if (step == ConfigStep::CommandList && !LoadCommandList()) return;
    for (auto& page : Pages) page->Load(step);
  }
  if (ConfigMode == cfgNewAlarm) AlarmPage().NewAlarm();
  // What loading flagged through the controls' change events is no change.
  ChangedPages = 0;
  updateApply();
  // Column widths, the design widths the defaults.
  shared::TKzRegEx reg;
  if (!reg.OpenKey(RegistryKey, true)) return;
  for (const ColumnList& c : columnLists_) {
    HWND header = reinterpret_cast<HWND>(c.list->send(LVM_GETHEADER));
    int columns = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    for (int i = 0; i < columns; ++i) {
      int width = static_cast<int>(c.list->send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(i)));
      try {
        reg.TryReadInteger(c.prefix + std::to_string(i), width, width);
      } catch (const shared::ERegistryException&) {
        // A value of another type keeps the design width.
      }
      c.list->send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(i), MAKELPARAM(width, 0));
    }
  }
}

void TfrmConfig::FormDestroy() {
  if (hooked_) ui::Application::instance().onMessage = previousHook_;
  hooked_ = false;
  // The column widths are kept however the dialog closes.
  shared::TRegistry reg;
  if (!reg.OpenKey(RegistryKey, true)) return;
  try {
    for (const ColumnList& c : columnLists_) {
      HWND header = reinterpret_cast<HWND>(c.list->send(LVM_GETHEADER));
      int columns = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
      for (int i = 0; i < columns; ++i)
        reg.WriteInteger(c.prefix + std::to_string(i),
                         static_cast<int>(c.list->send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(i))));
    }
  } catch (const shared::ERegistryException&) {
    // Widths that could not be stored open at their last stored or design widths.
  }
}

void TfrmConfig::layOut() {
  setClientSize(kClientWidth, kClientHeight);
  // Centred on the screen.
  RECT w{};
  GetWindowRect(handle(), &w);
  SetWindowPos(handle(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - (w.right - w.left)) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - (w.bottom - w.top)) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  int buttonsLeft = kClientWidth - kMargin - kButtonWidth;
  pgcConfig.setBounds(kMargin, kMargin, buttonsLeft - 2 * kMargin, kClientHeight - 2 * kMargin);
  int y = kMargin + 20;
  for (ui::Button* b : {&btnOk, &btnCancel, &btnApply, &btnHelp}) {
    b->setBounds(buttonsLeft, y, kButtonWidth, kButtonHeight);
    y += kButtonHeight + kButtonGap;
  }
}

void TfrmConfig::SetChanged(uint8_t flags) {
  ChangedPages |= flags;
  updateApply();
}

void TfrmConfig::updateApply() {
  if (!handle()) return;
  bool on = ChangedPages != 0;
  if (btnApply.enabled() != on) btnApply.setEnabled(on);
}

bool TfrmConfig::handleMessage(UINT, WPARAM, LPARAM, INT_PTR&) {
  // Apply follows the flags before every message the dialog handles.
  updateApply();
  return false;
}

void TfrmConfig::KeepColumnWidths(const ui::Control& list, std::string prefix) {
  columnLists_.push_back({&list, std::move(prefix)});
}

void TfrmConfig::SetEditButtons(ui::Button* registerButton, ui::Button* cancelButton) {
  registerButton_ = registerButton;
  cancelButton_ = cancelButton;
  // The default button's frame shows who answers Enter.
  btnOk.send(BM_SETSTYLE, registerButton ? BS_PUSHBUTTON : BS_DEFPUSHBUTTON, TRUE);
  if (registerButton) registerButton->send(BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

void TfrmConfig::SetInPlaceEdit(bool on) { inPlaceEdit_ = on; }

bool TfrmConfig::previewKey(MSG& msg) {
  if (msg.message != WM_KEYDOWN || (msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE)) return false;
  if (!handle() || (msg.hwnd != handle() && !IsChild(handle(), msg.hwnd))) return false;
  if (inPlaceEdit_) {
    // Enter and Esc end the caption's edit only: the edit control gets them as they are.
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
  }
  if (!registerButton_) return false;
  // A control that takes the key itself (a multi-line edit, an open drop-down list) keeps it.
  auto code = SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
  if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return false;
  for (HWND h = msg.hwnd; h && h != handle(); h = GetParent(h)) {
    wchar_t cls[16] = {};
    GetClassNameW(h, cls, 16);
    if (lstrcmpiW(cls, L"ComboBox") == 0 && SendMessageW(h, CB_GETDROPPEDSTATE, 0, 0)) return false;
  }
  ui::Button* b = msg.wParam == VK_RETURN ? registerButton_ : cancelButton_;
  if (b && b->enabled()) b->click();
  return true;
}

bool TfrmConfig::ApplySettings(bool close) {
  const uint8_t changed = ChangedPages;
  // What the steps may write, as it is now: a failure puts it back, so that the files and the key
  // never hold half an apply while the clock keeps its old settings.
  const ApplyUndo undo(RegistryKey, {ProgramFolder + "_system3", ProgramFolder + "_hot3", ProgramFolder + "_alarm3"});
  bool launcherWritten = false, alarmsTried = false;
  TKzManagerTockle* alarms = Host.alarmManager();
  const bool clearReCall = alarms && alarms->ClearReCall;
  auto fail = [&](uint8_t stillChanged) {
    if (!undo.Restore())
      shared::prompts().ask(handle(), "変更前の設定に戻せなかった項目があります"_sj, "設定保存エラー"_sj,
                            MB_OK | MB_ICONERROR);
    // The launcher menu was built from the list just written: it is built again from the old one.
    if (launcherWritten) Host.launcherListChanged();
    // The alarm manager holds what its file holds again.
    if (alarmsTried && alarms) {
      alarms->ClearReCall = clearReCall;
      alarms->Count = alarms->ReadCount();
      alarms->AllocItems(false);
    }
    ChangedPages = stillChanged;
    updateApply();
    return false;
  };
  for (ConfigStep step : applySteps(ConfigMode, changed)) {
    alarmsTried = alarmsTried || step == ConfigStep::Alarms;
    for (auto& page : Pages)
      if (!page->Save(step)) return fail(changed);
    if (step == ConfigStep::Launcher) {
      // The icon cache belongs to the old list; the menu is built again from the new one at
      // once (the page has set the access-key mode and icon settings), and once more at its next
      // pop-up, then from the fresh cache.
      base::deleteFile(ProgramFolder + "_cache3");
      Host.launcherListChanged();
      launcherWritten = true;
    }
  }
  if (!Host.saveSettings(Edited)) {
    shared::prompts().ask(handle(), "設定をレジストリに保存できませんでした"_sj, "設定保存エラー"_sj,
                          MB_OK | MB_ICONERROR);
    // Nothing of the settings is stored: Apply stays on for another try.
    return fail(changed | cpGeneral);
  }
  // Every step succeeded: the clock takes the whole value.
  Host.applySettings(Edited, (changed & cpLauncher) != 0);
  ChangedPages = 0;
  updateApply();
  if (close) this->close(IDOK);
  return true;
}

void TfrmConfig::btnApplyClick() { ApplySettings(false); }

void TfrmConfig::btnOkClick() {
  // An edit in progress ends when its field loses the focus.
  btnOk.setFocus();
  std::vector<IPendingEdit*> edits{&LauncherPage(), &AlarmPage()};
  if (!SettlePendingEdits(handle(), edits)) return;
  ApplySettings(true);
}

void TfrmConfig::btnHelpClick() {
  HelpRequest help = configHelp(ConfigMode, ActiveTab());
  if (help.kind == HelpRequest::Topic) openHelp(HELP_CONTEXT, static_cast<DWORD>(help.topic));
  if (help.kind == HelpRequest::Contents) openHelp(HELP_FINDER, 0);
}

void TfrmConfig::HelpPopup(int topic) { openHelp(HELP_CONTEXTPOPUP, static_cast<DWORD>(topic)); }

void TfrmConfig::openHelp(UINT command, DWORD data) {
  std::string file = ui::helpFilePath();
  if (!base::fileExists(file)) {
    shared::prompts().ask(handle(), "ヘルプファイル "_sj + file + " が見つかりません"_sj, "ヘルプ"_sj,
                          MB_OK | MB_ICONINFORMATION);
    return;
  }
  if (OpenHelp) OpenHelp(handle(), file, command, data);
}

}  // namespace tockle
